#include "scale.hpp"

#include <algorithm>
#include <cmath>
#include <set>

#include "reports.hpp"

namespace tessel::sim {

namespace {

// The table sizes one fill aims at.
struct Limits {
    std::size_t interfaces = MaxInterfaces;
    std::size_t addresses = MaxAddresses;
    std::size_t routes = MaxRoutes;
    std::size_t cpesPerRadio = MaxCpesPerRadio;
    std::size_t baseStationRows = MaxBaseStationRows;
    std::size_t qosRows = MaxQosRows;
};

std::size_t Share(std::size_t limit, double fraction) {
    const auto rows = static_cast<std::size_t>(std::llround(static_cast<double>(limit) * fraction));
    return std::clamp<std::size_t>(rows, 1, limit);
}

Limits ScaledLimits(double fraction) {
    return {Share(MaxInterfaces, fraction),      Share(MaxAddresses, fraction),
            Share(MaxRoutes, fraction),          Share(MaxCpesPerRadio, fraction),
            Share(MaxBaseStationRows, fraction), Share(MaxQosRows, fraction)};
}

Mac GeneratedMac(std::uint32_t kind, std::uint32_t n) {
    return {0x02,
            0x0B,
            static_cast<std::uint8_t>(kind),
            static_cast<std::uint8_t>(n >> 16),
            static_cast<std::uint8_t>(n >> 8),
            static_cast<std::uint8_t>(n)};
}

void FillInterfaces(RouterState& s, const Limits& limits) {
    std::uint32_t n = 0;
    while (s.interfaces.size() < limits.interfaces) {
        ++n;
        Interface f;
        const bool vlan = n % 5 == 0;
        f.name = (vlan ? "vlan" : "eth") + std::to_string(100 + n);
        f.type = vlan ? 135 : 6;
        f.mtu = vlan ? 1496 : 1500;
        f.speed = 100000000;
        f.mac = GeneratedMac(1, n);
        f.up = n % 7 != 0;
        f.inOctetsPerSecond = static_cast<std::uint32_t>(Mix(n) % 500000);
        f.outOctetsPerSecond = static_cast<std::uint32_t>(Mix(n + 77) % 500000);
        if (s.InterfaceIndex(f.name) == 0) {
            s.interfaces.push_back(f);
        }
    }
}

void FillAddresses(RouterState& s, const Limits& limits) {
    std::set<std::uint32_t> used;
    std::set<std::uint32_t> routed;
    for (const Address& a : s.addresses) {
        used.insert(a.address);
    }
    for (const Route& r : s.routes) {
        routed.insert(r.destination);
    }
    std::uint32_t n = 0;
    while (s.addresses.size() < limits.addresses) {
        ++n;
        const std::uint32_t address = (10u << 24) | ((200 + n / 250) << 16) | ((n % 250) << 8) | 1;
        if (used.count(address) != 0) {
            continue;
        }
        // Spread over the generated interfaces, which follow the loaded ones
        // (over all of them when a fraction generated fewer than sixty).
        const std::size_t spread = std::min<std::size_t>(60, s.interfaces.size());
        const std::uint32_t ifIndex =
            static_cast<std::uint32_t>(s.interfaces.size() - (n % spread));
        const Address a{address, 0xFFFFFF00u, ifIndex};
        s.addresses.push_back(a);
        used.insert(address);
        const std::uint32_t network = address & a.mask;
        if (routed.insert(network).second) {
            Route r;
            r.destination = network;
            r.mask = a.mask;
            r.nextHop = address;
            r.ifIndex = ifIndex;
            r.metric = 0;
            r.type = 3;
            r.proto = 2;
            s.routes.push_back(r);
        }
    }
}

void FillRoutes(RouterState& s, const Limits& limits) {
    std::set<std::uint32_t> routed;
    for (const Route& r : s.routes) {
        routed.insert(r.destination);
    }
    static constexpr std::int32_t Protocols[] = {3, 8, 13, 14, 2, 8, 8, 3};
    std::uint32_t n = 0;
    while (s.routes.size() < limits.routes) {
        const std::uint32_t destination = (172u << 24) | ((16u << 16) + (n << 8));
        ++n;
        if (!routed.insert(destination).second) {
            continue;
        }
        const Address& via = s.addresses[n % s.addresses.size()];
        Route r;
        r.destination = destination;
        r.mask = 0xFFFFFF00u;
        r.nextHop = (via.address & via.mask) | 0xFE;
        r.ifIndex = via.ifIndex;
        r.proto = Protocols[n % std::size(Protocols)];
        r.metric = r.proto == 8 ? static_cast<std::int32_t>(1 + n % 15) : 1;
        r.type = 4;
        r.age = static_cast<std::int32_t>(Mix(n) % 3600);
        s.routes.push_back(r);
    }
}

void FillCpes(RouterState& s, const Limits& limits) {
    if (s.RadioInterfaceNames().empty()) {
        return;
    }
    std::uint32_t n = 0;
    while (std::count_if(s.cpes.begin(), s.cpes.end(), [](const Cpe& c) { return c.radio == 1; }) <
           static_cast<long>(limits.cpesPerRadio)) {
        ++n;
        Cpe c;
        c.radio = 1;
        c.mac = GeneratedMac(2, n);
        c.ip = (10u << 24) | (250u << 16) | ((n / 64) << 8) | ((n % 64) * 4 + 2);
        c.name = "cpe" + std::to_string(n);
        c.enabled = n % 9 != 0;
        c.registered = c.enabled && n % 4 != 0;
        const std::uint64_t noise = Mix(n);
        c.levelFrom = c.registered ? static_cast<std::int32_t>(4 + noise % 13) : 0;
        c.levelTo = c.registered ? static_cast<std::int32_t>(4 + (noise >> 8) % 13) : 0;
        c.txRate = c.registered ? static_cast<std::int32_t>(1 + (noise >> 16) % 8) : 0;
        c.rxRate = c.registered ? static_cast<std::int32_t>(1 + (noise >> 24) % 8) : 0;
        c.distance = static_cast<std::int32_t>(1 + (noise >> 32) % 30);
        c.limitDown = static_cast<std::int32_t>(512 * (1 + n % 8));
        c.limitUp = c.limitDown / 4;
        const bool taken = std::any_of(s.cpes.begin(), s.cpes.end(), [&](const Cpe& o) {
            return o.radio == 1 && (o.mac == c.mac || o.ip == c.ip);
        });
        if (!taken) {
            s.cpes.push_back(c);
        }
    }
}

void FillBaseStations(RouterState& s, const Limits& limits) {
    const auto names = s.RadioInterfaceNames();
    const Radio* radio = names.empty() ? nullptr : s.FindRadio(names[0]);
    if (radio == nullptr || radio->frequencies.empty()) {
        return;
    }
    const bool band2 = std::to_string(radio->frequency).front() == '2';
    const std::int32_t speed = band2 ? 11000 : 54000;
    std::uint32_t n = 0;
    while (s.baseStations.size() < limits.baseStationRows && n < 100000) {
        // Twenty base stations of three to four frequencies each.
        const std::uint32_t record = n / 4;
        const BaseStationRow row{1, radio->frequencies[(n + record) % radio->frequencies.size()],
                                 speed, 0x200 + record % 20};
        ++n;
        const bool taken =
            std::any_of(s.baseStations.begin(), s.baseStations.end(), [&](const BaseStationRow& b) {
                return b.radio == row.radio && b.sid == row.sid && b.speed == row.speed &&
                       b.frequency == row.frequency;
            });
        if (!taken) {
            s.baseStations.push_back(row);
        }
    }
}

void FillQos(RouterState& s, const Limits& limits) {
    static constexpr const char* Classes[] = {"voice", "video", "interactive", "bulk", "default"};
    std::int32_t index = 0;
    for (const QosRow& q : s.qos) {
        index = std::max(index, q.index);
    }
    while (s.qos.size() < limits.qosRows) {
        ++index;
        const std::uint64_t noise = Mix(static_cast<std::uint64_t>(index));
        QosRow q;
        q.index = index;
        q.priority = 1 + index % 8;
        q.className = Classes[index % 5];
        q.address = "10.250." + std::to_string(index) + ".0/24";
        q.max = 256 * (1 + index % 16);
        q.maxPps = 100 * (1 + index % 10);
        q.curFlow = static_cast<std::uint32_t>(noise % static_cast<std::uint64_t>(q.max));
        q.curPps = static_cast<std::uint32_t>((noise >> 20) % static_cast<std::uint64_t>(q.maxPps));
        q.packets = static_cast<std::uint32_t>(noise >> 40);
        q.packetsDropped = q.packets / 200;
        q.bytes = q.packets * 300;
        q.bytesDropped = q.packetsDropped * 300;
        s.qos.push_back(q);
    }
}

}  // namespace

void ApplyMaxScale(RouterState& state, double fraction) {
    const Limits limits = ScaledLimits(fraction);
    FillInterfaces(state, limits);
    FillAddresses(state, limits);
    FillRoutes(state, limits);
    FillCpes(state, limits);
    FillBaseStations(state, limits);
    FillQos(state, limits);
}

}  // namespace tessel::sim
