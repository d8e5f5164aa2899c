#include "core/session/runtime_config.hpp"
#include "core/session/session.hpp"
#include "core/snmp/snmp_client.hpp"

#include <utility>

namespace tessel {

SnmpTransport SnmpTransport::Client(std::string port, int timeoutMs) {
    return {[port, timeoutMs](const std::string& oid, const std::string& community,
                              const std::string& host, std::string& value) {
                return SnmpGetValue(oid, community, host, port, value, timeoutMs);
            },
            [port = std::move(port), timeoutMs](std::string& oid, const std::string& community,
                                                const std::string& host, std::string& value) {
                return SnmpGetNextValue(oid, community, host, port, value, timeoutMs);
            }};
}

SnmpTransport SnmpTransport::Client() {
    return Client(ReadProcessRuntimeConfig().snmpPort);
}

}  // namespace tessel
