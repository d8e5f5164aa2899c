#pragma once

// Turns the router state into the agent's object store. The column layout of
// every table is documented in tools/router-sim/README.md.

#include "mib_store.hpp"
#include "router_state.hpp"

namespace tessel::sim {

// Roots of the groups served.
extern const Oid MibSystem;      // 1.3.6.1.2.1.1
extern const Oid MibInterfaces;  // 1.3.6.1.2.1.2
extern const Oid MibIp;          // 1.3.6.1.2.1.4
extern const Oid MibEnterprise;  // 1.3.6.1.4.1.3942.1.1

void BuildMib(const RouterState& state, MibStore& store);

}  // namespace tessel::sim
