#pragma once

// Reads the router state from a JSON data file (schema in the README).
// Throws std::runtime_error naming the file and the offending field.

#include <string>

#include "router_state.hpp"

namespace tessel::sim {

RouterState LoadRouterState(const std::string& path);
RouterState ParseRouterState(const std::string& json, const std::string& origin);

}  // namespace tessel::sim
