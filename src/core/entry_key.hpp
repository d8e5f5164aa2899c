#pragma once

// The operator acts on an entry of a table (a CPE by its MAC address, an
// alias by its address, a base-station record by its SID and speed), not on
// a place in it: a re-read may put the entry on another row, or drop it.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tessel {

// The texts that name an entry, one per key column, in column order.
using EntryKey = std::vector<std::string>;

// The row that holds key among rows (each row's key, in row order): the
// first whose key equals it in every column. None when no row does, or when
// key is empty, which names no entry.
std::optional<std::size_t> RowHoldingKey(std::span<const EntryKey> rows, const EntryKey& key);

}  // namespace tessel
