#pragma once

// Names the routing table shows in place of the numbers the router reports.

#include <array>
#include <string>
#include <string_view>

namespace tessel {

// The route protocol names by value 1..14 (entry 0 is unused).
extern const std::array<std::string_view, 15> RouteProtocolNames;

// The name for a protocol value as read; empty for a value outside 1..14, an
// empty read, or a text that is not a number.
std::string RouteProtocolName(std::string_view value);

}  // namespace tessel
