#pragma once

// The CPE's registration with a base station, as the "Base Station
// Registration" group and the grid's "R" column show it.

#include <span>
#include <string>
#include <vector>

#include "core/router/bs_records.hpp"
#include "core/snmp/snmp_reader.hpp"

namespace tessel {

struct BsRegistration {
    bool available = false;  // false: every label "N/A", bars 0, no "R" mark
    std::string frequency;
    std::string bitrate;
    std::string sid;  // upper-case hexadecimal
    std::string amplitudeFrom;
    int amplitudeFromBar = 0;
    std::string amplitudeTo;
    int amplitudeToBar = 0;
    std::string ipAddress;
    std::string transmitSpeed;  // rate text and " Mbps"
    std::string receiveSpeed;
    std::vector<std::string> marks;  // "R" per grid row: "true" / "false"
    bool registered = false;         // some row is marked
};

inline constexpr std::string_view NotAvailableText = "N/A";

// Reads the presence entry (always radio 1's), then the registration of
// radio (1-based): frequency, bitrate, SID, both amplitudes, IP address and
// the two rate codes, shown with band's rate texts; marks the grid rows the
// registration matches.
BsRegistration ReadBsRegistration(SnmpReader& reader, int radio, int band,
                                  std::span<const BsGridRow> gridRows);

}  // namespace tessel
