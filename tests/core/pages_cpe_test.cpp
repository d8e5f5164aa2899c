#include "core/pages/cpe_table_read.hpp"

#include "recording_reader.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessel {
namespace {

using test::RecordingReader;

const std::string C = "1.3.6.1.4.1.3942.1.1.1.3.1.";

// One CPE of radio r, index s, with the cells the page reads.
void AddCpe(RecordingReader& reader, int r, const std::string& s, const std::string& name,
            const std::string& level, const std::string& rate, const std::string& registered) {
    const std::string at = "." + std::to_string(r) + "." + s;
    reader.Set(C + "1" + at, s);
    reader.Set(C + "2" + at, name);
    reader.Set(C + "4" + at, "10.0.0." + s.substr(s.rfind('.') + 1));
    reader.Set(C + "6" + at, level);
    reader.Set(C + "7" + at, level);
    reader.Set(C + "8" + at, registered);
    reader.Set(C + "9.1" + at, "512");
    reader.Set(C + "11" + at, rate);
    reader.Set(C + "12" + at, rate);
    reader.Set(C + "13" + at, "3");
    reader.Set(C + "14" + at, "1");
}

std::vector<std::string> Calls(const RecordingReader& reader) {
    std::vector<std::string> calls;
    for (const auto& call : reader.calls) {
        calls.push_back(std::string(1, call.kind) + " " + call.oid);
    }
    return calls;
}

TEST(CpeTableRead, WalkThenTenCountedReadsPerRowInOrder) {
    RecordingReader reader;
    AddCpe(reader, 1, "0.11.34.5.120.255", "a", "9", "8", "1");
    AddCpe(reader, 1, "0.11.34.5.120.7", "b", "", "", "0");
    const auto table = ReadCpeTable(reader, 1, 1);

    const std::string s1 = ".1.0.11.34.5.120.7";
    const std::string s2 = ".1.0.11.34.5.120.255";
    std::vector<std::string> expected = {"N " + C + "1.1", "N " + C + "1" + s1,
                                         "N " + C + "1" + s2};
    for (const auto& s : {s1, s2}) {
        for (const char* column : {"2", "4", "6", "7", "13", "9.1", "11", "12", "8", "14"}) {
            expected.push_back("C " + C + column + s);
        }
    }
    EXPECT_EQ(Calls(reader), expected);

    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_FALSE(table.pwrctlEnabled);
    const auto& b = table.rows[0];
    EXPECT_EQ(b.mac, "000B22057807");
    EXPECT_EQ(b.name, "b");
    EXPECT_EQ(b.ipAddress, "10.0.0.7");
    EXPECT_EQ(b.levelFrom, "");
    EXPECT_EQ(b.levelFromBar, "");
    EXPECT_EQ(b.transmit, "");
    EXPECT_EQ(b.registered, "false");
    EXPECT_EQ(b.enabled, "true");
    const auto& a = table.rows[1];
    EXPECT_EQ(a.mac, "000B220578FF");
    EXPECT_EQ(a.levelFrom, "9");
    EXPECT_EQ(a.levelFromBar, "9");
    EXPECT_EQ(a.levelToBar, "9");
    EXPECT_EQ(a.transmit, "54");
    EXPECT_EQ(a.receive, "54");
    EXPECT_EQ(a.distance, "3");
    EXPECT_EQ(a.limit, "512");
    EXPECT_EQ(a.registered, "true");
}

TEST(CpeTableRead, RatesFollowTheBandAndSwitchesNeedExactlyOne) {
    RecordingReader reader;
    AddCpe(reader, 2, "0.0.0.0.0.1", "x", "4", "3", "2");
    auto table = ReadCpeTable(reader, 2, 2);
    ASSERT_EQ(table.rows.size(), 1u);
    EXPECT_EQ(table.rows[0].transmit, "5.5");
    EXPECT_EQ(table.rows[0].registered, "false");
    EXPECT_EQ(table.rows[0].mac, "000000000001");

    reader.Set(C + "8.2.0.0.0.0.0.1", "");
    reader.Set(C + "11.2.0.0.0.0.0.1", "9");
    table = ReadCpeTable(reader, 2, 1);
    EXPECT_EQ(table.rows[0].registered, "false");
    EXPECT_EQ(table.rows[0].transmit, "");
    EXPECT_EQ(table.rows[0].receive, "12");
}

TEST(CpeTableRead, EmptyTableEnablesPwrctlAfterOneGetNext) {
    RecordingReader reader;
    AddCpe(reader, 2, "0.0.0.0.0.1", "other radio", "4", "3", "1");
    const auto table = ReadCpeTable(reader, 1, 1);
    EXPECT_TRUE(table.rows.empty());
    EXPECT_TRUE(table.pwrctlEnabled);
    EXPECT_EQ(Calls(reader), (std::vector<std::string>{"N " + C + "1.1"}));
}

TEST(CpeTableRead, WalkStaysInsideTheRadiosColumn) {
    // Radio 1's column must not take radio 10's rows, whose OIDs begin with
    // the same text.
    RecordingReader reader;
    AddCpe(reader, 1, "0.0.0.0.0.1", "one", "1", "1", "1");
    AddCpe(reader, 10, "0.0.0.0.0.2", "ten", "1", "1", "1");
    const auto table = ReadCpeTable(reader, 1, 1);
    ASSERT_EQ(table.rows.size(), 1u);
    EXPECT_EQ(table.rows[0].name, "one");
}

TEST(CpeTableRead, FailedWalkReadsNothing) {
    RecordingReader reader;
    AddCpe(reader, 1, "0.0.0.0.0.1", "one", "1", "1", "1");
    reader.failAll = true;
    const auto table = ReadCpeTable(reader, 1, 1);
    EXPECT_TRUE(table.rows.empty());
    EXPECT_TRUE(table.pwrctlEnabled);
    EXPECT_EQ(reader.calls.size(), 1u);
}

TEST(CpeTableRead, AtMostTwoHundredRows) {
    RecordingReader reader;
    for (int i = 0; i < 230; ++i) {
        reader.Set(C + "1.1.0.0.0.0." + std::to_string(i / 256) + "." + std::to_string(i % 256),
                   "x");
    }
    const auto table = ReadCpeTable(reader, 1, 1);
    ASSERT_EQ(table.rows.size(), CpeRowLimit);
    EXPECT_EQ(reader.Oids('N').size(), CpeRowLimit);
    EXPECT_EQ(reader.Oids('C').size(), CpeRowLimit * 10);
    EXPECT_EQ(table.rows.back().mac, "0000000000C7");
}

}  // namespace
}  // namespace tessel
