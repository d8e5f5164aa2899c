#pragma once

// The texts of the three status-bar panels.

#include <cstdint>
#include <string>

namespace tessel {

// "Sys uptime: " and the days, hours, minutes and seconds of a sysUpTime value
// text (hundredths of a second). Zero parts are left out; an empty or
// unreadable value counts as 0.
std::string UptimeText(const std::string& sysUpTime);

// The same from a number of hundredths of a second.
std::string UptimeTextFromTicks(std::int64_t ticks);

// "CPU load: " + the value as received + " %".
std::string CpuLoadText(const std::string& load);

// "SNMP| Sent: N/ Errors: N/Row: N".
std::string RequestCountsText(long sent, long errors, long row);

}  // namespace tessel
