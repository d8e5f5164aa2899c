#include "core/session/session.hpp"
#include "core/snmp/snmp_client.hpp"

namespace tessel {

SnmpTransport SnmpTransport::Client() {
    return {&SnmpGetValue, &SnmpGetNextValue};
}

}  // namespace tessel
