#include "core/tab_separated.hpp"

#include <gtest/gtest.h>

namespace tessel {
namespace {

TEST(TabSeparated, RowsBecomeLinesAndCellsAreJoinedByTabs) {
    EXPECT_EQ(TabSeparatedText({}), "");
    EXPECT_EQ(TabSeparatedText({{"", "IP-address", "Mask"}, {"1", "10.0.0.1", "255.0.0.0"}}),
              "\tIP-address\tMask\n1\t10.0.0.1\t255.0.0.0\n");
    // Empty cells keep their place, also at the end of a row.
    EXPECT_EQ(TabSeparatedText({{"a", "", ""}, {"", "", "c"}}), "a\t\t\n\t\tc\n");
    // A row without cells is an empty line.
    EXPECT_EQ(TabSeparatedText({{"h"}, {}}), "h\n\n");
}

TEST(TabSeparated, SeparatorsInsideACellBecomeSpaces) {
    EXPECT_EQ(TabSeparatedText({{"two\twords", "line\r\nbreak", "lone\rcr", "lone\nlf"}}),
              "two words\tline  break\tlone cr\tlone lf\n");
    // Other bytes pass as they are, UTF-8 and NUL included.
    const std::string odd("caf\xc3\xa9\x00!", 7);
    EXPECT_EQ(TabSeparatedText({{odd}}), odd + "\n");
}

}  // namespace
}  // namespace tessel
