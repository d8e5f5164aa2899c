#pragma once

// Executes one console command line against the router state. A command that
// would leave the state inconsistent (bad address, unknown interface,
// duplicate, value out of range) is refused with an "Error: " line and
// changes nothing.

#include <string>
#include <string_view>
#include <vector>

#include "command_result.hpp"
#include "router_state.hpp"

namespace tessel::sim {

CommandResult ExecuteCommand(RouterState& state, std::string_view line);

// The command families, one file each.
CommandResult ExecuteSys(RouterState& state, std::string_view args);
CommandResult ExecuteRma(RouterState& state, std::string_view args);
CommandResult ExecuteRf(RouterState& state, std::string_view args);
CommandResult ExecuteIfc(RouterState& state, std::string_view args);
CommandResult ExecuteLoadMeter(RouterState& state, std::string_view args);

// Helpers shared by the families.
std::vector<std::string_view> SplitWords(std::string_view text);
// A whole decimal number (optional leading "-") within [low, high].
bool ParseInt(std::string_view text, long long low, long long high, long long& out);
CommandResult Error(std::string_view message);
// Output and all: reports, and the few lines that answer more than a setting.
CommandResult Done(std::string_view message, bool changed);
// A configuration command that took: as a real router does, it says nothing
// between its echo and the prompt, so that any text there is news.
CommandResult Applied(bool changed);

}  // namespace tessel::sim
