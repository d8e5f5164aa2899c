#include "router_state.hpp"

#include <algorithm>

namespace tessel::sim {

std::uint32_t RouterState::InterfaceIndex(std::string_view name) const {
    for (std::size_t i = 0; i < interfaces.size(); ++i) {
        if (interfaces[i].name == name) {
            return static_cast<std::uint32_t>(i + 1);
        }
    }
    return 0;
}

std::vector<std::string> RouterState::RadioInterfaceNames() const {
    std::vector<std::string> names;
    for (const Interface& i : interfaces) {
        if (i.name.find("rf") != std::string::npos) {
            names.push_back(i.name);
        }
    }
    return names;
}

std::uint32_t RouterState::RadioNumber(std::string_view name) const {
    const auto names = RadioInterfaceNames();
    const auto it = std::find(names.begin(), names.end(), name);
    return it == names.end() ? 0 : static_cast<std::uint32_t>(it - names.begin() + 1);
}

Radio* RouterState::FindRadio(std::string_view interfaceName) {
    for (Radio& r : radios) {
        if (r.interfaceName == interfaceName) {
            return &r;
        }
    }
    return nullptr;
}

const Radio* RouterState::FindRadio(std::string_view interfaceName) const {
    return const_cast<RouterState*>(this)->FindRadio(interfaceName);
}

bool RouterState::RegistrationActive() const {
    if (!registration) {
        return false;
    }
    const Registration& r = *registration;
    return std::any_of(baseStations.begin(), baseStations.end(), [&](const BaseStationRow& b) {
        return b.radio == r.radio && b.sid == r.sid && b.speed == r.bitrate &&
               b.frequency == r.frequency;
    });
}

}  // namespace tessel::sim
