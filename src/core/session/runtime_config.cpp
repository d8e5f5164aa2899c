#include "core/session/runtime_config.hpp"

#include <charconv>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace tessel {

namespace {

std::optional<std::uint16_t> PortNumber(const char* value) {
    if (value == nullptr) {
        return std::nullopt;
    }
    const std::string_view text(value);
    unsigned port = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (text.empty() || ec != std::errc() || ptr != text.data() + text.size() || port < 1 ||
        port > 65535) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(port);
}

}  // namespace

RuntimeConfig ReadRuntimeConfig(const EnvironmentLookup& lookup) {
    RuntimeConfig config;
    if (const char* snmpPort = lookup("TESSEL_SNMP_PORT"); PortNumber(snmpPort)) {
        // As written, so that "0161" reaches the resolver as it always has.
        config.snmpPort = snmpPort;
    }
    if (const auto port = PortNumber(lookup("TESSEL_CONSOLE_PORT"))) {
        config.consolePort = *port;
    }
    const char* trace = lookup("TESSEL_TRACE");
    config.trace = trace != nullptr && *trace != '\0' && std::string_view(trace) != "0";
    return config;
}

RuntimeConfig ReadProcessRuntimeConfig() {
    return ReadRuntimeConfig([](const char* name) { return std::getenv(name); });
}

}  // namespace tessel
