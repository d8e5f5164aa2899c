#include "agent_request.hpp"

#include "core/snmp/ber.hpp"

namespace tessel::sim {

namespace {

bool ReadInteger(ber::Cursor& in, std::string_view& content) {
    std::uint8_t tag = 0;
    ber::Cursor element;
    if (!in.GetElement(tag, element) || tag != ber::TagInteger) {
        return false;
    }
    content = element.Rest();
    return !content.empty() && content.size() <= 4;
}

bool ReadBinding(ber::Cursor& list, RequestBinding& out) {
    std::uint8_t tag = 0;
    ber::Cursor binding;
    if (!list.GetElement(tag, binding) || tag != ber::TagSequence) {
        return false;
    }
    ber::Cursor name;
    if (!binding.GetElement(tag, name) || tag != ber::TagOid) {
        return false;
    }
    out.oidContent = name.Rest();
    auto oid = DecodeOid(out.oidContent);
    if (!oid) {
        return false;
    }
    out.oid = std::move(*oid);
    ber::Cursor value;
    if (!binding.GetElement(out.valueTag, value) || !binding.AtEnd()) {
        return false;
    }
    out.valueContent = value.Rest();
    return true;
}

}  // namespace

std::optional<AgentRequest> DecodeAgentRequest(std::string_view datagram) {
    ber::Cursor outer(datagram);
    std::uint8_t tag = 0;
    ber::Cursor message;
    if (!outer.GetElement(tag, message) || tag != ber::TagSequence || !outer.AtEnd()) {
        return std::nullopt;
    }
    AgentRequest request;
    std::string_view version;
    if (!ReadInteger(message, version)) {
        return std::nullopt;
    }
    request.version = ber::SignedValue(version);
    ber::Cursor community;
    if (!message.GetElement(tag, community) || tag != ber::TagOctetString) {
        return std::nullopt;
    }
    request.community = community.Rest();
    ber::Cursor pdu;
    if (!message.GetElement(request.pduType, pdu) || !message.AtEnd() ||
        request.pduType < ber::TagGetRequest || request.pduType > ber::TagTrap) {
        return std::nullopt;
    }
    std::string_view errorStatus;
    std::string_view errorIndex;
    if (!ReadInteger(pdu, request.requestId) || !ReadInteger(pdu, errorStatus) ||
        !ReadInteger(pdu, errorIndex)) {
        return std::nullopt;
    }
    ber::Cursor list;
    if (!pdu.GetElement(tag, list) || tag != ber::TagSequence || !pdu.AtEnd()) {
        return std::nullopt;
    }
    while (!list.AtEnd()) {
        RequestBinding binding;
        if (!ReadBinding(list, binding)) {
            return std::nullopt;
        }
        request.bindings.push_back(std::move(binding));
    }
    return request;
}

}  // namespace tessel::sim
