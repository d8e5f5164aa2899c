#pragma once

// Which local address the console connection leaves from. The operator picks
// a source address from the host's own IPv4 addresses, but a source that
// cannot reach the router must never make a login impossible: the kernel
// refuses to connect from a loopback address to any other host, binding an
// address the host no longer has fails outright, and a router on a directly
// connected link cannot answer an address of the host's other interfaces
// (the connect hangs, then fails). The source is bound only where the routing
// table would leave from it anyway (or from its interface); everything else
// connects unbound and leaves the choice to the routing table.

#include "core/session/route_towards.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

// A strict dotted quad ("10.1.2.3": four decimal parts 0..255, nothing
// around them) as a host-order number; nullopt for anything else.
std::optional<std::uint32_t> ParseIpv4(std::string_view text);

// 127.0.0.0/8.
bool IsLoopbackIpv4(std::uint32_t address);

// The host's addresses in the order the source list shows them: every
// non-loopback address first, then the loopback ones, each group in the order
// given; duplicates and texts that are not dotted quads are left out.
std::vector<std::string> OrderSourceAddresses(const std::vector<std::string>& addresses);

enum class SourceBinding {
    Bind,                // bind the source address
    NoSource,            // nothing chosen (or not a dotted quad)
    NotOnHost,           // the host no longer has the address
    DestinationUnknown,  // the destination did not resolve to an IPv4 address
    LoopbackToRemote,    // a loopback source cannot reach another host
    NoRoute,             // the host has no route to the destination
    OffRoute,            // the way to the destination leaves from another interface
};

// May the console bind source to reach destination (the resolved address of
// the router, empty when it did not resolve)? hostAddresses are the host's
// current IPv4 addresses; route is what the routing table says about the way
// to destination. Any local source reaches a destination on this host.
SourceBinding DecideSourceBinding(std::string_view source, std::string_view destination,
                                  const std::vector<std::string>& hostAddresses,
                                  const RouteTowards& route);

// The support-trace line for the decision; routeSource is the address the
// way to destination leaves from.
std::string SourceBindingTraceText(SourceBinding decision, std::string_view source,
                                   std::string_view destination, std::string_view routeSource);

}  // namespace tessel
