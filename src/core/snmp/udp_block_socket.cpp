#include "core/snmp/udp_block_socket.hpp"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <ctime>

namespace tessel {

namespace {

bool ParsePort(const std::string& text, std::uint16_t& port) {
    unsigned value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value > 65535) {
        return false;
    }
    port = static_cast<std::uint16_t>(value);
    return true;
}

bool EndsWithInvalidDomain(const std::string& host) {
    std::string_view name(host);
    if (!name.empty() && name.back() == '.') {
        name.remove_suffix(1);
    }
    constexpr std::string_view suffix = "invalid";
    if (name.size() < suffix.size()) {
        return false;
    }
    const std::string_view last = name.substr(name.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        if ((last[i] | 0x20) != suffix[i]) {
            return false;
        }
    }
    return name.size() == suffix.size() || name[name.size() - suffix.size() - 1] == '.';
}

// inet_ntop formats through printf, a noticeable share of a loopback exchange.
void AppendDottedQuad(const in_addr& address, std::string& out) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&address.s_addr);
    char text[16];
    char* end = text;
    for (int i = 0; i < 4; ++i) {
        if (i != 0) {
            *end++ = '.';
        }
        // At most three digits a byte; bounding each to three also shows
        // GCC at -O3 that the dots stay inside text.
        end = std::to_chars(end, end + 3, bytes[i]).ptr;
    }
    out.assign(text, end);
}

// Milliseconds on the coarse monotonic clock, rounded up.
std::int64_t CoarseNowMs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000 + (now.tv_nsec + 999999) / 1000000;
}

}  // namespace

UdpBlockSocket::~UdpBlockSocket() {
    Close();
}

void UdpBlockSocket::Close() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

bool UdpBlockSocket::Fail(int error) {
    lastError_ = error;
    return false;
}

bool UdpBlockSocket::Resolve(const std::string& host, const std::string& port) {
    std::uint16_t number = 0;
    if (!ParsePort(port, number)) {
        return Fail(EINVAL);
    }
    remote_ = {};
    // The common case is a typed address: no lookup machinery for it.
    auto* v4 = reinterpret_cast<sockaddr_in*>(&remote_);
    if (::inet_pton(AF_INET, host.c_str(), &v4->sin_addr) == 1) {
        v4->sin_family = AF_INET;
        v4->sin_port = htons(number);
        remoteLength_ = sizeof(sockaddr_in);
        return true;
    }
    auto* v6 = reinterpret_cast<sockaddr_in6*>(&remote_);
    if (::inet_pton(AF_INET6, host.c_str(), &v6->sin6_addr) == 1) {
        v6->sin6_family = AF_INET6;
        v6->sin6_port = htons(number);
        remoteLength_ = sizeof(sockaddr_in6);
        return true;
    }
    // Reserved names must fail at once rather than reach a name server.
    if (host.empty() || EndsWithInvalidDomain(host)) {
        return Fail(EHOSTUNREACH);
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) {
        return Fail(EHOSTUNREACH);
    }
    std::memcpy(&remote_, found->ai_addr, found->ai_addrlen);
    remoteLength_ = found->ai_addrlen;
    ::freeaddrinfo(found);
    v4->sin_port = htons(number);
    return true;
}

bool UdpBlockSocket::Open() {
    if (fd_ >= 0) {
        return true;
    }
    if (remoteLength_ == 0) {
        return Fail(EDESTADDRREQ);
    }
    const int family = remote_.ss_family;
    fd_ = ::socket(family, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0) {
        return Fail(errno);
    }
    // An unconnected UDP socket would never hear of an ICMP port-unreachable;
    // connecting it would, but would then drop replies from any other source
    // address. Asking for error reports keeps the socket unconnected and still
    // wakes the wait at once with ECONNREFUSED when the port is closed.
    const int on = 1;
    if (family == AF_INET6) {
        ::setsockopt(fd_, IPPROTO_IPV6, IPV6_RECVERR, &on, sizeof on);
    } else {
        ::setsockopt(fd_, IPPROTO_IP, IP_RECVERR, &on, sizeof on);
    }
    if (family == AF_INET && !localAddress_.empty() && localAddress_ != "0.0.0.0") {
        sockaddr_in local{};
        local.sin_family = AF_INET;
        if (::inet_pton(AF_INET, localAddress_.c_str(), &local.sin_addr) != 1 ||
            ::bind(fd_, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
            const int error = errno;
            Close();
            return Fail(error == 0 ? EINVAL : error);
        }
    }
    return true;
}

bool UdpBlockSocket::SendTo(std::string_view datagram) {
    if (!Open()) {
        return false;
    }
    const ssize_t sent = ::sendto(fd_, datagram.data(), datagram.size(), MSG_NOSIGNAL,
                                  reinterpret_cast<const sockaddr*>(&remote_), remoteLength_);
    if (sent < 0 || static_cast<std::size_t>(sent) != datagram.size()) {
        return Fail(sent < 0 ? errno : EMSGSIZE);
    }
    return true;
}

bool UdpBlockSocket::CanRead(int timeoutMs) {
    if (fd_ < 0) {
        return Fail(EBADF);
    }
    // A negative time-out would make poll wait for ever.
    timeoutMs = timeoutMs < 0 ? 0 : timeoutMs;
    // The start is only needed if a signal cuts the wait short, so it is read
    // from the coarse clock (a few milliseconds' grain, a fraction of the
    // cost of the precise one on every exchange); what is left of the wait is
    // rounded up to the next millisecond.
    const std::int64_t started = CoarseNowMs();
    pollfd waiter{fd_, POLLIN, 0};
    int wait = timeoutMs;
    for (;;) {
        const int ready = ::poll(&waiter, 1, wait);
        if (ready > 0) {
            return true;
        }
        if (ready == 0) {
            return Fail(ETIMEDOUT);
        }
        if (errno != EINTR) {
            return Fail(errno);
        }
        const std::int64_t left = started + timeoutMs - CoarseNowMs();
        wait = left > 0 ? static_cast<int>(left) : 0;
    }
}

bool UdpBlockSocket::RecvFrom(std::string& buffer, std::string& sourceIp) {
    if (fd_ < 0) {
        return Fail(EBADF);
    }
    // The largest UDP payload; only the bytes received are ever touched.
    char datagram[65536];
    sockaddr_storage source{};
    socklen_t sourceLength = sizeof source;
    ssize_t received = 0;
    do {
        received = ::recvfrom(fd_, datagram, sizeof datagram, MSG_DONTWAIT,
                              reinterpret_cast<sockaddr*>(&source), &sourceLength);
    } while (received < 0 && errno == EINTR);
    if (received < 0) {
        return Fail(errno);
    }
    buffer.assign(datagram, static_cast<std::size_t>(received));
    if (source.ss_family == AF_INET) {
        AppendDottedQuad(reinterpret_cast<const sockaddr_in*>(&source)->sin_addr, sourceIp);
    } else if (source.ss_family == AF_INET6) {
        char text[INET6_ADDRSTRLEN] = "";
        if (::inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6*>(&source)->sin6_addr, text,
                        sizeof text)) {
            sourceIp = text;
        }
    }
    return true;
}

}  // namespace tessel
