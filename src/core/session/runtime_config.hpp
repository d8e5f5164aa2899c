#pragma once

// The settings the environment may override, read once when a program starts
// and handed to whatever needs them, so that no exchange or login goes back
// to the environment.

#include <cstdint>
#include <functional>
#include <string>

namespace tessel {

struct RuntimeConfig {
    // The agent's UDP port, as the resolver takes it.
    std::string snmpPort = "161";
    // The router console's TCP port.
    std::uint16_t consolePort = 23;
    // The support trace on standard error.
    bool trace = false;
};

// The value of an environment variable, or null when it is not set.
using EnvironmentLookup = std::function<const char*(const char* name)>;

// TESSEL_SNMP_PORT and TESSEL_CONSOLE_PORT count only when they hold nothing
// but the digits of a port number (1 to 65535); anything else leaves the
// default. TESSEL_TRACE turns the trace on unless unset, empty or "0".
RuntimeConfig ReadRuntimeConfig(const EnvironmentLookup& lookup);

// ReadRuntimeConfig over this process's environment as it is now.
RuntimeConfig ReadProcessRuntimeConfig();

}  // namespace tessel
