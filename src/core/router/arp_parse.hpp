#pragma once

// The reply to "arp view", turned into the rows of the ARP grid.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/router/grid_columns.hpp"

namespace tessel {

struct ArpRow {
    std::string interfaceName;
    std::string ipAddress;
    std::string macAddress;
};

// The reply to "arp view" keeps at most this many lines; the rest is dropped.
inline constexpr std::size_t ArpLineLimit = 1000;

// One received chunk while the ARP table is awaited. Nothing when the chunk
// is too short to be the table (15 characters or fewer: the echo or a stray
// prompt), so the next chunk is tried; otherwise the rows that replace the
// grid's, possibly none.
//
// The chunk is cut after the first "[K" CR LF when it has one, else after the
// echoed command line and before the prompt line. Every complete line of more
// than 20 characters is an entry "IP at MAC via interface"; the text after
// the last CR LF is taken only when it holds " via ", so a trailing prompt is
// never a row.
std::optional<std::vector<ArpRow>> ParseArpChunk(std::string_view chunk);

// The ARP grid: row number, "Interface", "IP-address", "MAC-address".
std::span<const ReportColumn> ArpGridColumns();

}  // namespace tessel
