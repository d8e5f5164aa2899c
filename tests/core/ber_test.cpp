#include "core/snmp/ber.hpp"

#include <gtest/gtest.h>

#include <string>

namespace tessel::ber {
namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (const int v : values) {
        out.push_back(static_cast<char>(v));
    }
    return out;
}

TEST(BerWriting, IntegersUseTheFewestTwosComplementBytes) {
    EXPECT_EQ(IntegerContent(0), Bytes({0x00}));
    EXPECT_EQ(IntegerContent(127), Bytes({0x7F}));
    EXPECT_EQ(IntegerContent(128), Bytes({0x00, 0x80}));
    EXPECT_EQ(IntegerContent(256), Bytes({0x01, 0x00}));
    EXPECT_EQ(IntegerContent(-1), Bytes({0xFF}));
    EXPECT_EQ(IntegerContent(-128), Bytes({0x80}));
    EXPECT_EQ(IntegerContent(-129), Bytes({0xFF, 0x7F}));
    EXPECT_EQ(IntegerContent(-200), Bytes({0xFF, 0x38}));
    EXPECT_EQ(UnsignedContent(0xFFFFFFFFu), Bytes({0x00, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(UnsignedContent(0x80000000u), Bytes({0x00, 0x80, 0x00, 0x00, 0x00}));
}

TEST(BerWriting, LengthsUseTheDefiniteFormInFewestBytes) {
    auto length = [](std::size_t n) {
        std::string out;
        AppendLength(out, n);
        return out;
    };
    EXPECT_EQ(length(0), Bytes({0x00}));
    EXPECT_EQ(length(127), Bytes({0x7F}));
    EXPECT_EQ(length(128), Bytes({0x81, 0x80}));
    EXPECT_EQ(length(255), Bytes({0x81, 0xFF}));
    EXPECT_EQ(length(256), Bytes({0x82, 0x01, 0x00}));
    EXPECT_EQ(length(70000), Bytes({0x83, 0x01, 0x11, 0x70}));
}

TEST(BerOid, TextToContentFollowsTheArcRules) {
    EXPECT_EQ(OidContent("1.3.6.1.4.1.3942"), Bytes({0x2B, 0x06, 0x01, 0x04, 0x01, 0x9E, 0x66}));
    EXPECT_EQ(OidContent("1.3.6.1.2.1.1.5.0"),
              Bytes({0x2B, 0x06, 0x01, 0x02, 0x01, 0x01, 0x05, 0x00}));
    // Trailing dot adds nothing; pieces that are not numbers count as 0.
    EXPECT_EQ(OidContent("1.3.6."), OidContent("1.3.6"));
    EXPECT_EQ(OidContent("1.3.x.7"), OidContent("1.3.0.7"));
    EXPECT_EQ(OidContent("1.3..7"), OidContent("1.3.0.7"));
    EXPECT_EQ(OidContent("1.3.-5"), OidContent("1.3.0"));
    EXPECT_EQ(OidContent("1.3.99999999999"), OidContent("1.3.0"));
    EXPECT_EQ(OidContent("1.3.4294967295"), Bytes({0x2B, 0x8F, 0xFF, 0xFF, 0xFF, 0x7F}));
    EXPECT_EQ(OidContent(""), "");
}

TEST(BerOid, ContentToTextRoundTrips) {
    for (const char* text : {"1.3.6.1.4.1.3942.1.1.3.6.0", "1.3.6.1.2.1.4.21.1.1.10.0.0.1", "0.0",
                             "2.39.128.16383.16384"}) {
        EXPECT_EQ(OidText(OidContent(text)), text);
    }
    EXPECT_EQ(OidText(Bytes({0x2B, 0x06, 0x01, 0x04, 0x01, 0x9E, 0x66})), "1.3.6.1.4.1.3942");
    EXPECT_EQ(OidText(""), "");
}

TEST(BerValues, SignedAndUnsignedReadingsKeep32Bits) {
    EXPECT_EQ(SignedValue(Bytes({0xFF})), -1);
    EXPECT_EQ(SignedValue(Bytes({0x00, 0x80})), 128);
    EXPECT_EQ(SignedValue(Bytes({0xFF, 0xFF, 0xFF, 0x38})), -200);
    EXPECT_EQ(SignedValue(""), 0);
    EXPECT_EQ(UnsignedValue(Bytes({0x00, 0xFF, 0xFF, 0xFF, 0xFF})), 4294967295u);
    EXPECT_EQ(UnsignedValue(Bytes({0x80, 0x00, 0x00, 0x00})), 2147483648u);
}

TEST(BerCursor, ElementsAreBoundedByTheirParent) {
    // SEQUENCE { INTEGER 5, OCTET STRING "ab" } followed by one stray byte.
    const std::string data = Bytes({0x30, 0x07, 0x02, 0x01, 0x05, 0x04, 0x02, 'a', 'b', 0x99});
    Cursor top(data);
    std::uint8_t tag = 0;
    Cursor seq;
    ASSERT_TRUE(top.GetElement(tag, seq));
    EXPECT_EQ(tag, TagSequence);
    EXPECT_EQ(top.Remaining(), 1u);
    Cursor item;
    ASSERT_TRUE(seq.GetElement(tag, item));
    EXPECT_EQ(SignedValue(item.Rest()), 5);
    ASSERT_TRUE(seq.GetElement(tag, item));
    EXPECT_EQ(item.Rest(), "ab");
    EXPECT_TRUE(seq.AtEnd());
    EXPECT_FALSE(seq.GetElement(tag, item));
}

TEST(BerCursor, RejectsBadLengthsAndEveryTruncation) {
    std::size_t length = 0;
    const std::string indefiniteBytes = Bytes({0x80});
    Cursor indefinite(indefiniteBytes);
    EXPECT_FALSE(indefinite.GetLength(length));
    const std::string fiveLengthBytes = Bytes({0x85, 1, 2, 3, 4, 5});
    Cursor fiveBytes(fiveLengthBytes);
    EXPECT_FALSE(fiveBytes.GetLength(length));
    const std::string fourLengthBytes = Bytes({0x84, 0x00, 0x01, 0x00, 0x00});
    Cursor fourBytes(fourLengthBytes);
    ASSERT_TRUE(fourBytes.GetLength(length));
    EXPECT_EQ(length, 65536u);

    // Every proper prefix of a valid element fails, read from a buffer of
    // exactly that size.
    const std::string full = Bytes({0x04, 0x81, 0x80}) + std::string(128, 'x');
    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        const std::string prefix = full.substr(0, cut);
        Cursor c(prefix);
        std::uint8_t tag = 0;
        Cursor content;
        EXPECT_FALSE(c.GetElement(tag, content)) << cut;
    }
    Cursor whole(full);
    std::uint8_t tag = 0;
    Cursor content;
    EXPECT_TRUE(whole.GetElement(tag, content));
    EXPECT_EQ(content.Remaining(), 128u);
}

}  // namespace
}  // namespace tessel::ber
