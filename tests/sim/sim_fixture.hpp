#pragma once

// Router states for the library tests: the bundled data files, loaded the
// way the program loads them.

#include <string>

#include "router_state.hpp"
#include "state_loader.hpp"

namespace tessel::test {

inline sim::RouterState BundledState(const std::string& name = "base-station.json") {
    return sim::LoadRouterState(std::string(TESSEL_SIM_DATA_DIR) + "/" + name);
}

}  // namespace tessel::test
