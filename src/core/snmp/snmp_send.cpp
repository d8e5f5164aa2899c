#include "core/snmp/snmp_send.hpp"

#include "core/session/runtime_config.hpp"

#include <cerrno>

namespace tessel {

bool SnmpSend::SendRequest() {
    // Room for the query and a typical reply in one allocation.
    Buffer.reserve(512);
    Query.Encode(Buffer);
    if (!Sock.Resolve(TargetHost, TargetPort)) {
        return false;
    }
    Sock.SetLocalAddress(IPInterface);
    if (!Sock.SendTo(Buffer)) {
        return false;
    }
    // A reply that is already waiting (the router often answers before the
    // send returns) is taken at once; only when none is does the wait start.
    if (!Sock.RecvFrom(Buffer, HostIP)) {
        const int error = Sock.LastError();
        if ((error != EAGAIN && error != EWOULDBLOCK) || !Sock.CanRead(Timeout) ||
            !Sock.RecvFrom(Buffer, HostIP)) {
            return false;
        }
    }
    return Reply.Decode(Buffer);
}

std::string SnmpDestinationPort() {
    return ReadProcessRuntimeConfig().snmpPort;
}

}  // namespace tessel
