#pragma once

// Everything the window's post-login load reads, as plain data: the same page
// readers in the same order, with each page that depends on the chosen radio
// read once per radio interface, one radio after the other.

#include "core/pages/bs_list_read.hpp"
#include "core/pages/bs_registration_read.hpp"
#include "core/pages/cpe_table_read.hpp"
#include "core/pages/interfaces_read.hpp"
#include "core/pages/qos_table_read.hpp"
#include "core/pages/radio_read.hpp"
#include "core/pages/routing_table_read.hpp"
#include "core/pages/system_read.hpp"
#include "core/snapshot/snapshot_reader.hpp"
#include "core/snmp/oids.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

// One radio interface as the radio selectors list it.
struct RadioSnapshot {
    std::string name;
    int number = 0;  // position in the selectors from 1, as the router's tables number radios
    int band = 0;    // 0 beyond the two radios whose band is recorded
    RadioParameters parameters;
    CpeTable cpe;
    BsList baseStations;
    // Read only when the list asks for it, as the CPE page does.
    std::optional<BsRegistration> registration;
    RmaSettings rma;
};

struct RouterSnapshot {
    SystemSettings system;
    InterfacesReading interfaces;
    bool rmaStarted = false;
    std::vector<RadioSnapshot> radios;
    std::vector<RouteRow> routes;
    std::vector<QosRow> qos;
};

enum class SnapshotOutcome {
    Complete,
    NoAnswer,          // the first read, the probe, got no answer
    StoppedAnswering,  // a later read got none
};

// The object the login probes with; the snapshot probes with it too, so that
// a silent router costs one time-out and not one per page.
inline constexpr std::string_view SnapshotProbeOid = oids::CpuLoad;

// Probes, then reads every page into snapshot. Stops at the first failed
// exchange; snapshot is then incomplete and must not be shown as a result.
// routerHost is the address as given, for the readers that show it.
SnapshotOutcome CollectRouterSnapshot(SnapshotReader& reader, std::string_view routerHost,
                                      RouterSnapshot& snapshot);

}  // namespace tessel
