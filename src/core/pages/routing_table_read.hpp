#pragma once

// The IP routing table, read as the "Routing/ARP tables" page shows it.

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "core/router/grid_columns.hpp"
#include "core/snmp/snmp_reader.hpp"

namespace tessel {

inline constexpr std::size_t RouteLimit = 10000;

struct RouteRow {
    std::string destination;
    std::string interfaceName;  // empty for an index outside the names
    std::string metric;
    std::string nextHop;
    std::string protocol;  // empty for a value outside 1..14
    std::string mask;
};

// Walks the destination column, whose values index the routes, then makes
// five counted reads per route: interface, metric, next hop, protocol, mask.
// interfaceNames[k - 1] is the name of interface k.
std::vector<RouteRow> ReadRoutingTable(SnmpReader& reader,
                                       const std::vector<std::string>& interfaceNames);

// Row number, "Destination", "Interface", "Metric", "Next hop", "Proto",
// "Mask".
std::span<const ReportColumn> RoutingGridColumns();

}  // namespace tessel
