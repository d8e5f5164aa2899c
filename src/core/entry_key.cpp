#include "core/entry_key.hpp"

#include <algorithm>

namespace tessel {

std::optional<std::size_t> RowHoldingKey(std::span<const EntryKey> rows, const EntryKey& key) {
    if (key.empty()) {
        return std::nullopt;
    }
    const auto found = std::find(rows.begin(), rows.end(), key);
    if (found == rows.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - rows.begin());
}

}  // namespace tessel
