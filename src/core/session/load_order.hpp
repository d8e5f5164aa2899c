#pragma once

// The order in which the pages read the router: once after login and again
// on "Refresh all" (what a console command reads again, the command says
// itself). The order is the router's, not the tabs': the radio needs the
// interface names, the base-station tables need the radio bands.

#include "core/pages/read_step.hpp"

#include <span>

namespace tessel {

struct LoadStep {
    ReadStep step;
    // The login progress bar after the step; 0 leaves it as it is.
    int progress = 0;
};

// The post-login load. After its last step the window asks for the ARP table
// on the console and the bar reaches 100.
std::span<const LoadStep> PostLoginLoadOrder();

// "Refresh all": the settings and the base-station tables, without the
// once-per-login radio list and the large routing and QoS tables.
std::span<const ReadStep> RefreshAllOrder();

}  // namespace tessel
