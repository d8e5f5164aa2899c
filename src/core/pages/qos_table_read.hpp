#pragma once

// The QoS statistics table, read as the "QoS" page shows it.

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "core/router/grid_columns.hpp"
#include "core/snmp/snmp_reader.hpp"

namespace tessel {

inline constexpr std::size_t QosRowLimit = 64;

// Grid cells: the row's index value, then table columns 2..12 as read.
using QosRow = std::array<std::string, 12>;

// Walks the table's first column, whose values (not the OID suffixes) index
// the rows, then makes eleven counted reads per row in column order.
std::vector<QosRow> ReadQosTable(SnmpReader& reader);

// "№", "Pri", "Class", "Address", "Max", "MaxPPS", "CurFlow", "CurPPS",
// "Pckts", "PcktsDrop", "Bytes", "BytesDrop", all text.
std::span<const ReportColumn> QosGridColumns();

}  // namespace tessel
