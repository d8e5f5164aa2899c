#pragma once

// The reads of the radio interface page, in the order the page makes them,
// and what it then shows. All reads are counted.

#include "core/router/radio_rules.hpp"
#include "core/snmp/snmp_reader.hpp"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tessel {

// A choice table lists the choices of all radios; past this many rows the
// agent is taken to be looping and the list ends.
inline constexpr std::size_t kMaxChoiceRows = 1000;

// The radio selectors' contents (all seven hold the same list, first entry
// selected) and the band of each radio.
struct RadioInterfaceList {
    std::vector<std::string> radios;
    int selected = -1;
    RadioBands bands{};
};

// Filters the names, then reads the two band rows (fixed rows 1 and 2).
RadioInterfaceList ReadRadioInterfaceList(SnmpReader& reader,
                                          const std::vector<std::string>& interfaceNames);

// The row index of the selected radio: the position, counted from 1, of the
// first interface name equal to it; empty when there is none.
std::string RadioInterfaceNumber(const std::vector<std::string>& interfaceNames,
                                 const std::string& radio);

struct ChoiceList {
    std::vector<std::string> items;
    int selected = -1;  // the last matching item, -1 when none matches
};

struct RadioParameters {
    std::string interfaceNumber;
    ChoiceList bitrates;          // "Bitrate:"
    std::int64_t maxRetries = 0;  // "Max retries:"
    ChoiceList powerLevels;       // "Power levels:"
    std::string sid;              // "SID:"
    bool burst = false;           // "Burst mode"
    std::int64_t distance = 0;    // "Distance:"
    bool wocdApplies = false;     // "Wocd mode" is shown (band 1 radios only)
    bool wocd = false;            // read only when it applies
    bool pwrctl = false;          // "Pwrctl mode"
    ChoiceList frequencies;       // "Frequency:"
};

// selectedPosition is the radio selector's position (from 0, -1 for none),
// which picks the band; radio is its text, which picks the table row.
RadioParameters ReadRadioParameters(SnmpReader& reader,
                                    const std::vector<std::string>& interfaceNames,
                                    const std::string& radio, int selectedPosition,
                                    const RadioBands& bands);

}  // namespace tessel
