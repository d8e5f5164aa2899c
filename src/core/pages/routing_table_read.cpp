#include "core/pages/routing_table_read.hpp"

#include "core/pages/counted_read.hpp"

#include <array>

#include "core/pages/table_walk.hpp"
#include "core/router/interface_rules.hpp"
#include "core/router/route_names.hpp"
#include "core/snmp/oids.hpp"

namespace tessel {

std::vector<RouteRow> ReadRoutingTable(SnmpReader& reader,
                                       const std::vector<std::string>& interfaceNames) {
    const auto walked = WalkColumn(reader, std::string(oids::IpRouteEntry) + "1", RouteLimit);
    std::vector<RouteRow> rows;
    rows.reserve(walked.size());
    std::string oid;
    const auto read = [&reader, &oid](std::string_view column, const std::string& destination) {
        oid.assign(oids::IpRouteEntry);
        oid += column;
        oid += '.';
        oid += destination;
        return ReadCounted(reader, oid);
    };
    for (const auto& entry : walked) {
        RouteRow& row = rows.emplace_back();
        row.destination = entry.value;
        row.interfaceName = InterfaceNameAt(interfaceNames, read("2", entry.value));
        row.metric = read("3", entry.value);
        row.nextHop = read("7", entry.value);
        row.protocol = RouteProtocolName(read("9", entry.value));
        row.mask = read("11", entry.value);
    }
    return rows;
}

std::span<const ReportColumn> RoutingGridColumns() {
    using enum ReportColumnKind;
    static constexpr std::array<ReportColumn, 7> Columns = {{
        {"", RowNumber},
        {"Destination", Text},
        {"Interface", Text},
        {"Metric", Text},
        {"Next hop", Text},
        {"Proto", Text},
        {"Mask", Text},
    }};
    return Columns;
}

}  // namespace tessel
