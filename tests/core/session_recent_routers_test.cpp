#include "core/session/recent_routers.hpp"

#include <gtest/gtest.h>

namespace tessel {
namespace {

std::vector<std::string> Destinations(const RecentRouters& list) {
    std::vector<std::string> out;
    for (const RecentRouter& entry : list) {
        out.push_back(entry.destination);
    }
    return out;
}

TEST(RecentRouters, ALoginGoesFirstMovesItsDestinationUpAndTheListKeepsTen) {
    RecentRouters list;
    for (const char* host : {"h1", "h2", "h3"}) {
        list = WithRecentRouter(list, {host, "admin", "public"});
    }
    list = WithRecentRouter(list, {"h1", "oper", "private"});
    EXPECT_EQ(Destinations(list), (std::vector<std::string>{"h1", "h3", "h2"}));
    EXPECT_EQ(list.front(), (RecentRouter{"h1", "oper", "private"}));
    EXPECT_EQ(FindRecentRouter(list, "h3")->login, "admin");
    EXPECT_EQ(FindRecentRouter(list, "h9"), nullptr);
    // An entry that cannot be stored leaves the list alone.
    EXPECT_EQ(WithRecentRouter(list, {"h4\n", "admin", "public"}), list);

    for (int i = 4; i <= 12; ++i) {
        list = WithRecentRouter(list, {"h" + std::to_string(i), "", ""});
    }
    ASSERT_EQ(list.size(), RecentRoutersLimit);
    EXPECT_EQ(list.front().destination, "h12");
    EXPECT_EQ(list.back().destination, "h1");  // the oldest two went
}

TEST(RecentRouters, AListFromOutsideKeepsValidDistinctEntriesUpToTheLimit) {
    RecentRouters read{{"", "a", "b"},
                       {"esc\x1b", "", ""},
                       {"c1\x85", "", ""},
                       {"ok", "ad\nmin", ""},
                       {"ok", "", std::string("nul\0", 4)},
                       {std::string(RecentRouterFieldLimit + 1, 'x'), "", ""},
                       {"10.0.0.1", "first", "caf\xe9"},
                       {"10.0.0.1", "second", ""}};
    for (int i = 0; i < 50; ++i) {
        read.push_back({"host" + std::to_string(i), "", ""});
    }
    const RecentRouters kept = ValidRecentRouters(read);
    ASSERT_EQ(kept.size(), RecentRoutersLimit);
    EXPECT_EQ(kept[0], (RecentRouter{"10.0.0.1", "first", "caf\xe9"}));
    EXPECT_EQ(kept[1].destination, "host0");
    EXPECT_EQ(kept[9].destination, "host8");
    EXPECT_TRUE(IsValidRecentRouter({std::string(RecentRouterFieldLimit, 'x'), "", ""}));
}

}  // namespace
}  // namespace tessel
