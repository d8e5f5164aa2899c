#pragma once

// Everything the lab router knows. Console commands change it; the MIB
// builder turns it into the agent's object store. Interface indexes are
// positions in `interfaces` counted from 1; the radio number used by the
// RMA tables is the position among the interfaces whose name contains "rf".

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ipv4.hpp"

namespace tessel::sim {

// Limits of the manager's tables; the router refuses to grow beyond them.
inline constexpr std::size_t MaxInterfaces = 100;
inline constexpr std::size_t MaxAddresses = 100;
inline constexpr std::size_t MaxRoutes = 10000;
inline constexpr std::size_t MaxCpesPerRadio = 200;
inline constexpr std::size_t MaxBaseStationRows = 70;
inline constexpr std::size_t MaxQosRows = 64;
inline constexpr std::size_t PollingSlots = 2;

struct SystemInfo {
    std::string description = "Tessel lab router";
    std::string contact = "lab@example.net";
    std::string name = "router";
    std::string location;
    std::string firmware = "4.2.7";
    std::int32_t icmpLimit = 0;
    bool fastroute = false;
    bool sendRedirects = false;
    bool dropRedirects = false;
    std::uint32_t cpuLoad = 5;
};

struct Interface {
    std::string name;
    std::int32_t type = 6;  // ifType: 6 ethernet, 24 loopback, 71 radio, 131 tunnel, 135 vlan
    std::int32_t mtu = 1500;
    std::uint32_t speed = 100000000;
    Mac mac{};
    bool up = true;
    std::uint32_t inOctetsPerSecond = 0;
    std::uint32_t outOctetsPerSecond = 0;
    // The operator's note, 8-bit text (a real one holds bytes above 127).
    std::string description;
};

struct Address {
    std::uint32_t address = 0;
    std::uint32_t mask = 0;
    std::uint32_t ifIndex = 0;
};

struct Route {
    std::uint32_t destination = 0;
    std::uint32_t mask = 0;
    std::uint32_t nextHop = 0;
    std::uint32_t ifIndex = 0;
    std::int32_t metric = 1;
    std::int32_t type = 4;   // 3 direct, 4 indirect
    std::int32_t proto = 3;  // 2 local, 3 netmgmt, 8 rip ...
    std::int32_t age = 0;
};

struct Radio {
    std::string interfaceName;
    std::int32_t frequency = 0;  // MHz; 2xxx is the 2.4 GHz band
    std::int32_t bitrate = 0;    // kbit/s, one of bitrates
    std::uint32_t sid = 1;
    std::int32_t power = 0;  // dBm, one of powerLevels
    std::int32_t distance = 0;
    std::int32_t txRetries = 4;
    bool burst = false;
    bool longMode = false;
    bool pwrctl = false;
    bool wocd = false;
    bool autobitrate = false;
    std::int32_t noise = -95;
    std::vector<std::int32_t> frequencies;
    std::vector<std::int32_t> bitrates;
    std::vector<std::int32_t> powerLevels;
};

struct Cpe {
    std::uint32_t radio = 1;  // radio number
    Mac mac{};
    std::uint32_t ip = 0;
    std::string name;
    bool enabled = true;
    bool registered = false;
    std::int32_t levelFrom = 0;  // 0..16
    std::int32_t levelTo = 0;
    std::int32_t txRate = 0;  // rate code
    std::int32_t rxRate = 0;
    std::int32_t distance = 0;
    std::int32_t limitDown = 0;  // kbit/s, 0 = none
    std::int32_t limitUp = 0;
};

struct BaseStationRow {
    std::uint32_t radio = 1;
    std::int32_t frequency = 0;
    std::int32_t speed = 0;  // kbit/s
    std::uint32_t sid = 0;
};

// What a client unit is registered with. Shown only while a configured
// base-station row with the same radio, SID, speed and frequency exists.
struct Registration {
    std::uint32_t radio = 1;
    std::int32_t frequency = 0;
    std::int32_t bitrate = 0;
    std::uint32_t sid = 0;
    Mac bsMac{};
    std::uint32_t ip = 0;
    std::int32_t levelFrom = 0;
    std::int32_t levelTo = 0;
    std::int32_t txRate = 0;
    std::int32_t rxRate = 0;
};

struct QosRow {
    std::int32_t index = 0;
    std::int32_t priority = 0;
    std::string className;
    std::string address;  // "10.1.0.0/16"
    std::int32_t max = 0;
    std::int32_t maxPps = 0;
    std::uint32_t curFlow = 0;
    std::uint32_t curPps = 0;
    std::uint32_t packets = 0;
    std::uint32_t packetsDropped = 0;
    std::uint32_t bytes = 0;
    std::uint32_t bytesDropped = 0;
};

struct ArpEntry {
    std::uint32_t ip = 0;
    Mac mac{};
    std::string interfaceName;
};

struct RouterState {
    SystemInfo system;
    std::vector<Interface> interfaces;
    std::vector<Address> addresses;
    std::vector<Route> routes;
    std::vector<Radio> radios;
    bool rmaStarted = false;
    std::uint32_t polling[PollingSlots] = {0, 0};  // radio numbers, 0 = free slot
    std::vector<Cpe> cpes;
    std::vector<BaseStationRow> baseStations;
    std::optional<Registration> registration;
    std::vector<QosRow> qos;
    std::vector<ArpEntry> arp;

    // 1-based interface index of a name, 0 when there is none.
    std::uint32_t InterfaceIndex(std::string_view name) const;
    // 1-based radio number of a radio interface name, 0 when it is not one.
    std::uint32_t RadioNumber(std::string_view name) const;
    // The names of the radio interfaces in radio-number order.
    std::vector<std::string> RadioInterfaceNames() const;
    Radio* FindRadio(std::string_view interfaceName);
    const Radio* FindRadio(std::string_view interfaceName) const;
    // Whether the registration row is currently shown.
    bool RegistrationActive() const;
};

}  // namespace tessel::sim
