#pragma once

// The CPE page's list of configured base stations: the radio's usable
// frequencies and the configured rows grouped into records.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/router/bs_records.hpp"
#include "core/snmp/snmp_reader.hpp"

namespace tessel {

// The frequency table is scanned up to its first empty entry, and never
// beyond this many entries, whatever an agent answers.
inline constexpr std::size_t RfFrequencyScanLimit = 256;

struct BsList {
    std::vector<std::string> rfFrequencies;  // "RF frequencies:" of the radio
    std::vector<BsRow> rows;                 // as read, every radio
    // False when the table had no row at all: the page then keeps its
    // previous records and does not read the registration.
    bool hasRows = false;
    std::vector<BsRecord> records;  // of the chosen radio
    std::vector<BsGridRow> gridRows;
    // Set when a row's radio number is not a whole number: the list ends
    // there, the records of the rows before it are kept, and the page shows
    // this text instead of reading the registration.
    std::string error;

    bool ReadRegistrationNext() const { return hasRows && error.empty(); }
};

// radio is the configuration form's radio (1-based); radioInterfaceName the
// radio selected on the radio page, whose position among interfaceNames
// (names[k - 1] is interface k) picks the usable frequencies.
BsList ReadBsList(SnmpReader& reader, int radio, const std::vector<std::string>& interfaceNames,
                  std::string_view radioInterfaceName);

}  // namespace tessel
