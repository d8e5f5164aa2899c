#include "core/pages/bs_list_read.hpp"

#include "core/pages/counted_read.hpp"
#include "core/pages/table_walk.hpp"
#include "core/router/number_text.hpp"
#include "core/snmp/oids.hpp"

namespace tessel {

namespace {

std::string Read(SnmpReader& reader, std::string_view table, std::string_view column,
                 std::string_view index) {
    std::string oid(table);
    oid += column;
    oid += '.';
    oid += index;
    return ReadCounted(reader, oid);
}

std::vector<std::string> ReadRfFrequencies(SnmpReader& reader, const std::string& interfaceNumber) {
    std::vector<std::string> frequencies;
    for (std::size_t c = 1; c <= RfFrequencyScanLimit; ++c) {
        const std::string entry = std::to_string(c);
        std::string frequency = Read(reader, oids::FrequencyEntry, "2", entry);
        if (frequency.empty()) {
            break;
        }
        // A failed read of the owner must not pass for "no interface".
        if (Read(reader, oids::FrequencyEntry, "1", entry) == interfaceNumber &&
            !interfaceNumber.empty()) {
            frequencies.push_back(std::move(frequency));
        }
    }
    return frequencies;
}

// The walk reads each row's cells before asking for the next row, at the
// row's value (not its OID suffix); it stops early at a radio number that is
// not a whole number.
void ReadRows(SnmpReader& reader, BsList& list) {
    const std::string column = std::string(oids::BsEntry) + "2";
    std::string oid = column;
    while (list.rows.size() < BsRowLimit) {
        const std::string asked = oid;
        std::string v;
        if (!reader.GetNext(oid, v) || !OidIsAfter(oid, asked) || !OidIsBelow(oid, column)) {
            return;
        }
        BsRow row;
        row.frequency = Read(reader, oids::BsEntry, "3", v);
        row.speed = Read(reader, oids::BsEntry, "4", v);
        row.sid = Read(reader, oids::BsEntry, "5", v);
        const std::string radio = Read(reader, oids::BsEntry, "1", v);
        const auto number = ParseInteger(radio);
        if (!number) {
            list.error =
                "The router's base-station table holds a radio number that is not a "
                "whole number (\"" +
                radio + "\", row " + std::to_string(list.rows.size() + 1) +
                "). Rows after it are not shown.";
            list.hasRows = true;
            return;
        }
        row.radio = *number;
        list.rows.push_back(std::move(row));
        list.hasRows = true;
    }
}

}  // namespace

BsList ReadBsList(SnmpReader& reader, int radio, const std::vector<std::string>& interfaceNames,
                  std::string_view radioInterfaceName) {
    BsList list;
    list.rfFrequencies =
        ReadRfFrequencies(reader, InterfaceNumberText(interfaceNames, radioInterfaceName));
    ReadRows(reader, list);
    if (list.hasRows) {
        list.records = GroupBsRecords(list.rows, radio);
        list.gridRows = BsGridRows(list.records);
    }
    return list;
}

}  // namespace tessel
