#include "core/snmp/snmp_send.hpp"

#include "core/session/runtime_config.hpp"

namespace tessel {

bool SnmpSend::SendRequest() {
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
    return ReadProcessRuntimeConfig().snmpPort;
}

}  // namespace tessel
