#pragma once

// The routers the operator logged in to lately, most recent first, offered
// again in the destination box. The password is deliberately not part of an
// entry: it is typed at every login and never kept.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

struct RecentRouter {
    std::string destination;
    std::string login;
    std::string community;

    bool operator==(const RecentRouter&) const = default;
};

using RecentRouters = std::vector<RecentRouter>;

inline constexpr std::size_t RecentRoutersLimit = 10;
// Longer than any host name (253) and any login or community the router
// accepts; a longer text in the stored list is not ours.
inline constexpr std::size_t RecentRouterFieldLimit = 255;

// A field of 8-bit text that may be stored and offered: at most
// RecentRouterFieldLimit bytes, no control characters (C0, DEL or C1).
bool IsStorableRouterText(std::string_view text);

// All three fields storable and the destination not empty.
bool IsValidRecentRouter(const RecentRouter& entry);

// What is left of a list read from outside: invalid entries dropped, of
// entries with the same destination the first kept, at most
// RecentRoutersLimit entries.
RecentRouters ValidRecentRouters(const RecentRouters& entries);

// The list after a login to entry: entry first (replacing any entry with the
// same destination), then the others in their order, cut to the limit. An
// invalid entry leaves the list as it was.
RecentRouters WithRecentRouter(const RecentRouters& list, const RecentRouter& entry);

// The entry for destination, nullptr when there is none.
const RecentRouter* FindRecentRouter(const RecentRouters& list, std::string_view destination);

}  // namespace tessel
