#include "core/pages/system_read.hpp"

#include "recording_reader.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace tessel {
namespace {

using test::RecordingReader;
using ::testing::ElementsAre;

const std::string kSys = "1.3.6.1.4.1.3942.1.1.3.";
const std::string kRma = "1.3.6.1.4.1.3942.1.1.1.";

TEST(SystemSettingsRead, ReadOrderAndValues) {
    RecordingReader r;
    r.Set("1.3.6.1.2.1.1.5.0", "core-1");
    r.Set("1.3.6.1.2.1.1.6.0", "Roof");
    r.Set(kSys + "2.0", "1");
    r.Set(kSys + "3.0", "-5");
    r.Set(kSys + "4.0", "2");
    r.Set(kSys + "5.0", "1");
    const auto s = ReadSystemSettings(r, "10.0.0.1");
    EXPECT_THAT(r.Oids('C'),
                ElementsAre("1.3.6.1.2.1.1.5.0", "1.3.6.1.2.1.1.6.0", kSys + "3.0", kSys + "2.0",
                            kSys + "4.0", kSys + "5.0", "1.3.6.1.2.1.1.5.0"));
    EXPECT_EQ(r.calls.size(), 7u);
    EXPECT_EQ(s.name, "core-1");
    EXPECT_EQ(s.location, "Roof");
    EXPECT_EQ(s.icmpLimit, "-5");
    EXPECT_TRUE(s.fastroute);
    EXPECT_FALSE(s.sendRedirects);  // "2" is not on
    EXPECT_TRUE(s.dropRedirects);
    EXPECT_EQ(s.caption, "core-1: 10.0.0.1 - Tessel Manager");
}

TEST(SystemSettingsRead, OnlyExactlyOneSwitchesOn) {
    for (const char* value : {"0", "2", "", " 1", "1 ", "01", "true"}) {
        RecordingReader r;
        for (const char* column : {"2.0", "4.0", "5.0"}) {
            r.Set(kSys + column, value);
        }
        const auto s = ReadSystemSettings(r, "h");
        EXPECT_FALSE(s.fastroute || s.sendRedirects || s.dropRedirects) << '"' << value << '"';
    }
}

TEST(SystemSettingsRead, FailedReadsGiveEmptyFieldsAndABareCaption) {
    RecordingReader r;
    r.Set("1.3.6.1.2.1.1.5.0", "core-1");
    r.Set(kSys + "2.0", "1");
    r.failAll = true;
    const auto s = ReadSystemSettings(r, "192.168.1.1");
    EXPECT_EQ(s.name, "");
    EXPECT_FALSE(s.fastroute);
    EXPECT_EQ(s.caption, ": 192.168.1.1 - Tessel Manager");
}

TEST(RmaSettingsRead, SecondRadioReadsItsOwnRow) {
    RecordingReader r;
    r.Set(kRma + "6.0", "1");
    r.Set(kRma + "1.1.6.1", "0");
    r.Set(kRma + "1.1.6.2", "1");
    r.Set(kRma + "2.1.1.1", "1");
    r.Set(kRma + "2.1.1.2", "2");
    const auto second = ReadRmaSettings(r, 1);
    EXPECT_THAT(r.Oids('C'),
                ElementsAre(kRma + "6.0", kRma + "1.1.6.2", kRma + "2.1.1.1", kRma + "2.1.1.2"));
    EXPECT_EQ(second.radioNumber, "2");
    EXPECT_TRUE(second.started);
    EXPECT_TRUE(second.autobitrate);
    EXPECT_TRUE(second.polling);

    r.Set(kRma + "2.1.1.2", "0");
    const auto first = ReadRmaSettings(r, 0);
    EXPECT_FALSE(first.autobitrate);
    EXPECT_TRUE(first.polling);  // the first polling entry names radio 1

    r.Set(kRma + "2.1.1.1", "3");
    EXPECT_FALSE(ReadRmaSettings(r, 0).polling);
}

TEST(RmaSettingsRead, NoSelectionIsRadioZero) {
    RecordingReader r;
    r.Set(kRma + "2.1.1.1", "0");
    const auto s = ReadRmaSettings(r, -1);
    EXPECT_EQ(s.radioNumber, "0");
    EXPECT_EQ(r.Oids('C').at(1), kRma + "1.1.6.0");
    // An entry of "0" must not make a missing radio look as if it polled.
    EXPECT_FALSE(s.polling);
    EXPECT_EQ(r.calls.size(), 4u);
}

}  // namespace
}  // namespace tessel
