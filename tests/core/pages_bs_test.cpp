#include "core/pages/bs_list_read.hpp"
#include "core/pages/bs_registration_read.hpp"

#include "recording_reader.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessel {
namespace {

using test::RecordingReader;

const std::string F = "1.3.6.1.4.1.3942.1.1.2.5.1.";
const std::string B = "1.3.6.1.4.1.3942.1.1.1.4.1.";
const std::string G = "1.3.6.1.4.1.3942.1.1.1.5.1.";
const std::vector<std::string> Names = {"lo", "eth0", "rf4.0", "rf5.0"};

void AddFrequency(RecordingReader& reader, int c, const std::string& f, const std::string& owner) {
    reader.Set(F + "2." + std::to_string(c), f);
    reader.Set(F + "1." + std::to_string(c), owner);
}

// A configured row: its OID suffix is `at`, its index value `v`.
void AddBs(RecordingReader& reader, int at, const std::string& v, const std::string& radio,
           const std::string& f, const std::string& speed, const std::string& sid) {
    reader.Set(B + "2." + std::to_string(at), v);
    reader.Set(B + "1." + v, radio);
    reader.Set(B + "3." + v, f);
    reader.Set(B + "4." + v, speed);
    reader.Set(B + "5." + v, sid);
}

TEST(BsListRead, FrequencyScanThenValueIndexedWalkWithReadsBetweenSteps) {
    RecordingReader reader;
    AddFrequency(reader, 1, "2412", "3");
    AddFrequency(reader, 2, "5180", "4");
    AddFrequency(reader, 3, "2437", "3");
    AddBs(reader, 1, "21", "1", "2412", "11000", "10");
    AddBs(reader, 2, "22", "1", "2437", "11000", "10");
    const auto list = ReadBsList(reader, 1, Names, "rf4.0");

    const std::vector<std::string> counted = {F + "2.1",  F + "1.1",  F + "2.2",  F + "1.2",
                                              F + "2.3",  F + "1.3",  F + "2.4",  B + "3.21",
                                              B + "4.21", B + "5.21", B + "1.21", B + "3.22",
                                              B + "4.22", B + "5.22", B + "1.22"};
    EXPECT_EQ(reader.Oids('C'), counted);
    EXPECT_EQ(reader.Oids('N'), (std::vector<std::string>{B + "2", B + "2.1", B + "2.2"}));
    // The walk's second GetNext comes after the first row's four reads.
    ASSERT_EQ(reader.calls.size(), 18u);
    EXPECT_EQ(reader.calls[7].kind, 'N');
    EXPECT_EQ(reader.calls[8].oid, B + "3.21");
    EXPECT_EQ(reader.calls[11].oid, B + "1.21");
    EXPECT_EQ(reader.calls[12].kind, 'N');
    EXPECT_EQ(reader.calls[12].oid, B + "2.1");

    EXPECT_EQ(list.rfFrequencies, (std::vector<std::string>{"2412", "2437"}));
    EXPECT_TRUE(list.ReadRegistrationNext());
    ASSERT_EQ(list.gridRows.size(), 1u);
    EXPECT_EQ(list.gridRows[0].sid, "A");
    EXPECT_EQ(list.gridRows[0].frequencies, "2412,2437");
}

TEST(BsListRead, UnknownRadioInterfaceListsNoFrequency) {
    RecordingReader reader;
    AddFrequency(reader, 1, "2412", "");  // a failed owner read
    AddFrequency(reader, 2, "2437", "3");
    const auto list = ReadBsList(reader, 1, Names, "rf9.0");
    EXPECT_TRUE(list.rfFrequencies.empty());
    EXPECT_EQ(reader.Oids('C').size(), 5u);
}

TEST(BsListRead, OtherRadiosRowsStillLeadToTheRegistration) {
    RecordingReader reader;
    AddBs(reader, 1, "1", "2", "5180", "54000", "255");
    const auto list = ReadBsList(reader, 1, Names, "rf4.0");
    EXPECT_TRUE(list.gridRows.empty());
    EXPECT_TRUE(list.hasRows);
    EXPECT_TRUE(list.ReadRegistrationNext());
    EXPECT_EQ(list.rows.size(), 1u);
}

TEST(BsListRead, NoRowsAtAllSkipTheRegistration) {
    RecordingReader reader;
    const auto list = ReadBsList(reader, 1, Names, "rf4.0");
    EXPECT_FALSE(list.hasRows);
    EXPECT_FALSE(list.ReadRegistrationNext());
    EXPECT_EQ(reader.Oids('N').size(), 1u);
}

TEST(BsListRead, RadioNumberThatIsNoNumberEndsTheListKeepingEarlierRows) {
    RecordingReader reader;
    AddBs(reader, 1, "1", "1", "2412", "11000", "10");
    AddBs(reader, 2, "2", "", "2437", "11000", "10");
    AddBs(reader, 3, "3", "1", "2462", "11000", "20");
    const auto list = ReadBsList(reader, 1, Names, "rf4.0");
    EXPECT_NE(list.error, "");
    EXPECT_NE(list.error.find("row 2"), std::string::npos);
    EXPECT_FALSE(list.ReadRegistrationNext());
    ASSERT_EQ(list.gridRows.size(), 1u);
    EXPECT_EQ(list.gridRows[0].frequencies, "2412");
    EXPECT_EQ(reader.Oids('N').size(), 2u);  // nothing asked after the bad row
}

TEST(BsListRead, WalkStopsAtSeventyRowsAndOnFailure) {
    RecordingReader reader;
    for (int i = 1; i <= 90; ++i) {
        AddBs(reader, i, std::to_string(i), "1", std::to_string(2400 + i), "1000", "1");
    }
    const auto list = ReadBsList(reader, 1, Names, "rf4.0");
    EXPECT_EQ(list.rows.size(), BsRowLimit);
    EXPECT_EQ(reader.Oids('N').size(), BsRowLimit);
    ASSERT_EQ(list.records.size(), 1u);
    EXPECT_EQ(list.records[0].frequencies.size(), BsFrequencyLimit);

    reader.calls.clear();
    reader.failAll = true;
    const auto failed = ReadBsList(reader, 1, Names, "rf4.0");
    EXPECT_FALSE(failed.hasRows);
    EXPECT_EQ(reader.Oids('N').size(), 1u);
}

TEST(BsListRead, FrequencyScanIsBounded) {
    RecordingReader reader;
    for (std::size_t c = 1; c <= RfFrequencyScanLimit + 10; ++c) {
        AddFrequency(reader, static_cast<int>(c), "2412", "3");
    }
    const auto list = ReadBsList(reader, 1, Names, "rf4.0");
    EXPECT_EQ(list.rfFrequencies.size(), RfFrequencyScanLimit);
}

std::vector<BsGridRow> Grid() {
    return {{"A", "11000", "2412,2437", "false", "1"}, {"14", "11000", "2462", "false", "2"}};
}

void Register(RecordingReader& reader, int q) {
    const std::string at = "." + std::to_string(q);
    reader.Set(G + "1.1", "1");
    reader.Set(G + "2" + at, "2437");
    reader.Set(G + "3" + at, "11000");
    reader.Set(G + "4" + at, "10");
    reader.Set(G + "6" + at, "12");
    reader.Set(G + "7" + at, "20");
    reader.Set(G + "9" + at, "10.0.0.1");
    reader.Set(G + "10" + at, "4");
    reader.Set(G + "11" + at, "3");
}

TEST(BsRegistrationRead, ReadsInOrderAndMarksTheMatchingRecord) {
    RecordingReader reader;
    Register(reader, 2);
    const auto grid = Grid();
    const auto registration = ReadBsRegistration(reader, 2, 2, grid);
    std::vector<std::string> expected = {G + "1.1"};
    for (const char* column : {"2", "3", "4", "6", "7", "9", "10", "11"}) {
        expected.push_back(G + column + ".2");
    }
    EXPECT_EQ(reader.Oids('C'), expected);
    EXPECT_EQ(reader.calls.size(), expected.size());

    EXPECT_TRUE(registration.available);
    EXPECT_EQ(registration.frequency, "2437");
    EXPECT_EQ(registration.sid, "A");
    EXPECT_EQ(registration.amplitudeFromBar, 12);
    EXPECT_EQ(registration.amplitudeToBar, 16);
    EXPECT_EQ(registration.amplitudeTo, "20");
    EXPECT_EQ(registration.ipAddress, "10.0.0.1");
    EXPECT_EQ(registration.transmitSpeed, "11 Mbps");
    EXPECT_EQ(registration.receiveSpeed, "5.5 Mbps");
    EXPECT_EQ(registration.marks, (std::vector<std::string>{"true", "false"}));
    EXPECT_TRUE(registration.registered);
}

TEST(BsRegistrationRead, NoMatchLeavesEveryMarkClear) {
    RecordingReader reader;
    Register(reader, 1);
    reader.Set(G + "3.1", "5500");
    const auto grid = Grid();
    const auto registration = ReadBsRegistration(reader, 1, 1, grid);
    EXPECT_EQ(registration.marks, (std::vector<std::string>{"false", "false"}));
    EXPECT_FALSE(registration.registered);
    EXPECT_EQ(registration.transmitSpeed, "18 Mbps");
}

TEST(BsRegistrationRead, EmptyPresenceShowsNotAvailable) {
    RecordingReader reader;
    Register(reader, 1);
    reader.Set(G + "1.1", "");
    const auto grid = Grid();
    const auto registration = ReadBsRegistration(reader, 1, 1, grid);
    EXPECT_EQ(reader.calls.size(), 1u);
    EXPECT_FALSE(registration.available);
    for (const auto* label :
         {&registration.frequency, &registration.bitrate, &registration.sid,
          &registration.amplitudeFrom, &registration.amplitudeTo, &registration.ipAddress,
          &registration.transmitSpeed, &registration.receiveSpeed}) {
        EXPECT_EQ(*label, "N/A");
    }
    EXPECT_EQ(registration.amplitudeFromBar, 0);
    EXPECT_EQ(registration.amplitudeToBar, 0);
    EXPECT_EQ(registration.marks, (std::vector<std::string>{"false", "false"}));
    EXPECT_FALSE(registration.registered);
}

TEST(BsRegistrationRead, FailedReadsShowZeroSidAndBareUnits) {
    RecordingReader reader;
    reader.Set(G + "1.1", "1");
    const auto grid = Grid();
    const auto registration = ReadBsRegistration(reader, 1, 1, grid);
    EXPECT_TRUE(registration.available);
    EXPECT_EQ(registration.sid, "0");
    EXPECT_EQ(registration.transmitSpeed, " Mbps");
    EXPECT_EQ(registration.amplitudeFromBar, 0);
    EXPECT_FALSE(registration.registered);
}

}  // namespace
}  // namespace tessel
