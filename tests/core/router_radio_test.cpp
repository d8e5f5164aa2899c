#include "core/router/radio_commands.hpp"
#include "core/router/radio_rules.hpp"

#include <gtest/gtest.h>

#include <string>

namespace tessel {
namespace {

TEST(RadioRules, RadioNamesHoldLowerCaseRf) {
    for (const char* name : {"rf5.0", "prf0", "rf", "surf1"}) {
        EXPECT_TRUE(IsRadioInterfaceName(name)) << name;
    }
    for (const char* name : {"RF1", "Rf0", "eth0", "r f", ""}) {
        EXPECT_FALSE(IsRadioInterfaceName(name)) << name;
    }
}

TEST(RadioRules, BandFromTheCurrentFrequency) {
    EXPECT_EQ(BandOfFirstRadio("2412"), 2);
    EXPECT_EQ(BandOfFirstRadio("5180"), 1);
    EXPECT_EQ(BandOfFirstRadio(""), 1);
    EXPECT_EQ(BandOfFirstRadio(" 2412"), 1);
    EXPECT_EQ(BandOfSecondRadio(""), 0);
    EXPECT_EQ(BandOfSecondRadio("2437"), 2);
    EXPECT_EQ(BandOfSecondRadio("5745"), 1);

    const RadioBands bands{1, 2};
    EXPECT_EQ(BandAt(bands, 0), 1);
    EXPECT_EQ(BandAt(bands, 1), 2);
    EXPECT_EQ(BandAt(bands, -1), std::nullopt);
    EXPECT_EQ(BandAt(bands, 2), std::nullopt);
}

TEST(RadioRules, BitrateMatchesEqualTextOrThousandfold) {
    struct Case {
        const char* choice;
        const char* current;
        bool matches;
    };
    const Case cases[] = {
        {"54000", "54", true},
        {"54000", "54000", true},
        {"11", "11", true},
        {"0", "0", true},
        {"6000", "  6", true},
        {"48000", "54", false},
        {"54", "54000", false},
        {"54000", "054000", false},
        {"5500", "5.5", false},
        // An empty (failed) or non-numeric current value matches no choice.
        {"0", "", false},
        {"0", "abc", false},
        {"6000", "  6 ", false},
        {"0", "9223372036854775807", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BitrateMatches(c.choice, c.current), c.matches)
            << c.choice << " vs " << c.current;
    }
}

TEST(RadioRules, SidIsUnsignedUpperCaseHexadecimal) {
    EXPECT_EQ(SidText("305419896"), "12345678");
    EXPECT_EQ(SidText("255"), "FF");
    EXPECT_EQ(SidText("0"), "0");
    EXPECT_EQ(SidText(""), "0");
    EXPECT_EQ(SidText("not a number"), "0");
    EXPECT_EQ(SidText("-1"), "FFFFFFFF");
    EXPECT_EQ(SidText("4294967295"), "FFFFFFFF");
    EXPECT_EQ(SidText("4294967296"), "0");
    EXPECT_EQ(SidText("2882400001"), "ABCDEF01");
}

TEST(RadioCommands, ValueLines) {
    struct Case {
        RadioValue field;
        const char* value;
        const char* line;
    };
    const Case cases[] = {
        {RadioValue::Frequency, "5180", "rf rf5.0 freq 5180"},
        {RadioValue::Frequency, "", "rf rf5.0 freq "},
        {RadioValue::Bitrate, "54000", "rf rf5.0 bitr 54000"},
        {RadioValue::PowerLevel, "17", "rf rf5.0 pwr 17"},
        {RadioValue::Sid, "12345678", "rf rf5.0 sid 12345678"},
        {RadioValue::Distance, "12", "rf rf5.0 distance 12"},
        {RadioValue::MaxRetries, "4", "rf rf5.0 txrt 4"},
        {RadioValue::Sid, " ab ", "rf rf5.0 sid  ab "},
    };
    for (const auto& c : cases) {
        const auto command = RadioValueCommand("rf5.0", c.field, c.value);
        ASSERT_TRUE(command.has_value());
        EXPECT_EQ(command->line, c.line);
        EXPECT_EQ(command->replyState, ReplyCode{30});
    }
}

TEST(RadioCommands, SwitchLines) {
    struct Case {
        RadioSwitch field;
        const char* on;
        const char* off;
    };
    const Case cases[] = {
        {RadioSwitch::Pwrctl, "rf rf5.1 pwrctl", "rf rf5.1 -pwrctl"},
        {RadioSwitch::Long, "rf rf5.1 long", "rf rf5.1 -long"},
        {RadioSwitch::Burst, "rf rf5.1 burst", "rf rf5.1 -burst"},
        {RadioSwitch::Wocd, "rf rf5.1 wocd", "rf rf5.1 -wocd"},
    };
    for (const auto& c : cases) {
        const auto on = RadioSwitchCommand("rf5.1", c.field, true);
        const auto off = RadioSwitchCommand("rf5.1", c.field, false);
        ASSERT_TRUE(on.has_value() && off.has_value());
        EXPECT_EQ(on->line, c.on);
        EXPECT_EQ(off->line, c.off);
        EXPECT_EQ(on->replyState, ReplyCode{30});
        EXPECT_EQ(off->replyState, ReplyCode{30});
    }
}

// A router without radios leaves the selector empty: "rf  distance 12" would
// be another command, so nothing is built (the page says why).
TEST(RadioCommands, NothingWithoutARadioName) {
    EXPECT_FALSE(RadioValueCommand("", RadioValue::Distance, "12"));
    EXPECT_FALSE(RadioValueCommand("", RadioValue::Frequency, "5180"));
    EXPECT_FALSE(RadioSwitchCommand("", RadioSwitch::Burst, true));
    EXPECT_FALSE(RadioSwitchCommand("", RadioSwitch::Wocd, false));
}

}  // namespace
}  // namespace tessel
