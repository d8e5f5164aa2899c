#include "agent.hpp"

#include "core/snmp/ber.hpp"

namespace tessel::sim {

namespace {

void AppendBinding(std::string& out, std::string_view oidContent, std::uint8_t tag,
                   std::string_view value) {
    std::string binding;
    binding.reserve(oidContent.size() + value.size() + 8);
    ber::AppendElement(binding, ber::TagOid, oidContent);
    ber::AppendElement(binding, tag, value);
    ber::AppendElement(out, ber::TagSequence, binding);
}

std::string EchoBindings(const AgentRequest& request) {
    std::string out;
    for (const RequestBinding& b : request.bindings) {
        AppendBinding(out, b.oidContent, b.valueTag, b.valueContent);
    }
    return out;
}

}  // namespace

const char* PduName(std::uint8_t pduType) {
    switch (pduType) {
        case ber::TagGetRequest:
            return "get";
        case ber::TagGetNextRequest:
            return "getnext";
        case ber::TagGetResponse:
            return "response";
        case ber::TagSetRequest:
            return "set";
        case ber::TagTrap:
            return "trap";
        default:
            return "unknown";
    }
}

std::string EncodeResponse(const AgentRequest& request, int errorStatus, int errorIndex,
                           std::string_view encodedBindings) {
    std::string pdu;
    pdu.reserve(encodedBindings.size() + 32);
    ber::AppendElement(pdu, ber::TagInteger, request.requestId);
    ber::AppendElement(pdu, ber::TagInteger, ber::IntegerContent(errorStatus));
    ber::AppendElement(pdu, ber::TagInteger, ber::IntegerContent(errorIndex));
    ber::AppendElement(pdu, ber::TagSequence, encodedBindings);
    std::string message;
    message.reserve(pdu.size() + request.community.size() + 16);
    ber::AppendElement(message, ber::TagInteger, ber::IntegerContent(0));
    ber::AppendElement(message, ber::TagOctetString, request.community);
    ber::AppendElement(message, ber::TagGetResponse, pdu);
    std::string out;
    out.reserve(message.size() + 6);
    ber::AppendElement(out, ber::TagSequence, message);
    return out;
}

AgentOutcome Agent::Handle(std::string_view datagram, const MibStore& store,
                           std::uint64_t upTimeTicks) const {
    AgentOutcome outcome;
    outcome.request = DecodeAgentRequest(datagram);
    if (!outcome.request) {
        outcome.dropReason = "malformed";
        return outcome;
    }
    const AgentRequest& request = *outcome.request;
    if (request.version != 0) {
        outcome.dropReason = "version";
        return outcome;
    }
    if (request.community != community_) {
        outcome.dropReason = "community";
        return outcome;
    }
    const std::uint8_t type = request.pduType;
    if (type != ber::TagGetRequest && type != ber::TagGetNextRequest &&
        type != ber::TagSetRequest) {
        outcome.dropReason = "not a request";
        return outcome;
    }
    std::string bindings;
    bindings.reserve(64 * request.bindings.size());
    for (std::size_t i = 0; i < request.bindings.size() && outcome.errorStatus == 0; ++i) {
        const RequestBinding& b = request.bindings[i];
        const MibEntry* entry = nullptr;
        if (type == ber::TagGetNextRequest) {
            entry = store.Next(b.oid);
        } else {
            entry = store.Find(b.oid);
        }
        if (type == ber::TagSetRequest) {
            outcome.errorStatus = entry != nullptr ? ErrorReadOnly : ErrorNoSuchName;
        } else if (entry == nullptr) {
            outcome.errorStatus = ErrorNoSuchName;
        } else {
            AppendBinding(bindings, entry->encodedOid, entry->value.tag,
                          ValueContent(entry->value, upTimeTicks));
        }
        if (outcome.errorStatus != 0) {
            outcome.errorIndex = static_cast<int>(i + 1);
        }
    }
    if (outcome.errorStatus != 0) {
        outcome.reply =
            EncodeResponse(request, outcome.errorStatus, outcome.errorIndex, EchoBindings(request));
    } else {
        outcome.reply = EncodeResponse(request, 0, 0, bindings);
        if (outcome.reply.size() > MaxReplySize) {
            outcome.errorStatus = ErrorTooBig;
            outcome.reply = EncodeResponse(request, ErrorTooBig, 0, EchoBindings(request));
        }
    }
    outcome.answered = true;
    return outcome;
}

}  // namespace tessel::sim
