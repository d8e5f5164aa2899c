#pragma once

// The order in which the pages read the router: once after login, again on
// "Refresh all", and in part after a console command's reply. The order is
// the router's, not the tabs': the radio needs the interface names, the
// base-station tables need the radio bands.

#include "core/console/reply_dispatch.hpp"

#include <span>

namespace tessel {

enum class ReadStep {
    SystemSettings,
    Interfaces,
    RadioInterfaceList,
    RadioParameters,
    CpeTable,
    BsList,
    RmaSettings,
    RoutingTable,
    QosTable,
};

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

// The reads a console reply calls for (the router's prompt after a change
// command): the group that changed, and what depends on it.
std::span<const ReadStep> ReadsAfterReply(ReplyAction action);

}  // namespace tessel
