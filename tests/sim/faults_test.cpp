// Fault injection: the policy on its own, and each option end to end.

#include <gtest/gtest.h>

#include "core/snmp/ber.hpp"
#include "faults.hpp"
#include "snmp_probe.hpp"
#include "support/console_client.hpp"
#include "support/router_sim_process.hpp"

namespace tessel::sim {
namespace {

using namespace std::chrono_literals;
using testing::EncodeRequest;
using testing::UdpProbe;

TEST(DropPolicy, EveryNthAndSeededFractions) {
    FaultSettings every;
    every.dropEvery = 3;
    DropPolicy third(every);
    std::string pattern;
    for (int i = 0; i < 9; ++i) {
        pattern += third.Drop() ? 'x' : '.';
    }
    EXPECT_EQ(pattern, "..x..x..x");

    FaultSettings share;
    share.dropFraction = 0.25;
    share.seed = 99;
    DropPolicy a(share);
    DropPolicy b(share);
    int dropped = 0;
    for (int i = 0; i < 4000; ++i) {
        const bool d = a.Drop();
        EXPECT_EQ(d, b.Drop()) << "same seed, same sequence";
        dropped += d ? 1 : 0;
    }
    EXPECT_GT(dropped, 850);
    EXPECT_LT(dropped, 1150);
}

TEST(DamagedReplies, FailTheManagersAcceptanceRule) {
    const std::string reply = EncodeRequest(ber::TagGetResponse, {"1.3.6.1.2.1.1.5.0"});
    const std::string cut = Damage(reply, MalformedReply::Truncated, 1);
    EXPECT_LT(cut.size(), reply.size());
    EXPECT_FALSE(testing::DecodeReply(cut).has_value());
    const std::string junk = Damage(reply, MalformedReply::Garbage, 7);
    EXPECT_EQ(junk.size(), reply.size());
    EXPECT_EQ(static_cast<std::uint8_t>(junk[0]) & 0x20, 0);
}

TEST(FaultOptions, SnmpDropsDelaysAndDamage) {
    const std::string get = EncodeRequest(ber::TagGetRequest, {"1.3.6.1.2.1.1.5.0"});
    {
        test::RouterSim sim({"--drop-every", "2"});
        UdpProbe probe(sim.SnmpPort());
        EXPECT_TRUE(probe.Ask(get, 1s).has_value());
        EXPECT_FALSE(probe.Ask(get, 300ms).has_value());
        EXPECT_TRUE(probe.Ask(get, 1s).has_value());
    }
    {
        test::RouterSim sim({"--delay-ms", "400"});
        UdpProbe probe(sim.SnmpPort());
        EXPECT_FALSE(probe.Ask(get, 150ms).has_value());
        EXPECT_TRUE(probe.Receive(2s).has_value()) << "the delayed reply still comes";
    }
    {
        test::RouterSim sim({"--malformed-reply", "truncated"});
        UdpProbe probe(sim.SnmpPort());
        probe.Send(get);
        const auto bytes = probe.Receive();
        ASSERT_TRUE(bytes.has_value());
        EXPECT_FALSE(testing::DecodeReply(*bytes).has_value());
    }
    {
        test::RouterSim sim({"--silent"});
        UdpProbe probe(sim.SnmpPort());
        EXPECT_FALSE(probe.Ask(get, 300ms).has_value());
    }
}

TEST(FaultOptions, ConsoleChunksClosingAndRefusal) {
    {
        test::RouterSim sim({"--console-chunk", "7", "--close-after", "2"});
        test::ConsoleClient c(sim.ConsolePort());
        const std::string first = c.ReadChunk();
        EXPECT_LE(first.size(), 7u);
        ASSERT_TRUE(c.Login());
        c.Command("co save");
        c.SendLine("co save");
        c.ReadUntil("never", 2s);
        EXPECT_TRUE(c.PeerClosed());
    }
    {
        test::RouterSim sim({"--refuse-console"});
        EXPECT_THROW(test::ConsoleClient{sim.ConsolePort()}, std::runtime_error);
    }
}

}  // namespace
}  // namespace tessel::sim
