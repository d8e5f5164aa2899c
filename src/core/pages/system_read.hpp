#pragma once

// The reads of the system and RMA settings page, in the order the page makes
// them, and what it then shows. All reads are counted.

#include "core/snmp/snmp_reader.hpp"

#include <string>
#include <string_view>

namespace tessel {

struct SystemSettings {
    std::string name;       // "System name:"
    std::string location;   // "System location:"
    std::string icmpLimit;  // "ICMP limit:", as received
    bool fastroute = false;
    bool sendRedirects = false;
    bool dropRedirects = false;
    std::string caption;  // window caption and application title, from a second sysName read
};

SystemSettings ReadSystemSettings(SnmpReader& reader, std::string_view routerHost);

struct RmaSettings {
    std::string radioNumber;   // position of the selected radio from 1, "0" for none
    bool started = false;      // "RMA start"
    bool autobitrate = false;  // "Autobitrate on"
    bool polling = false;      // "Polling on (BS only)"
};

// selectedPosition: the RMA radio selector's position from 0, -1 for none.
RmaSettings ReadRmaSettings(SnmpReader& reader, int selectedPosition);

}  // namespace tessel
