#pragma once

// The router state shared by every connection, with the agent's object
// store derived from it. Commands mark the state changed; the store is
// rebuilt on the next SNMP request, not per request and not per command.

#include <chrono>
#include <cstdint>

#include "mib_builder.hpp"
#include "mib_store.hpp"
#include "router_state.hpp"

namespace tessel::sim {

class RouterModel {
  public:
    explicit RouterModel(RouterState state)
        : state_(std::move(state)), started_(std::chrono::steady_clock::now()) {}

    RouterState& State() { return state_; }
    void MarkChanged() { dirty_ = true; }

    const MibStore& Store() {
        if (dirty_) {
            BuildMib(state_, store_);
            dirty_ = false;
        }
        return store_;
    }

    // Hundredths of a second since start, as sysUpTime counts.
    std::uint64_t UpTimeTicks() const {
        const auto elapsed = std::chrono::steady_clock::now() - started_;
        return static_cast<std::uint64_t>(
                   std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()) /
               10;
    }

  private:
    RouterState state_;
    MibStore store_;
    bool dirty_ = true;
    std::chrono::steady_clock::time_point started_;
};

}  // namespace tessel::sim
