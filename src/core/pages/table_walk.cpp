#include "core/pages/table_walk.hpp"

#include <cstdint>

namespace tessel {
namespace {

// Reads the arc at the front of oid and drops it with its "." separator.
// Fails on an empty arc, a byte other than a digit or ".", or an arc beyond
// 64 bits.
bool TakeArc(std::string_view& oid, std::uint64_t& arc) {
    arc = 0;
    std::size_t at = 0;
    for (; at < oid.size() && oid[at] != '.'; ++at) {
        const char c = oid[at];
        if (c < '0' || c > '9') {
            return false;
        }
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (arc > (UINT64_MAX - digit) / 10) {
            return false;
        }
        arc = arc * 10 + digit;
    }
    if (at == 0) {
        return false;
    }
    if (at < oid.size()) {
        ++at;  // the separator
        if (at == oid.size()) {
            return false;  // a trailing "."
        }
    }
    oid.remove_prefix(at);
    return true;
}

// True when oid is a dotted-decimal OID text.
bool IsOidText(std::string_view oid) {
    std::uint64_t arc = 0;
    while (!oid.empty()) {
        if (!TakeArc(oid, arc)) {
            return false;
        }
    }
    return true;
}

std::string_view WithoutTrailingDot(std::string_view column) {
    if (!column.empty() && column.back() == '.') {
        column.remove_suffix(1);
    }
    return column;
}

}  // namespace

// Compares arc by arc without building arc lists: a walk asks this once per
// row, ten thousand times for the routing table.
bool OidIsAfter(std::string_view later, std::string_view earlier) {
    if (later.empty() || earlier.empty()) {
        return false;
    }
    while (!later.empty() && !earlier.empty()) {
        std::uint64_t a = 0;
        std::uint64_t b = 0;
        if (!TakeArc(later, a) || !TakeArc(earlier, b)) {
            return false;
        }
        if (a != b) {
            // The order is decided; both texts must still be OIDs to the end.
            return a > b && IsOidText(later) && IsOidText(earlier);
        }
    }
    // Equal so far: the longer one comes after.
    return earlier.empty() && !later.empty() && IsOidText(later);
}

bool OidIsBelow(std::string_view oid, std::string_view column) {
    column = WithoutTrailingDot(column);
    return !column.empty() && oid.size() > column.size() + 1 && oid.starts_with(column) &&
           oid[column.size()] == '.';
}

std::size_t WalkColumn(SnmpReader& reader, std::string_view column, std::size_t maxRows,
                       const std::function<void(const WalkRow&)>& onRow) {
    const std::string_view base = WithoutTrailingDot(column);
    std::string oid(base);
    std::size_t rows = 0;
    while (rows < maxRows) {
        const std::string asked = oid;
        std::string value;
        if (!reader.GetNext(oid, value) || !OidIsAfter(oid, asked) || !OidIsBelow(oid, base)) {
            break;
        }
        ++rows;
        onRow(WalkRow{oid, oid.substr(base.size() + 1), value});
    }
    return rows;
}

std::vector<WalkRow> WalkColumn(SnmpReader& reader, std::string_view column, std::size_t maxRows) {
    std::vector<WalkRow> rows;
    WalkColumn(reader, column, maxRows, [&rows](const WalkRow& row) { rows.push_back(row); });
    return rows;
}

}  // namespace tessel
