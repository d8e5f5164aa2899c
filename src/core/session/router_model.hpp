#pragma once

// What the pages learn about the router and share with each other: the
// interface names (read with the interfaces) and the radio bands (read with
// the radio list). The window owns it; the pages reach it through their host.

#include <array>
#include <string>
#include <vector>

namespace tessel {

struct RouterModel {
    // Entry k: the description of interface k.
    std::vector<std::string> InterfaceNames;
    // One band code per radio, in selector order.
    std::array<int, 2> RadioBand{0, 0};
};

}  // namespace tessel
