#pragma once

// "--scale max": fills every table up to the manager's limits on top of the
// loaded data, deterministically (the same data file always gives the same
// router), so that benchmarks and tests see the same tables run after run.

#include "router_state.hpp"

namespace tessel::sim {

void ApplyMaxScale(RouterState& state);

}  // namespace tessel::sim
