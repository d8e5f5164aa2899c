#include "core/session/source_address.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace tessel {
namespace {

TEST(SourceAddressParse, OnlyStrictDottedQuads) {
    EXPECT_EQ(ParseIpv4("10.99.3.1"), 0x0a630301u);
    EXPECT_EQ(ParseIpv4("255.255.255.255"), 0xffffffffu);
    EXPECT_EQ(ParseIpv4("0.0.0.0"), 0u);
    for (const char* bad : {"", "10.99.3", "10.99.3.1.", "10.99.3.256", "10..3.1", " 10.99.3.1",
                            "10.99.3.1 ", "router", "1000.1.1.1", "::1", "10.99.3.-1"}) {
        EXPECT_FALSE(ParseIpv4(bad)) << bad;
    }
}

TEST(SourceAddressOrder, NonLoopbackFirstLoopbackLastWithoutDuplicates) {
    // What a stock host resolves its own name to comes first from the
    // resolver; the list must still offer the real interfaces first.
    EXPECT_EQ(OrderSourceAddresses({"127.0.1.1", "127.0.0.1", "192.0.2.2", "10.99.7.1", "192.0.2.2",
                                    "fe80::1", "127.0.0.1"}),
              (std::vector<std::string>{"192.0.2.2", "10.99.7.1", "127.0.1.1", "127.0.0.1"}));
    EXPECT_EQ(OrderSourceAddresses({"127.0.0.1"}), (std::vector<std::string>{"127.0.0.1"}));
    EXPECT_TRUE(OrderSourceAddresses({}).empty());
}

TEST(SourceAddressDecision, BindsOnlyWhereTheRouterCanAnswerTheSource) {
    const std::vector<std::string> host = {"192.0.2.2", "10.98.7.1", "10.99.7.1",
                                           "10.99.7.5", "127.0.0.1", "127.0.1.1"};
    // A router on a directly connected link: the way to it leaves from this
    // end of the link, whose interface has a second address.
    const RouteTowards link{"10.99.7.1", {"10.99.7.1", "10.99.7.5"}};
    const auto decide = [&](const char* source, const char* destination,
                            const RouteTowards& route) {
        return DecideSourceBinding(source, destination, host, route);
    };
    EXPECT_EQ(decide("10.99.7.1", "10.99.7.2", link), SourceBinding::Bind);
    EXPECT_EQ(decide("10.99.7.5", "10.99.7.2", link), SourceBinding::Bind);
    // The office LAN listed first, and a decoy interface: the router has no
    // way back to them.
    EXPECT_EQ(decide("192.0.2.2", "10.99.7.2", link), SourceBinding::OffRoute);
    EXPECT_EQ(decide("10.98.7.1", "10.99.7.2", link), SourceBinding::OffRoute);
    // The default route leaves from the office LAN.
    EXPECT_EQ(decide("192.0.2.2", "198.51.100.7", {"192.0.2.2", {"192.0.2.2"}}),
              SourceBinding::Bind);
    // No route at all: binding helps nothing.
    EXPECT_EQ(decide("10.99.7.1", "198.51.100.7", {}), SourceBinding::NoRoute);
    // Whatever goes to this host stays on it: any local source reaches it,
    // whichever interface the route names.
    for (const char* to : {"127.0.0.1", "0.0.0.0", "192.0.2.2"}) {
        for (const char* from : {"127.0.0.1", "127.0.1.1", "10.98.7.1"}) {
            EXPECT_EQ(decide(from, to, {"127.0.0.1", {"127.0.0.1"}}), SourceBinding::Bind)
                << from << " to " << to;
        }
    }
    // The stock host-name address towards a router on a real link.
    EXPECT_EQ(decide("127.0.1.1", "10.99.7.2", link), SourceBinding::LoopbackToRemote);
    EXPECT_EQ(decide("127.0.0.1", "198.51.100.7", link), SourceBinding::LoopbackToRemote);
    // Gone since start-up, nothing chosen, a destination that did not resolve.
    EXPECT_EQ(decide("10.99.8.1", "10.99.8.2", link), SourceBinding::NotOnHost);
    EXPECT_EQ(decide("", "10.99.7.2", link), SourceBinding::NoSource);
    EXPECT_EQ(decide("0.0.0.0", "10.99.7.2", link), SourceBinding::NoSource);
    EXPECT_EQ(decide("10.99.7.1", "", link), SourceBinding::DestinationUnknown);
}

TEST(SourceAddressDecision, TraceSaysWhetherTheConsoleIsBoundAndWhyNot) {
    EXPECT_EQ(SourceBindingTraceText(SourceBinding::Bind, "10.99.7.1", "10.99.7.2", "10.99.7.1"),
              "console to 10.99.7.2: source 10.99.7.1");
    for (const SourceBinding unbound :
         {SourceBinding::NoSource, SourceBinding::NotOnHost, SourceBinding::DestinationUnknown,
          SourceBinding::LoopbackToRemote, SourceBinding::NoRoute, SourceBinding::OffRoute}) {
        const std::string text =
            SourceBindingTraceText(unbound, "127.0.1.1", "10.99.7.2", "10.99.7.1");
        EXPECT_NE(text.find("connecting unbound"), std::string::npos) << text;
    }
    EXPECT_EQ(SourceBindingTraceText(SourceBinding::LoopbackToRemote, "127.0.1.1", "10.99.7.2",
                                     "10.99.7.1"),
              "console to 10.99.7.2: loopback source 127.0.1.1 cannot reach another host, "
              "connecting unbound");
    EXPECT_EQ(
        SourceBindingTraceText(SourceBinding::OffRoute, "10.98.7.1", "10.99.7.2", "10.99.7.1"),
        "console to 10.99.7.2: source 10.98.7.1 is not on the interface the route leaves "
        "from (10.99.7.1), connecting unbound");
}

TEST(SourceAddressRoute, TheKernelNamesTheAddressAndInterfaceTheWayLeavesFrom) {
    const RouteTowards loopback = AskRouteTowards("127.0.0.1", 23);
    EXPECT_EQ(loopback.source, "127.0.0.1");
    EXPECT_NE(std::find(loopback.interfaceAddresses.begin(), loopback.interfaceAddresses.end(),
                        "127.0.0.1"),
              loopback.interfaceAddresses.end());
    for (const char* notAnAddress : {"", "router", "10.99.7"}) {
        const RouteTowards none = AskRouteTowards(notAnAddress, 23);
        EXPECT_TRUE(none.source.empty() && none.interfaceAddresses.empty()) << notAnAddress;
    }
}

}  // namespace
}  // namespace tessel
