#include "core/pages/table_walk.hpp"

#include <cstdint>
#include <optional>

namespace tessel {
namespace {

std::optional<std::vector<std::uint64_t>> OidArcs(std::string_view oid) {
    std::vector<std::uint64_t> arcs;
    std::uint64_t arc = 0;
    bool digits = false;
    for (const char c : oid) {
        if (c == '.') {
            if (!digits) {
                return std::nullopt;
            }
            arcs.push_back(arc);
            arc = 0;
            digits = false;
        } else if (c >= '0' && c <= '9') {
            const auto digit = static_cast<std::uint64_t>(c - '0');
            if (arc > (UINT64_MAX - digit) / 10) {
                return std::nullopt;
            }
            arc = arc * 10 + digit;
            digits = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    arcs.push_back(arc);
    return arcs;
}

std::string_view WithoutTrailingDot(std::string_view column) {
    if (!column.empty() && column.back() == '.') {
        column.remove_suffix(1);
    }
    return column;
}

}  // namespace

bool OidIsAfter(std::string_view later, std::string_view earlier) {
    const auto a = OidArcs(later);
    const auto b = OidArcs(earlier);
    return a && b && *a > *b;
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
