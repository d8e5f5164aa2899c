#include "core/session/source_address.hpp"

#include <gtest/gtest.h>

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

TEST(SourceAddressDecision, BindsOnlyWhereTheSourceCanReachTheDestination) {
    const std::vector<std::string> host = {"192.0.2.2", "10.99.7.1", "127.0.0.1", "127.0.1.1"};
    // Loopback reaches loopback, a real interface reaches anything.
    EXPECT_EQ(DecideSourceBinding("127.0.0.1", "127.0.0.1", host), SourceBinding::Bind);
    EXPECT_EQ(DecideSourceBinding("127.0.1.1", "127.0.0.1", host), SourceBinding::Bind);
    EXPECT_EQ(DecideSourceBinding("10.99.7.1", "10.99.7.2", host), SourceBinding::Bind);
    EXPECT_EQ(DecideSourceBinding("192.0.2.2", "127.0.0.1", host), SourceBinding::Bind);
    // The stock host-name address towards a router on a real link.
    EXPECT_EQ(DecideSourceBinding("127.0.1.1", "10.99.7.2", host), SourceBinding::LoopbackToRemote);
    EXPECT_EQ(DecideSourceBinding("127.0.0.1", "192.0.2.1", host), SourceBinding::LoopbackToRemote);
    // 0.0.0.0 as a destination is this host.
    EXPECT_EQ(DecideSourceBinding("127.0.0.1", "0.0.0.0", host), SourceBinding::Bind);
    // Gone since start-up.
    EXPECT_EQ(DecideSourceBinding("10.99.8.1", "10.99.8.2", host), SourceBinding::NotOnHost);
    EXPECT_EQ(DecideSourceBinding("", "10.99.7.2", host), SourceBinding::NoSource);
    EXPECT_EQ(DecideSourceBinding("0.0.0.0", "10.99.7.2", host), SourceBinding::NoSource);
    EXPECT_EQ(DecideSourceBinding("10.99.7.1", "", host), SourceBinding::DestinationUnknown);
}

TEST(SourceAddressDecision, TraceSaysWhetherTheConsoleIsBound) {
    EXPECT_EQ(SourceBindingTraceText(SourceBinding::Bind, "10.99.7.1", "10.99.7.2"),
              "console to 10.99.7.2: source 10.99.7.1");
    for (const SourceBinding unbound :
         {SourceBinding::NoSource, SourceBinding::NotOnHost, SourceBinding::DestinationUnknown,
          SourceBinding::LoopbackToRemote}) {
        const std::string text = SourceBindingTraceText(unbound, "127.0.1.1", "10.99.7.2");
        EXPECT_NE(text.find("connecting unbound"), std::string::npos) << text;
    }
    EXPECT_EQ(SourceBindingTraceText(SourceBinding::LoopbackToRemote, "127.0.1.1", "10.99.7.2"),
              "console to 10.99.7.2: loopback source 127.0.1.1 cannot reach another host, "
              "connecting unbound");
}

}  // namespace
}  // namespace tessel
