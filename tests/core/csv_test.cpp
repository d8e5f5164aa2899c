#include "core/csv.hpp"

#include <gtest/gtest.h>

namespace tessel {
namespace {

// Cell texts that break a naive writer or reader.
const std::vector<std::string>& HostileCells() {
    static const std::vector<std::string> cells{
        "",
        "plain",
        "a,b",
        "say \"hi\"",
        "\"",
        "\"\"",
        "line\nfeed",
        "carriage\rreturn",
        "both\r\nends",
        "\r\n",
        "  padded  ",
        " ,\" ",
        "caf\xc3\xa9 \xe2\x82\xac",  // UTF-8
        "Latin-1 \xe9\xff",          // bytes that are not UTF-8
        std::string("nul\0inside", 10),
        ",",
        "trailing,",
    };
    return cells;
}

TEST(Csv, QuotesOnlyWhereNeededAndEndsEveryRecordInCrLf) {
    EXPECT_EQ(CsvText({}), "");
    EXPECT_EQ(CsvText({{"", "IP-address", "Mask"}, {"1", "10.0.0.1", ""}}),
              ",IP-address,Mask\r\n1,10.0.0.1,\r\n");
    EXPECT_EQ(CsvText({{"a,b", "say \"hi\"", "x\ny", "x\ry", "  sp  "}}),
              "\"a,b\",\"say \"\"hi\"\"\",\"x\ny\",\"x\ry\",  sp  \r\n");
}

TEST(Csv, HostileCellsSurviveARoundTrip) {
    // Each cell alone, all of them in one row, and as a column of rows.
    CsvRows rows{HostileCells()};
    for (const std::string& cell : HostileCells()) {
        rows.push_back({cell});
        rows.push_back({cell, cell});
    }
    CsvRows back;
    ASSERT_TRUE(ParseCsv(CsvText(rows), back));
    EXPECT_EQ(back, rows);
}

TEST(Csv, ReaderTakesLooseLineEndsAndRefusesBrokenQuoting) {
    CsvRows rows;
    EXPECT_TRUE(ParseCsv("", rows));
    EXPECT_TRUE(rows.empty());
    EXPECT_TRUE(ParseCsv("a,b\nc,\"d\"", rows));
    EXPECT_EQ(rows, (CsvRows{{"a", "b"}, {"c", "d"}}));
    EXPECT_TRUE(ParseCsv("a,\r\n,\r\n", rows));
    EXPECT_EQ(rows, (CsvRows{{"a", ""}, {"", ""}}));

    for (const char* broken : {"a\"b\r\n", "\"open", "\"x\"y\r\n", "a\rb\r\n", "\"x\"\r"}) {
        EXPECT_FALSE(ParseCsv(broken, rows)) << broken;
    }
}

}  // namespace
}  // namespace tessel
