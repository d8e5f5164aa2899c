#include "core/router/route_names.hpp"

#include "core/router/number_text.hpp"

namespace tessel {

const std::array<std::string_view, 15> RouteProtocolNames = {
    "",    "other", "local", "netmgmt",   "icmp",      "egp",  "ggp", "hello",
    "rip", "is-is", "es-is", "ciscoIgrp", "bbnSpfIgp", "ospf", "bgp"};

std::string RouteProtocolName(std::string_view value) {
    const auto number = ParseInteger(value);
    if (!number || *number < 1 || *number >= static_cast<std::int64_t>(RouteProtocolNames.size())) {
        return {};
    }
    return std::string(RouteProtocolNames[static_cast<std::size_t>(*number)]);
}

}  // namespace tessel
