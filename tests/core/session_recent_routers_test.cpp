#include "core/session/recent_routers.hpp"

#include <gtest/gtest.h>

namespace tessel {
namespace {

RecentRouter Router(const std::string& destination, const std::string& login = "admin",
                    const std::string& community = "public") {
    return {destination, login, community};
}

std::vector<std::string> Destinations(const RecentRouters& list) {
    std::vector<std::string> out;
    for (const RecentRouter& entry : list) {
        out.push_back(entry.destination);
    }
    return out;
}

TEST(RecentRouters, ALoginGoesFirstAndMovesItsDestinationToTheTop) {
    RecentRouters list = WithRecentRouter({}, Router("10.0.0.1"));
    list = WithRecentRouter(list, Router("10.0.0.2"));
    list = WithRecentRouter(list, Router("10.0.0.3"));
    EXPECT_EQ(Destinations(list), (std::vector<std::string>{"10.0.0.3", "10.0.0.2", "10.0.0.1"}));

    // The same router again: one entry, on top, with the new login values.
    list = WithRecentRouter(list, Router("10.0.0.1", "oper", "private"));
    EXPECT_EQ(Destinations(list), (std::vector<std::string>{"10.0.0.1", "10.0.0.3", "10.0.0.2"}));
    EXPECT_EQ(list.front(), Router("10.0.0.1", "oper", "private"));
    ASSERT_NE(FindRecentRouter(list, "10.0.0.3"), nullptr);
    EXPECT_EQ(FindRecentRouter(list, "10.0.0.3")->login, "admin");
    EXPECT_EQ(FindRecentRouter(list, "10.0.0.9"), nullptr);
}

TEST(RecentRouters, TheListKeepsTheLastTen) {
    RecentRouters list;
    for (int i = 1; i <= 12; ++i) {
        list = WithRecentRouter(list, Router("host" + std::to_string(i)));
    }
    ASSERT_EQ(list.size(), RecentRoutersLimit);
    EXPECT_EQ(list.front().destination, "host12");
    EXPECT_EQ(list.back().destination, "host3");
}

TEST(RecentRouters, TextsThatCannotBeStoredAreRefused) {
    EXPECT_TRUE(IsStorableRouterText(""));
    EXPECT_TRUE(IsStorableRouterText("router one \xe9"));  // Latin-1 letters are text
    EXPECT_TRUE(IsStorableRouterText(std::string(RecentRouterFieldLimit, 'a')));
    EXPECT_FALSE(IsStorableRouterText(std::string(RecentRouterFieldLimit + 1, 'a')));
    for (const std::string& bad : std::vector<std::string>{
             "a\nb", "a\rb", "tab\t", std::string("nul\0", 4), "del\x7f", "c1\x85"}) {
        EXPECT_FALSE(IsStorableRouterText(bad)) << bad;
    }
    EXPECT_FALSE(IsValidRecentRouter(Router("")));
    EXPECT_FALSE(IsValidRecentRouter(Router("10.0.0.1", "ad\nmin")));
    EXPECT_FALSE(IsValidRecentRouter(Router("10.0.0.1", "admin", "pub\x1b")));
    EXPECT_TRUE(IsValidRecentRouter(Router("10.0.0.1", "", "")));

    // A login with an unstorable value leaves the list alone.
    const RecentRouters list{Router("10.0.0.1")};
    EXPECT_EQ(WithRecentRouter(list, Router("10.0.0.2\n")), list);
}

TEST(RecentRouters, AListFromOutsideKeepsOnlyValidDistinctEntriesUpToTheLimit) {
    RecentRouters read{Router(""), Router("a\x01"), Router("10.0.0.1", "first"),
                       Router("10.0.0.1", "second"), Router(std::string(300, 'x'))};
    for (int i = 0; i < 50; ++i) {
        read.push_back(Router("host" + std::to_string(i)));
    }
    const RecentRouters kept = ValidRecentRouters(read);
    ASSERT_EQ(kept.size(), RecentRoutersLimit);
    EXPECT_EQ(kept[0], Router("10.0.0.1", "first"));
    EXPECT_EQ(kept[1].destination, "host0");
    EXPECT_EQ(kept[9].destination, "host8");
}

}  // namespace
}  // namespace tessel
