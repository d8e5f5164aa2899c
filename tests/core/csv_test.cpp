#include "core/csv.hpp"

#include <gtest/gtest.h>

namespace tessel {
namespace {

TEST(Csv, QuotesOnlyWhereNeededAndHostileCellsSurviveARoundTrip) {
    EXPECT_EQ(CsvText({{"", "IP-address"}, {"1", ""}}), ",IP-address\r\n1,\r\n");
    EXPECT_EQ(CsvText({{"a,b", "say \"hi\"", "x\ny", "x\ry", "  sp  "}}),
              "\"a,b\",\"say \"\"hi\"\"\",\"x\ny\",\"x\ry\",  sp  \r\n");

    const std::vector<std::string> hostile{
        "",           "a,b",         "say \"hi\"",       "\"",
        "line\nfeed", "cr\ronly",    "both\r\nends",     "\r\n",
        "  padded  ", "caf\xc3\xa9", "Latin-1 \xe9\xff", std::string("nul\0in", 6),
        ","};
    CsvRows rows{hostile};
    for (const std::string& cell : hostile) {
        rows.push_back({cell});  // alone on its line, too
    }
    CsvRows back;
    ASSERT_TRUE(ParseCsv(CsvText(rows), back));
    EXPECT_EQ(back, rows);
}

TEST(Csv, ReaderTakesLooseLineEndsAndRefusesBrokenQuoting) {
    CsvRows rows;
    EXPECT_TRUE(ParseCsv("a,b\nc,\"d\"", rows));
    EXPECT_EQ(rows, (CsvRows{{"a", "b"}, {"c", "d"}}));
    for (const char* broken : {"a\"b\r\n", "\"open", "\"x\"y\r\n", "a\rb\r\n"}) {
        EXPECT_FALSE(ParseCsv(broken, rows)) << broken;
    }
}

}  // namespace
}  // namespace tessel
