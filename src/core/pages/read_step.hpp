#pragma once

// One read of a page's group: the unit of the post-login load, "Refresh all"
// and the reads that follow a console command. Each step belongs to one page.

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

}  // namespace tessel
