#pragma once

// Raw SNMP datagrams for the agent tests: build requests with the core BER
// writers, send them over loopback UDP, and take replies apart.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tessel::test {

struct Binding {
    std::string oid;  // dotted text
    std::uint8_t tag = 0x05;
    std::string value;  // content octets
};

std::string EncodeRequest(std::uint8_t pduType, const std::vector<std::string>& oids,
                          const std::string& community = "public",
                          std::string requestIdContent = std::string(1, '\x2A'),
                          std::int64_t version = 0);

struct Reply {
    std::uint8_t pduType = 0;
    std::string community;
    std::string requestId;  // content octets
    std::int32_t errorStatus = -1;
    std::int32_t errorIndex = -1;
    std::vector<Binding> bindings;
};

// nullopt when the bytes are not a well-formed SNMP message.
std::optional<Reply> DecodeReply(const std::string& bytes);

// One loopback UDP exchange; nullopt after the time-out.
class UdpProbe {
  public:
    explicit UdpProbe(int port);
    ~UdpProbe();
    UdpProbe(const UdpProbe&) = delete;
    UdpProbe& operator=(const UdpProbe&) = delete;

    void Send(const std::string& datagram);
    std::optional<std::string> Receive(
        std::chrono::milliseconds timeout = std::chrono::milliseconds(2000));
    std::optional<Reply> Ask(const std::string& datagram,
                             std::chrono::milliseconds timeout = std::chrono::milliseconds(2000));

  private:
    int fd_ = -1;
    int port_ = 0;
};

}  // namespace tessel::test
