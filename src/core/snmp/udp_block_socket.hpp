#pragma once

// A blocking-style UDP socket for one request/reply exchange: resolve, send
// one datagram, wait for readability with a time-out, read one datagram and
// its source. Errors stay inside the object (LastError); nothing throws.

#include <sys/socket.h>

#include <string>
#include <string_view>

namespace tessel {

class UdpBlockSocket {
  public:
    UdpBlockSocket() = default;
    UdpBlockSocket(const UdpBlockSocket&) = delete;
    UdpBlockSocket& operator=(const UdpBlockSocket&) = delete;
    ~UdpBlockSocket();

    // Sets the destination. Address literals (IPv4 dotted or IPv6) are taken
    // as they are; a name is looked up for IPv4 addresses and the first one
    // is used. Names under the reserved ".invalid" domain never resolve and
    // are not looked up. The port must be a decimal number.
    bool Resolve(const std::string& host, const std::string& port);

    // Binds the socket-to-be to a local IPv4 address (port chosen by the
    // system). "0.0.0.0" or empty means any, which needs no bind at all.
    void SetLocalAddress(const std::string& address) { localAddress_ = address; }

    // Sends one datagram to the resolved destination, creating the socket
    // for the destination's family on first use.
    bool SendTo(std::string_view datagram);

    // True when a datagram or an error report is waiting, after at most
    // timeoutMs (a negative one counts as 0). False on time-out.
    bool CanRead(int timeoutMs);

    // Reads the one waiting datagram, from whatever source, into buffer and
    // its source address into sourceIp. Fails when nothing is waiting, which
    // is how an ICMP port-unreachable for our send shows up.
    bool RecvFrom(std::string& buffer, std::string& sourceIp);

    bool IsOpen() const { return fd_ >= 0; }
    void Close();
    // errno of the last failed step, 0 when none failed.
    int LastError() const { return lastError_; }

  private:
    bool Open();
    bool Fail(int error);

    int fd_ = -1;
    int lastError_ = 0;
    std::string localAddress_;
    sockaddr_storage remote_{};
    socklen_t remoteLength_ = 0;
};

}  // namespace tessel
