#include "core/snmp/snmp_send.hpp"

#include <charconv>
#include <cstdlib>
#include <string_view>

namespace tessel {

bool TSNMPSend::SendRequest() {
    // Room for the query and a typical reply in one allocation.
    Buffer.reserve(512);
    Query.Encode(Buffer);
    if (!Sock.Resolve(TargetHost, TargetPort)) {
        return false;
    }
    Sock.SetLocalAddress(IPInterface);
    if (!Sock.SendTo(Buffer) || !Sock.CanRead(Timeout) || !Sock.RecvFrom(Buffer, HostIP)) {
        return false;
    }
    return Reply.Decode(Buffer);
}

std::string SnmpDestinationPort() {
    const char* value = std::getenv("TESSEL_SNMP_PORT");
    if (value != nullptr) {
        const std::string_view text(value);
        unsigned port = 0;
        const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), port);
        if (!text.empty() && ec == std::errc() && ptr == text.data() + text.size() && port >= 1 &&
            port <= 65535) {
            return std::string(text);
        }
    }
    return "161";
}

}  // namespace tessel
