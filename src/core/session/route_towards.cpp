#include "core/session/route_towards.hpp"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <utility>

namespace tessel {

namespace {

std::string DottedQuad(const in_addr& address) {
    char text[INET_ADDRSTRLEN] = {};
    return ::inet_ntop(AF_INET, &address, text, sizeof text) != nullptr ? std::string(text)
                                                                        : std::string();
}

std::string KernelSource(std::string_view destination, std::uint16_t port) {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    if (::inet_pton(AF_INET, std::string(destination).c_str(), &to.sin_addr) != 1) {
        return {};
    }
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return {};
    }
    sockaddr_in from{};
    socklen_t length = sizeof from;
    const bool named = ::connect(fd, reinterpret_cast<const sockaddr*>(&to), sizeof to) == 0 &&
                       ::getsockname(fd, reinterpret_cast<sockaddr*>(&from), &length) == 0;
    ::close(fd);
    return named ? DottedQuad(from.sin_addr) : std::string();
}

// Each IPv4 address of the host with its interface's name. An alias label
// ("eth0:1") names the interface it is on.
std::vector<std::pair<std::string, std::string>> NamedAddresses() {
    ifaddrs* first = nullptr;
    if (::getifaddrs(&first) != 0) {
        return {};
    }
    const std::unique_ptr<ifaddrs, decltype(&::freeifaddrs)> owner(first, &::freeifaddrs);
    std::vector<std::pair<std::string, std::string>> named;
    for (const ifaddrs* entry = first; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET) {
            continue;
        }
        const std::string_view label(entry->ifa_name);
        const auto* address = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
        named.emplace_back(std::string(label.substr(0, label.find(':'))),
                           DottedQuad(address->sin_addr));
    }
    return named;
}

}  // namespace

RouteTowards AskRouteTowards(std::string_view destination, std::uint16_t port) {
    RouteTowards route;
    route.source = KernelSource(destination, port);
    if (route.source.empty()) {
        return route;
    }
    const auto named = NamedAddresses();
    const auto holder = std::find_if(named.begin(), named.end(), [&](const auto& entry) {
        return entry.second == route.source;
    });
    if (holder == named.end()) {
        return route;
    }
    for (const auto& [interface, address] : named) {
        if (interface == holder->first) {
            route.interfaceAddresses.push_back(address);
        }
    }
    return route;
}

}  // namespace tessel
