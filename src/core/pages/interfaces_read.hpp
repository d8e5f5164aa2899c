#pragma once

// The reads of the interfaces page, in the order the page makes them, and
// what the page then shows: the view only copies these texts into its grids
// and selectors.

#include "core/snmp/snmp_reader.hpp"

#include <cstddef>
#include <string>
#include <vector>

namespace tessel {

inline constexpr std::size_t kMaxAddresses = 100;
inline constexpr std::size_t kMaxInterfaceNames = 100;

struct IpTableRow {
    std::string interfaceName;   // "Interface", empty when the index names no interface
    std::string address;         // "IP-address"
    std::string mask;            // "Mask"
    std::string interfaceIndex;  // the hidden column, as read
};

struct InterfaceRow {
    std::string name;   // "Name"
    std::string mtu;    // "MTU", as read
    std::string state;  // "State": "up" or "down"
};

struct InterfacesReading {
    std::vector<std::string> addresses;         // walk order
    std::vector<std::string> interfaceNames;    // InterfaceNames: entry k-1 is interface k
    std::vector<std::string> aliasChoices;      // "Interface:" (aliasInterfaceCombo_)
    int aliasChoice = -1;                       // its selection, -1 for none
    std::vector<std::string> loadMeterChoices;  // "Choose interface:" (loadMeterInterfaceCombo_)
    int loadMeterChoice = -1;
    std::vector<IpTableRow> ipTable;
    std::vector<InterfaceRow> interfaces;
};

// Walks the address column (uncounted), then reads the interface names, the
// address rows and the interface rows (counted), at most 100 addresses and
// 100 names.
InterfacesReading ReadInterfaces(SnmpReader& reader);

}  // namespace tessel
