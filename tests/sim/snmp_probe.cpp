#include "snmp_probe.hpp"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

#include "core/snmp/ber.hpp"
#include "oid.hpp"

namespace tessel::test {

std::string EncodeRequest(std::uint8_t pduType, const std::vector<std::string>& oids,
                          const std::string& community, std::string requestIdContent,
                          std::int64_t version) {
    std::string list;
    for (const std::string& oid : oids) {
        std::string binding;
        ber::AppendElement(binding, ber::TagOid, ber::OidContent(oid));
        ber::AppendElement(binding, ber::TagNull, "");
        ber::AppendElement(list, ber::TagSequence, binding);
    }
    std::string pdu;
    ber::AppendElement(pdu, ber::TagInteger, requestIdContent);
    ber::AppendElement(pdu, ber::TagInteger, ber::IntegerContent(0));
    ber::AppendElement(pdu, ber::TagInteger, ber::IntegerContent(0));
    ber::AppendElement(pdu, ber::TagSequence, list);
    std::string message;
    ber::AppendElement(message, ber::TagInteger, ber::IntegerContent(version));
    ber::AppendElement(message, ber::TagOctetString, community);
    ber::AppendElement(message, pduType, pdu);
    std::string out;
    ber::AppendElement(out, ber::TagSequence, message);
    return out;
}

std::optional<Reply> DecodeReply(const std::string& bytes) {
    ber::Cursor outer(bytes);
    std::uint8_t tag = 0;
    ber::Cursor message;
    if (!outer.GetElement(tag, message) || tag != ber::TagSequence || !outer.AtEnd()) {
        return std::nullopt;
    }
    Reply reply;
    ber::Cursor item;
    if (!message.GetElement(tag, item) || tag != ber::TagInteger) {
        return std::nullopt;
    }
    if (!message.GetElement(tag, item) || tag != ber::TagOctetString) {
        return std::nullopt;
    }
    reply.community = std::string(item.Rest());
    ber::Cursor pdu;
    if (!message.GetElement(reply.pduType, pdu)) {
        return std::nullopt;
    }
    if (!pdu.GetElement(tag, item) || tag != ber::TagInteger) {
        return std::nullopt;
    }
    reply.requestId = std::string(item.Rest());
    if (!pdu.GetElement(tag, item) || tag != ber::TagInteger) {
        return std::nullopt;
    }
    reply.errorStatus = ber::SignedValue(item.Rest());
    if (!pdu.GetElement(tag, item) || tag != ber::TagInteger) {
        return std::nullopt;
    }
    reply.errorIndex = ber::SignedValue(item.Rest());
    ber::Cursor list;
    if (!pdu.GetElement(tag, list) || tag != ber::TagSequence) {
        return std::nullopt;
    }
    while (!list.AtEnd()) {
        ber::Cursor binding;
        ber::Cursor name;
        ber::Cursor value;
        Binding b;
        if (!list.GetElement(tag, binding) || !binding.GetElement(tag, name) ||
            tag != ber::TagOid || !binding.GetElement(b.tag, value)) {
            return std::nullopt;
        }
        b.oid = ber::OidText(name.Rest());
        b.value = std::string(value.Rest());
        reply.bindings.push_back(b);
    }
    return reply;
}

UdpProbe::UdpProbe(int port) : port_(port) {
    fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0) {
        throw std::runtime_error("socket failed");
    }
}

UdpProbe::~UdpProbe() {
    ::close(fd_);
}

void UdpProbe::Send(const std::string& datagram) {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<std::uint16_t>(port_));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::sendto(fd_, datagram.data(), datagram.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
}

std::optional<std::string> UdpProbe::Receive(std::chrono::milliseconds timeout) {
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(timeout.count())) <= 0) {
        return std::nullopt;
    }
    std::string buffer(65536, '\0');
    const ssize_t n = ::recv(fd_, buffer.data(), buffer.size(), 0);
    if (n < 0) {
        return std::nullopt;
    }
    buffer.resize(static_cast<std::size_t>(n));
    return buffer;
}

std::optional<Reply> UdpProbe::Ask(const std::string& datagram, std::chrono::milliseconds timeout) {
    Send(datagram);
    const auto bytes = Receive(timeout);
    if (!bytes) {
        return std::nullopt;
    }
    return DecodeReply(*bytes);
}

}  // namespace tessel::test
