#pragma once

// One SNMP exchange: a query, its reply and the socket that carries them.
// Built for one call and destroyed after it; nothing survives between calls.

#include <string>

#include "core/snmp/snmp_rec.hpp"
#include "core/snmp/udp_block_socket.hpp"

namespace tessel {

class SnmpSend {
  public:
    SnmpRec Query;
    SnmpRec Reply;
    UdpBlockSocket Sock;
    std::string TargetHost;
    std::string TargetPort = "161";
    std::string IPInterface = "0.0.0.0";
    int Timeout = 5000;
    // The last datagram sent or received.
    std::string Buffer;
    // Where the reply came from; recorded, never compared with anything.
    std::string HostIP = "0.0.0.0";

    // Resolves the target, sends the encoded Query once, waits up to Timeout
    // ms for one datagram and decodes it into Reply. True only when a
    // datagram came back and was accepted. No retry.
    bool SendRequest();
};

// The agent's UDP port: "161", or the value of TESSEL_SNMP_PORT when that
// holds a port number (1 to 65535), so that a lab agent can listen elsewhere.
// Reads the environment on every call: the programs take the port from the
// configuration they read at start-up instead.
std::string SnmpDestinationPort();

}  // namespace tessel
