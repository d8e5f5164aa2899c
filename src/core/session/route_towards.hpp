#pragma once

// What the host's routing table says about the way to the router. A router
// on a directly connected management link can answer only the addresses it
// has a route to: the one an unbound connection to it leaves from, and the
// other addresses of that interface. An address of another interface (the
// office LAN a laptop lists first) reaches the router, but its answers never
// come back.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

struct RouteTowards {
    // The local address an unbound connection leaves from; empty when the
    // host has no route there.
    std::string source;
    // Every IPv4 address of the interface that holds source, source among
    // them; empty when the interface could not be told.
    std::vector<std::string> interfaceAddresses;
};

// Asks the kernel about the way to destination (a dotted quad) and port: a
// UDP socket connected there, which sends nothing, names its own address; the
// interface addresses come from getifaddrs. Anything that fails leaves the
// fields empty; nothing is reported.
RouteTowards AskRouteTowards(std::string_view destination, std::uint16_t port);

}  // namespace tessel
