#include "core/session/recent_routers.hpp"

#include <algorithm>

namespace tessel {

bool IsStorableRouterText(std::string_view text) {
    if (text.size() > RecentRouterFieldLimit) {
        return false;
    }
    return std::none_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || (byte >= 0x7f && byte <= 0x9f);
    });
}

bool IsValidRecentRouter(const RecentRouter& entry) {
    return !entry.destination.empty() && IsStorableRouterText(entry.destination) &&
           IsStorableRouterText(entry.login) && IsStorableRouterText(entry.community);
}

RecentRouters ValidRecentRouters(const RecentRouters& entries) {
    RecentRouters kept;
    for (const RecentRouter& entry : entries) {
        if (kept.size() == RecentRoutersLimit) {
            break;
        }
        if (IsValidRecentRouter(entry) && FindRecentRouter(kept, entry.destination) == nullptr) {
            kept.push_back(entry);
        }
    }
    return kept;
}

RecentRouters WithRecentRouter(const RecentRouters& list, const RecentRouter& entry) {
    if (!IsValidRecentRouter(entry)) {
        return list;
    }
    RecentRouters next{entry};
    for (const RecentRouter& other : list) {
        if (next.size() == RecentRoutersLimit) {
            break;
        }
        if (other.destination != entry.destination) {
            next.push_back(other);
        }
    }
    return next;
}

const RecentRouter* FindRecentRouter(const RecentRouters& list, std::string_view destination) {
    const auto found = std::find_if(list.begin(), list.end(), [destination](const RecentRouter& e) {
        return e.destination == destination;
    });
    return found == list.end() ? nullptr : &*found;
}

}  // namespace tessel
