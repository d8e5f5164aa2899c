#pragma once

// Decoding of the requests the agent serves: an SNMP message (version,
// community, PDU) with its variable bindings. Depends only on the core BER
// cursor, so the fuzz target can build it on its own.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "oid.hpp"

namespace tessel::sim {

struct RequestBinding {
    Oid oid;
    std::string_view oidContent;  // as received, for echoing
    std::uint8_t valueTag = 0;
    std::string_view valueContent;
};

struct AgentRequest {
    std::int32_t version = 0;
    std::string_view community;
    std::uint8_t pduType = 0;
    std::string_view requestId;  // content octets, echoed unchanged
    std::vector<RequestBinding> bindings;
};

// Views point into the datagram, which must outlive the result. nullopt for
// anything that is not a well-formed message: bad or overlong lengths,
// missing items, an OID that does not decode, a request-id over 4 bytes,
// a PDU tag outside 0xA0..0xA4, or bytes left after the message.
std::optional<AgentRequest> DecodeAgentRequest(std::string_view datagram);

}  // namespace tessel::sim
