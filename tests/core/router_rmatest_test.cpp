#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/router/rma_test.hpp"

namespace tessel {
namespace {

TEST(RmaTest, CommandLineWithAndWithoutMulticast) {
    EXPECT_EQ(RmaTestCommand("rf4.0", "000B220578FF", "256", false),
              "rma rf4.0 test 000B220578FF 256");
    EXPECT_EQ(RmaTestCommand("rf4.0", "000B220578FF", "256", true),
              "rma rf4.0 test 000B220578FF 256 mcast ");
    EXPECT_EQ(RmaTestCommand("rf5.0", "", "1500", false), "rma rf5.0 test  1500");
    EXPECT_FALSE(RmaTestCommand("", "000B220578FF", "256", false).has_value());
}

TEST(RmaTest, ChunkFilter) {
    const std::string result = " 10  12  9  0%  0%  (100)  3ms  0\r\n";
    EXPECT_TRUE(IsRmaTestRowChunk(result));
    EXPECT_FALSE(IsRmaTestRowChunk("rma rf4.0 test 000B220578FF 256\r\n"));
    EXPECT_FALSE(IsRmaTestRowChunk(" replies  lev  lev  (in)  (out)  0%\r\n"));
    EXPECT_FALSE(IsRmaTestRowChunk(" 10  12  9  0%  0%  100)  3ms  0\r\n"));  // no "("
    EXPECT_FALSE(IsRmaTestRowChunk(" 10  12  9  0%  0%  (100  3ms  0\r\n"));  // no ")"
    EXPECT_FALSE(IsRmaTestRowChunk(" 10  12  9  0  0  (100)  3ms  0\r\n"));   // no "%"
    EXPECT_FALSE(IsRmaTestRowChunk("10%(100)"));                              // no space
    EXPECT_FALSE(IsRmaTestRowChunk(""));
    EXPECT_FALSE(IsRmaTestRowChunk("router> "));
}

TEST(RmaTest, LevelsGoIntoTheirNumberAndBarColumns) {
    const auto cells = RmaTestCells({"10", "12", "9", "1%", "2%", "(98)", "3ms", "0", "extra"});
    const std::array<std::string, 11> expected = {"",   "10", "12",   "12",  "9", "9",
                                                  "1%", "2%", "(98)", "3ms", "0"};
    EXPECT_EQ(cells, expected);
}

TEST(RmaTest, FewTokensLeaveTheRestEmpty) {
    const auto two = RmaTestCells({"10", "12"});
    EXPECT_EQ(two[1], "10");
    EXPECT_EQ(two[2], "12");
    EXPECT_EQ(two[3], "12");
    for (std::size_t column = 4; column < two.size(); ++column) {
        EXPECT_EQ(two[column], "") << column;
    }
    const auto three = RmaTestCells({"10", "12", "9"});
    EXPECT_EQ(three[4], "9");
    EXPECT_EQ(three[5], "9");
    EXPECT_EQ(three[6], "");
}

TEST(RmaTest, ResultChunkBecomesARow) {
    const auto row = RmaTestRowOf("  10  12  9  1%  2%  (98)  3ms  0  99\r\n");
    ASSERT_TRUE(row.has_value());
    EXPECT_EQ((*row)[1], "10");
    EXPECT_EQ((*row)[3], "12");
    EXPECT_EQ((*row)[5], "9");
    EXPECT_EQ((*row)[8], "(98)");
    EXPECT_EQ((*row)[10], "0");
    EXPECT_FALSE(RmaTestRowOf("  replies  12  9  1%  (98)\r\n").has_value());
}

TEST(RmaTest, GridColumns) {
    const auto columns = RmaTestGridColumns();
    ASSERT_EQ(columns.size(), 11u);
    EXPECT_EQ(columns[0].header, "№");
    EXPECT_EQ(columns[1].header, "Replies");
    EXPECT_EQ(columns[3].header, "Lev->");
    EXPECT_EQ(columns[5].header, "Lev->");
    EXPECT_EQ(columns[3].kind, ReportColumnKind::LevelBar);
    EXPECT_EQ(columns[5].kind, ReportColumnKind::LevelBar);
    EXPECT_EQ(columns[2].kind, ReportColumnKind::Text);
    EXPECT_EQ(columns[10].header, "Repeats");
    EXPECT_EQ(columns[10].width, 70);
}

}  // namespace
}  // namespace tessel
