#pragma once

// The base station's CPE table of one radio, read as the "BS" page shows it.

#include <cstddef>
#include <string>
#include <vector>

#include "core/snmp/snmp_reader.hpp"

namespace tessel {

// The walk keeps at most this many CPE rows.
inline constexpr std::size_t CpeRowLimit = 200;

// One row of the CPE grid, every cell as the grid shows it.
struct CpeTableRow {
    std::string registered;  // "true" / "false"
    std::string mac;         // from the row index, no read
    std::string ipAddress;
    std::string levelFrom;
    std::string levelFromBar;  // empty when the read was: the bar stays hidden
    std::string levelTo;
    std::string levelToBar;
    std::string name;
    std::string transmit;  // rate text of the radio's band
    std::string receive;
    std::string distance;
    std::string limit;
    std::string enabled;  // "true" / "false"
};

struct CpeTable {
    std::vector<CpeTableRow> rows;  // the auto-update runs only while there are some
    // The radio page's "Pwrctl mode" applies only to a base station without
    // clients on this radio.
    bool pwrctlEnabled = false;
};

// Walks the CPE index column of radio (1-based), then makes ten counted
// reads per row: name, IP address, the two levels, distance, limit, the two
// rates, registration and enabled state. band chooses the rate texts.
CpeTable ReadCpeTable(SnmpReader& reader, int radio, int band);

}  // namespace tessel
