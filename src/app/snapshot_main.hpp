#pragma once

// "--snapshot": the router read and printed as JSON, with no window and no
// display (nothing here creates an application object).

#include "core/session/runtime_config.hpp"

#include <optional>

namespace tessel {

// When the command line asks for a snapshot, runs it and gives the exit
// status: 0 complete, 1 no answer or not written, 2 wrong command line.
// Nothing otherwise. config gives the agent's port and the trace.
std::optional<int> RunSnapshotIfAsked(int argc, const char* const* argv,
                                      const RuntimeConfig& config);

}  // namespace tessel
