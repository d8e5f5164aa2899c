#include "core/entry_key.hpp"

#include <gtest/gtest.h>

namespace tessel {
namespace {

TEST(EntryKey, TheEntryIsFoundWhereARereadPutItOrNowhere) {
    // A CPE table by MAC after the unit on the first row was deleted.
    const std::vector<EntryKey> cpes = {{"000B22057910"}, {"000B22057A01"}};
    EXPECT_EQ(RowHoldingKey(cpes, {"000B22057A01"}), 1u);
    EXPECT_EQ(RowHoldingKey(cpes, {"000B220578FF"}), std::nullopt);
    // No key names no entry, not even a row without key cells.
    EXPECT_EQ(RowHoldingKey(std::vector<EntryKey>{{}}, {}), std::nullopt);

    // Base-station records by SID and speed: every key column must agree.
    const std::vector<EntryKey> records = {
        {"1A2B", "5500"}, {"14", "11000"}, {"1A2B", "11000"}, {"1A2B", "11000"}};
    EXPECT_EQ(RowHoldingKey(records, {"1A2B", "11000"}), 2u) << "the first of equal rows";
    EXPECT_EQ(RowHoldingKey(records, {"14", "5500"}), std::nullopt);
}

}  // namespace
}  // namespace tessel
