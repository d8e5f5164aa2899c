#pragma once

// The SNMP version 1 agent logic: one datagram in, at most one datagram out.
// Get and GetNext with any number of bindings; noSuchName (2) with the
// request's bindings echoed when an instance is absent or a GetNext runs
// past the end; Set is refused with readOnly (4) or noSuchName; a wrong
// community, another version or a malformed message get no answer.

#include <cstdint>
#include <string>
#include <string_view>

#include "agent_request.hpp"
#include "mib_store.hpp"

namespace tessel::sim {

inline constexpr int ErrorTooBig = 1;
inline constexpr int ErrorNoSuchName = 2;
inline constexpr int ErrorReadOnly = 4;

// Largest reply the agent sends; a larger one becomes tooBig.
inline constexpr std::size_t MaxReplySize = 65507;

struct AgentOutcome {
    bool answered = false;
    std::string reply;
    // For the log: why nothing was sent, or what was asked and answered.
    std::string_view dropReason;
    std::optional<AgentRequest> request;
    int errorStatus = 0;
    int errorIndex = 0;
};

const char* PduName(std::uint8_t pduType);

class Agent {
  public:
    explicit Agent(std::string community) : community_(std::move(community)) {}

    // The outcome's views point into datagram.
    AgentOutcome Handle(std::string_view datagram, const MibStore& store,
                        std::uint64_t upTimeTicks) const;

  private:
    std::string community_;
};

// A GetResponse carrying the given bindings (each: OID content, tag, value).
std::string EncodeResponse(const AgentRequest& request, int errorStatus, int errorIndex,
                           std::string_view encodedBindings);

}  // namespace tessel::sim
