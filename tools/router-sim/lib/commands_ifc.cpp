// "ifc ..." commands: interface information, address aliases (each with its
// connected route), MTU and up/down.

#include <algorithm>

#include "command_interpreter.hpp"
#include "reports.hpp"

namespace tessel::sim {

namespace {

// The route the router installs for an address: its network, directly
// connected through the interface.
Route ConnectedRoute(const Address& a) {
    Route r;
    r.destination = a.address & a.mask;
    r.mask = a.mask;
    r.nextHop = a.address;
    r.ifIndex = a.ifIndex;
    r.metric = 0;
    r.type = 3;
    r.proto = 2;
    return r;
}

CommandResult AddAlias(RouterState& state, std::uint32_t ifIndex, std::uint32_t address,
                       std::uint32_t mask) {
    if (std::any_of(state.addresses.begin(), state.addresses.end(),
                    [&](const Address& a) { return a.address == address; })) {
        return Error("ifc: address " + Ipv4Text(address) + " is already assigned");
    }
    if (state.addresses.size() >= MaxAddresses) {
        return Error("ifc: the address table is full (100 entries)");
    }
    const Address added{address, mask, ifIndex};
    const Route route = ConnectedRoute(added);
    const bool routeExists =
        std::any_of(state.routes.begin(), state.routes.end(),
                    [&](const Route& r) { return r.destination == route.destination; });
    if (!routeExists && state.routes.size() >= MaxRoutes) {
        return Error("ifc: the routing table is full");
    }
    state.addresses.push_back(added);
    if (!routeExists) {
        state.routes.push_back(route);
    }
    return Applied(true);
}

CommandResult RemoveAlias(RouterState& state, std::uint32_t ifIndex, std::uint32_t address,
                          std::optional<std::uint32_t> mask) {
    const auto it =
        std::find_if(state.addresses.begin(), state.addresses.end(), [&](const Address& a) {
            return a.address == address && a.ifIndex == ifIndex && (!mask || a.mask == *mask);
        });
    if (it == state.addresses.end()) {
        return Error("ifc: no such address on the interface");
    }
    const Route route = ConnectedRoute(*it);
    state.addresses.erase(it);
    // The connected route goes with the last address of its network.
    const bool networkStillUsed =
        std::any_of(state.addresses.begin(), state.addresses.end(), [&](const Address& a) {
            return a.ifIndex == ifIndex && (a.address & a.mask) == route.destination &&
                   a.mask == route.mask;
        });
    if (!networkStillUsed) {
        std::erase_if(state.routes, [&](const Route& r) {
            return r.destination == route.destination && r.mask == route.mask &&
                   r.ifIndex == ifIndex && r.proto == 2;
        });
    }
    return Applied(true);
}

CommandResult Alias(RouterState& state, std::uint32_t ifIndex, std::string_view addressAndPrefix,
                    bool add) {
    const std::size_t slash = addressAndPrefix.find('/');
    const std::string_view addressText = addressAndPrefix.substr(0, slash);
    const std::string_view maskText =
        slash == std::string_view::npos ? std::string_view() : addressAndPrefix.substr(slash + 1);
    const auto address = ParseIpv4(addressText);
    if (!address) {
        return Error("ifc: bad address " + std::string(addressText));
    }
    std::optional<std::uint32_t> mask;
    if (!maskText.empty()) {
        mask = ParseMask(maskText);
        if (!mask) {
            return Error("ifc: bad mask " + std::string(maskText));
        }
    }
    if (!add) {
        return RemoveAlias(state, ifIndex, *address, mask);
    }
    const std::uint32_t m = mask ? *mask : ClassfulMask(*address);
    if (MaskLength(m) < 31 && ((*address & ~m) == 0 || (*address & ~m) == ~m)) {
        return Error("ifc: " + std::string(addressText) + " is a network or broadcast address");
    }
    return AddAlias(state, ifIndex, *address, m);
}

}  // namespace

CommandResult ExecuteIfc(RouterState& state, std::string_view args) {
    const auto words = SplitWords(args);
    if (words.empty()) {
        return Error("ifc: missing interface name");
    }
    const std::uint32_t ifIndex = state.InterfaceIndex(words[0]);
    if (ifIndex == 0) {
        return Error("ifc: no interface " + std::string(words[0]));
    }
    Interface& iface = state.interfaces[ifIndex - 1];
    if (words.size() == 1) {
        return Done(InterfaceReport(state, ifIndex), false);
    }
    if (words.size() == 3 && (words[2] == "alias" || words[2] == "-alias")) {
        return Alias(state, ifIndex, words[1], words[2] == "alias");
    }
    std::size_t i = 1;
    std::optional<std::int32_t> mtu;
    std::optional<bool> up;
    while (i < words.size()) {
        long long value = 0;
        if (words[i] == "mtu" && i + 1 < words.size()) {
            if (!ParseInt(words[i + 1], 68, 65535, value)) {
                return Error("ifc mtu: expected 68..65535");
            }
            mtu = static_cast<std::int32_t>(value);
            i += 2;
        } else if (words[i] == "up" || words[i] == "down") {
            up = words[i] == "up";
            ++i;
        } else {
            return Error("ifc: unknown option \"" + std::string(words[i]) + "\"");
        }
    }
    if (mtu) {
        iface.mtu = *mtu;
    }
    if (up) {
        iface.up = *up;
    }
    return Applied(true);
}

}  // namespace tessel::sim
