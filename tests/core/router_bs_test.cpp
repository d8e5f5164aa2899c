#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/router/bs_records.hpp"

namespace tessel {
namespace {

using Frequencies = std::vector<std::string>;

TEST(BsRecords, RowsGroupBySidAndSpeedWithoutDuplicateFrequencies) {
    const std::vector<BsRow> rows = {
        {1, "2412", "11000", "10"},
        {1, "2437", "11000", "10"},
        {1, "2412", "11000", "10"},
        {1, "2462", "11000", "20"},
    };
    const auto records = GroupBsRecords(rows, 1);
    ASSERT_EQ(records.size(), 2u);
    const auto grid = BsGridRows(records);
    EXPECT_EQ(grid[0].sid, "A");
    EXPECT_EQ(grid[0].frequencies, "2412,2437");
    EXPECT_EQ(grid[0].position, "1");
    EXPECT_EQ(grid[1].sid, "14");
    EXPECT_EQ(grid[1].frequencies, "2462");
    EXPECT_EQ(grid[1].speed, "11000");
    EXPECT_EQ(grid[1].position, "2");
    EXPECT_EQ(grid[1].registered, "false");
}

TEST(BsRecords, SpeedsSplitRecordsAndOtherRadiosAreIgnored) {
    const std::vector<BsRow> rows = {
        {1, "2412", "5500", "10"},
        {2, "5180", "11000", "10"},
        {1, "2412", "11000", "10"},
        {1, "2437", "5500", "10"},
    };
    const auto records = GroupBsRecords(rows, 1);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].speed, "5500");
    EXPECT_EQ(records[0].frequencies, (Frequencies{"2412", "2437"}));
    EXPECT_EQ(records[1].speed, "11000");
    EXPECT_EQ(records[1].frequencies, (Frequencies{"2412"}));
    EXPECT_TRUE(GroupBsRecords(rows, 3).empty());
}

TEST(BsRecords, LimitsOfRecordsAndFrequencies) {
    std::vector<BsRow> rows;
    for (int sid = 1; sid <= 25; ++sid) {
        rows.push_back({1, "2412", "1000", std::to_string(sid)});
    }
    for (int f = 0; f < 80; ++f) {
        rows.push_back({1, std::to_string(5000 + f), "1000", "1"});
    }
    const auto records = GroupBsRecords(rows, 1);
    ASSERT_EQ(records.size(), BsRecordLimit);
    EXPECT_EQ(records.back().sid, "20");
    EXPECT_EQ(records[0].frequencies.size(), BsFrequencyLimit);
    EXPECT_EQ(records[0].frequencies.back(), "5068");
}

TEST(BsRecords, ClickedRowFindsItsRecordOnlyWhileItExists) {
    const std::vector<BsRecord> records = {{"10", "11000", {"2412"}}, {"20", "1000", {"2462"}}};
    ASSERT_NE(BsRecordAt(records, "2"), nullptr);
    EXPECT_EQ(BsRecordAt(records, "2")->sid, "20");
    EXPECT_EQ(BsRecordAt(records, "1")->sid, "10");
    for (const char* stale : {"3", "0", "", "x"}) {
        EXPECT_EQ(BsRecordAt(records, stale), nullptr) << stale;
    }
}

TEST(BsRecords, RegistrationMatchesSidBitrateAndContainedFrequency) {
    const BsGridRow row{"A", "11000", "2412,2437", "false", "1"};
    EXPECT_TRUE(IsRegisteredWith(row, "A", "11000", "2437"));
    EXPECT_TRUE(IsRegisteredWith(row, "A", "11000", "2412"));
    EXPECT_FALSE(IsRegisteredWith(row, "B", "11000", "2437"));
    EXPECT_FALSE(IsRegisteredWith(row, "A", "5500", "2437"));
    EXPECT_FALSE(IsRegisteredWith(row, "A", "11000", "2462"));
    EXPECT_FALSE(IsRegisteredWith(row, "A", "", "2437"));
    EXPECT_FALSE(IsRegisteredWith(row, "A", "11000", ""));
}

TEST(BsRecords, DetectorReReadsTwiceOnEachChange) {
    RegistrationDetector detector;
    std::vector<bool> reReads;
    for (const bool registered : {true, true, true, true, false, false, false, true}) {
        reReads.push_back(detector.Update(registered));
    }
    EXPECT_EQ(reReads, (std::vector<bool>{true, true, false, false, true, true, false, true}));
}

TEST(BsRecords, InterfaceNumberIsThePositionFromOne) {
    const std::vector<std::string> names = {"lo0", "eth0", "rf4.0", "rf5.0"};
    EXPECT_EQ(InterfaceNumberText(names, "rf4.0"), "3");
    EXPECT_EQ(InterfaceNumberText(names, "lo0"), "1");
    EXPECT_EQ(InterfaceNumberText(names, "rf6.0"), "");
    EXPECT_EQ(InterfaceNumberText(names, ""), "");
}

TEST(BsRecords, FrequencyIsAddedOnce) {
    Frequencies list;
    AddBsFrequency(list, "2412");
    AddBsFrequency(list, "2437");
    AddBsFrequency(list, "2412");
    EXPECT_EQ(list, (Frequencies{"2412", "2437"}));
}

TEST(BsForm, ErrorLinesInOrder) {
    const Frequencies some = {"2412"};
    EXPECT_EQ(BsFormErrorText("rf4.0", some, "A", "11000", 2), "");
    EXPECT_EQ(BsFormErrorText("rf4.0", {}, "", "11000", 2),
              "List of frequencies is empty\r\nSID field is empty\r\n");
    EXPECT_EQ(BsFormErrorText("rf4.0", {}, "", "6000", 2),
              "List of frequencies is empty\r\nSID field is empty\r\nSpeed value is not correct");
    EXPECT_EQ(BsFormErrorText("rf4.0", some, "A", "5500", 1), "Speed value is not correct");
    EXPECT_EQ(BsFormErrorText("rf4.0", some, "A", "54000", 1), "");
    EXPECT_EQ(BsFormErrorText("rf4.0", some, "A\r\nco save", "5500", 2),
              "SID field is not correct\r\n");
}

TEST(BsForm, AddLineJoinsTheFormFrequencies) {
    const auto add = BsAddCommand("rf4.0", "1A2B", "11000", Frequencies{"2412", "2437"});
    ASSERT_TRUE(add.has_value());
    EXPECT_EQ(add->line, "rma bs rf4.0 1A2B/11000 2412,2437");
    EXPECT_EQ(add->replyState, ReplyCode{80});
}

// "rma bs  1A2B/11000 ..." would name no radio: every record line refuses,
// and the form says why after its own faults.
TEST(BsForm, NoLineWithoutARadio) {
    const Frequencies some = {"2412"};
    EXPECT_EQ(BsFormErrorText("", some, "A", "11000", 2), std::string(kNoRadioInterface));
    EXPECT_EQ(BsFormErrorText("", some, "A", "6000", 2),
              "Speed value is not correct\r\n" + std::string(kNoRadioInterface));
    EXPECT_EQ(BsFormErrorText("", {}, "A", "11000", 2),
              "List of frequencies is empty\r\n" + std::string(kNoRadioInterface));
    EXPECT_FALSE(BsAddCommand("", "1A2B", "11000", some).has_value());
    const std::vector<BsGridRow> grid = {{"1A2B", "11000", "2412,2437", "false", "1"}};
    EXPECT_TRUE(BsReplaceCommands(grid, "", "1A2B", "11000").empty());
    EXPECT_FALSE(BsDeleteCommand("", grid[0]).has_value());
}

TEST(BsForm, ReplacementDeletesEveryMatchingRecordFirst) {
    const std::vector<BsGridRow> grid = {
        {"1A2B", "11000", "2412,2437", "false", "1"},
        {"1A2B", "5500", "2462", "false", "2"},
        {"FF", "11000", "2412", "false", "3"},
    };
    const auto deletes = BsReplaceCommands(grid, "rf5.0", "1a2b", "11000");
    ASSERT_EQ(deletes.size(), 1u);
    EXPECT_EQ(deletes[0].line, "rma bs rf5.0 1a2b/11000 2412,2437 -del");
    EXPECT_EQ(deletes[0].replyState, ReplyCode{75});
    EXPECT_TRUE(BsReplaceCommands(grid, "rf5.0", "1A2B", "1000").empty());
    EXPECT_TRUE(BsReplaceCommands({}, "rf5.0", "1A2B", "11000").empty());
}

TEST(BsForm, DeleteNamesTheChosenRadio) {
    const BsGridRow row{"A", "11000", "2412,2437", "true", "1"};
    const auto line = BsDeleteCommand("rf5.0", row);
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->line, "rma bs rf5.0 A/11000 2412,2437 -del");
    EXPECT_EQ(line->replyState, ReplyCode{80});
    EXPECT_FALSE(BsDeleteCommand("rf5.0", BsGridRow{}).has_value());
}

}  // namespace
}  // namespace tessel
