#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/router/route_names.hpp"

namespace tessel {
namespace {

TEST(RouteNames, ProtocolValuesOfTheRouteTable) {
    EXPECT_EQ(RouteProtocolName("1"), "other");
    EXPECT_EQ(RouteProtocolName("2"), "local");
    EXPECT_EQ(RouteProtocolName("3"), "netmgmt");
    EXPECT_EQ(RouteProtocolName("8"), "rip");
    EXPECT_EQ(RouteProtocolName("9"), "is-is");
    EXPECT_EQ(RouteProtocolName("13"), "ospf");
    EXPECT_EQ(RouteProtocolName("14"), "bgp");
    for (const char* outside : {"0", "15", "", "-2", "rip", "8 ", "8.0"}) {
        EXPECT_EQ(RouteProtocolName(outside), "") << outside;
    }
}

}  // namespace
}  // namespace tessel
