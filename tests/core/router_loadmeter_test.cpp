#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/router/load_meter.hpp"

namespace tessel {
namespace {

TEST(LoadMeter, CommandLineWithItsDoubleSpaces) {
    EXPECT_EQ(LoadMeterCommand(false, "1", "eth0"), "loadm  -w 1 eth0");
    EXPECT_EQ(LoadMeterCommand(true, "1", "eth0"), "loadm  -B  -w 1 eth0");
    EXPECT_EQ(LoadMeterCommand(false, "15", "rf4.0"), "loadm  -w 15 rf4.0");
}

TEST(LoadMeter, NoInterfaceNoCommand) {
    EXPECT_FALSE(LoadMeterCommand(false, "1", "").has_value());
    EXPECT_FALSE(LoadMeterCommand(true, "1", "").has_value());
}

TEST(LoadMeter, RedrawChunksAddNoRow) {
    EXPECT_TRUE(IsLoadMeterRowChunk("  eth0  12  10  30  5  1  1  2  3  13  8\r\n"));
    EXPECT_FALSE(IsLoadMeterRowChunk("\x1b[K  eth0  12  10\r\n"));
    EXPECT_FALSE(IsLoadMeterRowChunk("abc[K"));
    EXPECT_TRUE(IsLoadMeterRowChunk("[ K"));
}

TEST(LoadMeter, FirstTokenIsDroppedAndTheRestFillTheColumns) {
    const std::vector<std::string> tokens = {"eth0", "i1", "i2", "i3", "i4", "o1",
                                             "o2",   "o3", "o4", "t1", "t2", "extra"};
    const auto cells = LoadMeterCells(tokens);
    EXPECT_EQ(cells[0], "");
    EXPECT_EQ(cells[1], "i1");
    EXPECT_EQ(cells[4], "i4");
    EXPECT_EQ(cells[5], "o1");
    EXPECT_EQ(cells[9], "t1");
    EXPECT_EQ(cells[10], "t2");
}

TEST(LoadMeter, FewTokensLeaveTheRestEmpty) {
    const auto cells = LoadMeterCells({"eth0", "12", "10"});
    EXPECT_EQ(cells[1], "12");
    EXPECT_EQ(cells[2], "10");
    for (std::size_t column = 3; column < cells.size(); ++column) {
        EXPECT_EQ(cells[column], "") << column;
    }
    const auto none = LoadMeterCells({});
    for (const auto& cell : none) {
        EXPECT_EQ(cell, "");
    }
}

TEST(LoadMeter, ReportChunkBecomesARow) {
    const auto row = LoadMeterRowOf("  eth0  12  10  30  5  1  1  2  3  13  8\r\n");
    ASSERT_TRUE(row.has_value());
    EXPECT_EQ((*row)[1], "12");
    EXPECT_EQ((*row)[4], "5");
    EXPECT_EQ((*row)[10], "8");
    // Two report lines in one chunk fill one row across the line end.
    const auto two = LoadMeterRowOf("  eth0  1  2  3\r\n  eth0  4  5\r\n");
    ASSERT_TRUE(two.has_value());
    EXPECT_EQ((*two)[3], "3");
    EXPECT_EQ((*two)[4], "eth0");
    EXPECT_EQ((*two)[6], "5");
    EXPECT_EQ((*two)[7], "");
    EXPECT_FALSE(LoadMeterRowOf("\x1b[K  eth0  12\r\n").has_value());
}

TEST(LoadMeter, GridColumnsAndGroups) {
    const auto columns = LoadMeterGridColumns();
    ASSERT_EQ(columns.size(), 11u);
    EXPECT_EQ(columns[0].header, "№");
    EXPECT_EQ(columns[0].kind, ReportColumnKind::RowNumber);
    const char* headers[] = {"cur", "avg", "max",   "pckts", "cur",
                             "avg", "max", "pckts", "sum",   "pckts"};
    const char* groups[] = {"INPUT",  "INPUT",  "INPUT",  "INPUT", "OUTPUT",
                            "OUTPUT", "OUTPUT", "OUTPUT", "TOTAL", "TOTAL"};
    for (std::size_t c = 1; c < columns.size(); ++c) {
        EXPECT_EQ(columns[c].header, headers[c - 1]) << c;
        EXPECT_EQ(columns[c].group, groups[c - 1]) << c;
        EXPECT_EQ(columns[c].width, 47) << c;
    }
}

}  // namespace
}  // namespace tessel
