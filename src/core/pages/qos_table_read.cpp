#include "core/pages/qos_table_read.hpp"

#include "core/pages/counted_read.hpp"
#include "core/pages/table_walk.hpp"
#include "core/snmp/oids.hpp"

namespace tessel {

std::vector<QosRow> ReadQosTable(SnmpReader& reader) {
    const auto walked = WalkColumn(reader, std::string(oids::QosEntry) + "1", QosRowLimit);
    std::vector<QosRow> rows;
    rows.reserve(walked.size());
    for (const auto& entry : walked) {
        QosRow& row = rows.emplace_back();
        row[0] = entry.value;
        for (std::size_t cell = 1; cell < row.size(); ++cell) {
            row[cell] = ReadCounted(
                reader, std::string(oids::QosEntry) + std::to_string(cell + 1) + "." + entry.value);
        }
    }
    return rows;
}

std::span<const ReportColumn> QosGridColumns() {
    static constexpr std::array<ReportColumn, 12> Columns = {{
        {"№"},
        {"Pri"},
        {"Class"},
        {"Address"},
        {"Max"},
        {"MaxPPS"},
        {"CurFlow"},
        {"CurPPS"},
        {"Pckts"},
        {"PcktsDrop"},
        {"Bytes"},
        {"BytesDrop"},
    }};
    return Columns;
}

}  // namespace tessel
