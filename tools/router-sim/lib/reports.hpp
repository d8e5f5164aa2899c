#pragma once

// Text the console prints: the ARP table, interface information, help, and
// the report lines of the load meter and the RMA link test. Report lines
// separate their figures by at least two blanks, because the manager's
// column scanner loses the first character after a single blank.

#include <cstdint>
#include <string>

#include "command_result.hpp"
#include "router_state.hpp"

namespace tessel::sim {

// Lines joined by CR LF, without a final line end.
std::string ArpReport(const RouterState& state);
std::string InterfaceReport(const RouterState& state, std::uint32_t ifIndex);
std::string HelpText();

// Running figures of one load meter.
struct LoadMeterRun {
    StreamRequest request;
    std::uint64_t reports = 0;
    std::uint64_t inSum = 0;
    std::uint64_t outSum = 0;
    std::uint64_t inMax = 0;
    std::uint64_t outMax = 0;
};

// One report line (ending in CR LF) and the run updated.
std::string LoadMeterLine(const RouterState& state, LoadMeterRun& run);
std::string LoadMeterHeading(const RouterState& state, const StreamRequest& request);

struct LinkTestRun {
    StreamRequest request;
    std::uint64_t reports = 0;
};
std::string LinkTestLine(const RouterState& state, LinkTestRun& run);

// A deterministic mix of the inputs (splitmix64), for plausible jitter.
std::uint64_t Mix(std::uint64_t value);

}  // namespace tessel::sim
