#pragma once

// "--scale max": fills every table up to the manager's limits on top of the
// loaded data, deterministically (the same data file always gives the same
// router), so that benchmarks and tests see the same tables run after run.
// A fraction below 1 fills every table to that share of its limit instead
// (at least one row), so that a benchmark can show how the manager's load
// grows with table size.

#include "router_state.hpp"

namespace tessel::sim {

void ApplyMaxScale(RouterState& state, double fraction = 1.0);

}  // namespace tessel::sim
