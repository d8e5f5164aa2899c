#include "core/pages/cpe_table_read.hpp"

#include "core/pages/counted_read.hpp"
#include "core/pages/table_walk.hpp"
#include "core/router/mac_text.hpp"
#include "core/router/rate_texts.hpp"
#include "core/snmp/oids.hpp"

namespace tessel {

namespace {

std::string SwitchText(const std::string& value) {
    return value == "1" ? "true" : "false";
}

}  // namespace

CpeTable ReadCpeTable(SnmpReader& reader, int radio, int band) {
    const std::string radioText = std::to_string(radio);
    const std::string suffixHead = "." + radioText + ".";
    const auto walked =
        WalkColumn(reader, std::string(oids::CpeEntry) + "1." + radioText, CpeRowLimit);

    CpeTable table;
    table.pwrctlEnabled = walked.empty();
    table.rows.reserve(walked.size());
    for (const auto& entry : walked) {
        const std::string suffix = suffixHead + entry.index;
        const auto read = [&reader, &suffix](std::string_view column) {
            return ReadCounted(reader, std::string(oids::CpeEntry) + std::string(column) + suffix);
        };
        CpeTableRow& row = table.rows.emplace_back();
        row.name = read("2");
        row.ipAddress = read("4");
        row.levelFrom = read("6");
        row.levelFromBar = row.levelFrom;
        row.levelTo = read("7");
        row.levelToBar = row.levelTo;
        row.distance = read("13");
        row.limit = read("9.1");
        row.transmit = RateCodeText(band, read("11"));
        row.receive = RateCodeText(band, read("12"));
        row.registered = SwitchText(read("8"));
        row.enabled = SwitchText(read("14"));
        row.mac = MacTextFromIndex(entry.index);
    }
    return table;
}

}  // namespace tessel
