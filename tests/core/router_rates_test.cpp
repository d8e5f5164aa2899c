#include <gtest/gtest.h>

#include "core/router/rate_texts.hpp"

namespace tessel {
namespace {

TEST(RateTexts, CodesByBand) {
    EXPECT_EQ(RateCodeText(1, "8"), "54");
    EXPECT_EQ(RateCodeText(1, "1"), "6");
    EXPECT_EQ(RateCodeText(1, "3"), "12");
    EXPECT_EQ(RateCodeText(2, "3"), "5.5");
    EXPECT_EQ(RateCodeText(2, "4"), "11");
    EXPECT_EQ(RateCodeText(0, "1"), "1");  // no second radio: the other table
}

TEST(RateTexts, CodeZeroBeyondTheTableOrNotANumberIsEmpty) {
    for (const int band : {1, 2}) {
        for (const char* code : {"0", "", "x", "-1", "3 ", "3.0", "99999999999999999999999"}) {
            EXPECT_EQ(RateCodeText(band, code), "") << band << " '" << code << "'";
        }
    }
    EXPECT_EQ(RateCodeText(1, "9"), "");
    EXPECT_EQ(RateCodeText(2, "5"), "");  // beyond the four codes of the other band
    EXPECT_EQ(RateCodeText(2, "8"), "");
}

TEST(RateTexts, LabelsCarryTheUnitEvenWhenEmpty) {
    EXPECT_EQ(RateLabelText(1, "7"), "48 Mbps");
    EXPECT_EQ(RateLabelText(2, ""), " Mbps");
}

TEST(RateTexts, SpeedCheckByBand) {
    for (const char* speed :
         {"6000", "9000", "12000", "18000", "24000", "36000", "48000", "54000"}) {
        EXPECT_TRUE(IsValidBsSpeed(1, speed)) << speed;
        EXPECT_FALSE(IsValidBsSpeed(2, speed)) << speed;
    }
    for (const char* speed : {"1000", "2000", "5500", "11000"}) {
        EXPECT_TRUE(IsValidBsSpeed(2, speed)) << speed;
        EXPECT_TRUE(IsValidBsSpeed(0, speed)) << speed;
        EXPECT_FALSE(IsValidBsSpeed(1, speed)) << speed;
    }
    for (const char* speed : {"", "000", "54", "540000", "5.5000", "11000 ", "01000"}) {
        EXPECT_FALSE(IsValidBsSpeed(1, speed)) << speed;
        EXPECT_FALSE(IsValidBsSpeed(2, speed)) << speed;
    }
}

TEST(RateTexts, LevelBarIsHiddenWhenEmptyAndPinnedToItsRange) {
    EXPECT_FALSE(LevelBarValue("").has_value());
    EXPECT_EQ(LevelBarValue("0"), 0);
    EXPECT_EQ(LevelBarValue("9"), 9);
    EXPECT_EQ(LevelBarValue("16"), 16);
    EXPECT_EQ(LevelBarValue("17"), 16);
    EXPECT_EQ(LevelBarValue("-3"), 0);
    EXPECT_EQ(LevelBarValue("n/a"), 0);
}

}  // namespace
}  // namespace tessel
