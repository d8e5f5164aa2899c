#include "core/session/source_address.hpp"

#include <algorithm>

namespace tessel {

std::optional<std::uint32_t> ParseIpv4(std::string_view text) {
    std::uint32_t address = 0;
    int parts = 0;
    std::size_t at = 0;
    while (parts < 4) {
        std::size_t digits = 0;
        unsigned part = 0;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9' && digits < 3) {
            part = part * 10 + static_cast<unsigned>(text[at] - '0');
            ++at;
            ++digits;
        }
        if (digits == 0 || part > 255) {
            return std::nullopt;
        }
        address = (address << 8) | part;
        ++parts;
        if (parts < 4) {
            if (at >= text.size() || text[at] != '.') {
                return std::nullopt;
            }
            ++at;
        }
    }
    if (at != text.size()) {
        return std::nullopt;
    }
    return address;
}

bool IsLoopbackIpv4(std::uint32_t address) {
    return (address >> 24) == 127;
}

std::vector<std::string> OrderSourceAddresses(const std::vector<std::string>& addresses) {
    std::vector<std::string> remote;
    std::vector<std::string> loopback;
    for (const std::string& text : addresses) {
        const std::optional<std::uint32_t> address = ParseIpv4(text);
        if (!address) {
            continue;
        }
        std::vector<std::string>& group = IsLoopbackIpv4(*address) ? loopback : remote;
        if (std::find(group.begin(), group.end(), text) == group.end()) {
            group.push_back(text);
        }
    }
    remote.insert(remote.end(), loopback.begin(), loopback.end());
    return remote;
}

namespace {

bool Contains(const std::vector<std::string>& texts, std::string_view text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

}  // namespace

SourceBinding DecideSourceBinding(std::string_view source, std::string_view destination,
                                  const std::vector<std::string>& hostAddresses,
                                  const RouteTowards& route) {
    const std::optional<std::uint32_t> from = ParseIpv4(source);
    // 0.0.0.0 binds nothing in particular: the same as not binding.
    if (!from || *from == 0) {
        return SourceBinding::NoSource;
    }
    if (!Contains(hostAddresses, source)) {
        return SourceBinding::NotOnHost;
    }
    const std::optional<std::uint32_t> to = ParseIpv4(destination);
    if (!to) {
        return SourceBinding::DestinationUnknown;
    }
    // 0.0.0.0 as a destination means this host; whatever goes to this host
    // stays on it, loopback sources included.
    if (IsLoopbackIpv4(*to) || *to == 0 || Contains(hostAddresses, destination)) {
        return SourceBinding::Bind;
    }
    if (IsLoopbackIpv4(*from)) {
        return SourceBinding::LoopbackToRemote;
    }
    if (route.source.empty()) {
        return SourceBinding::NoRoute;
    }
    if (source == route.source || Contains(route.interfaceAddresses, source)) {
        return SourceBinding::Bind;
    }
    return SourceBinding::OffRoute;
}

std::string SourceBindingTraceText(SourceBinding decision, std::string_view source,
                                   std::string_view destination, std::string_view routeSource) {
    const std::string to = destination.empty() ? std::string("?") : std::string(destination);
    const std::string prefix = "console to " + to + ": ";
    const std::string from(source);
    switch (decision) {
        case SourceBinding::Bind:
            return prefix + "source " + from;
        case SourceBinding::NoSource:
            return prefix + "no source address chosen, connecting unbound";
        case SourceBinding::NotOnHost:
            return prefix + "source " + from + " is no longer on this host, connecting unbound";
        case SourceBinding::DestinationUnknown:
            return prefix + "destination did not resolve, source " + from +
                   " not bound, connecting unbound";
        case SourceBinding::LoopbackToRemote:
            return prefix + "loopback source " + from +
                   " cannot reach another host, connecting unbound";
        case SourceBinding::NoRoute:
            return prefix + "no route to it, source " + from + " not bound, connecting unbound";
        case SourceBinding::OffRoute:
            return prefix + "source " + from + " is not on the interface the route leaves from (" +
                   std::string(routeSource) + "), connecting unbound";
    }
    return prefix;
}

}  // namespace tessel
