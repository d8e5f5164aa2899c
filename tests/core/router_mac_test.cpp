#include <gtest/gtest.h>

#include <string>

#include "core/router/mac_text.hpp"

namespace tessel {
namespace {

TEST(MacText, IndexOctetsBecomeTwoHexDigitsEach) {
    EXPECT_EQ(MacTextFromIndex("0.11.34.5.120.255"), "000B220578FF");
    EXPECT_EQ(MacTextFromIndex("0.0.0.0.0.1"), "000000000001");
    EXPECT_EQ(MacTextFromIndex("255.255.255.255.255.255"), "FFFFFFFFFFFF");
    EXPECT_EQ(MacTextFromIndex("16.15.160.10.1.171"), "100FA00A01AB");
}

TEST(MacText, PieceOfOtherLengthThanTwoGetsOneLeadingZero) {
    // The rule pads by one "0" whatever the length; an out-of-range number
    // keeps all its digits rather than being cut to an octet.
    EXPECT_EQ(MacTextFromIndex("4095.0.0.0.0.0"), "0FFF0000000000");
}

TEST(MacText, MalformedIndexGivesNoMac) {
    for (const char* index : {"", "0.11.34.5.120", "0.11.34.5.120.255.1", "0.11.34.5.120.",
                              "0..34.5.120.255", "0.x.34.5.120.255", "0.-1.34.5.120.255"}) {
        EXPECT_EQ(MacTextFromIndex(index), "") << index;
    }
}

TEST(MacText, RawBytesOfAnOctetString) {
    EXPECT_EQ(MacTextFromBytes(std::string("\x00\x0b\x22\x05\x78\xff", 6)), "000B220578FF");
    EXPECT_EQ(MacTextFromBytes(std::string("\x80\x00\x00\x00\x00\x0a", 6)), "80000000000A");
    EXPECT_EQ(MacTextFromBytes(""), "");
    EXPECT_EQ(MacTextFromBytes(std::string("\x00\x0b\x22\x05\x78", 5)), "");
}

TEST(MacText, ValidMacIsTwelveHexDigitsInTwelveOrSeventeenCharacters) {
    for (const char* good : {"00:0b:22:05:78:ff", "000B220578FF", "000b220578fF",
                             "00:0B:22:05:78FF:", ":::::000B220578FF"}) {
        EXPECT_TRUE(IsValidMac(good)) << good;
    }
    for (const char* bad :
         {"00-0B-22-05-78-FF", "000B220578F", "000B220578FF0", "", "000B22 578FF", "000G220578FF",
          "00:0b:22:05:78:ff:", "000B220578F\n",
          // Colons only, or too few digits: no MAC left to send.
          "::::::::::::", "0B:22:05:78F", "0:0:0:0:0:0:0:0:0", "00:0B:22:05:78:F:",
          // 17 digits without colons are not a MAC either.
          "000B220578FF00000"}) {
        EXPECT_FALSE(IsValidMac(bad)) << bad;
    }
}

TEST(MacText, OutgoingFormDropsEveryColonAndKeepsCase) {
    EXPECT_EQ(OutgoingMac("00:0b:22:05:78:ff"), "000b220578ff");
    EXPECT_EQ(OutgoingMac("00::0B:22:05:78FF"), "000B220578FF");
    EXPECT_EQ(OutgoingMac("000B220578FF"), "000B220578FF");
}

TEST(MacText, EditedMacComparesWithoutCase) {
    EXPECT_FALSE(MacEdited("000B220578FF", "000b220578ff"));
    EXPECT_TRUE(MacEdited("000B220578FF", "000B220578FE"));
    EXPECT_TRUE(MacEdited("000B220578FF", "00:0B:22:05:78:FF"));
    EXPECT_TRUE(MacEdited("", "000B220578FF"));
}

}  // namespace
}  // namespace tessel
