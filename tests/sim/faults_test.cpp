// Fault injection: the policy on its own, and each option end to end.

#include <gtest/gtest.h>

#include <set>

#include "core/snmp/ber.hpp"
#include "faults.hpp"
#include "snmp_probe.hpp"
#include "support/console_client.hpp"
#include "support/router_sim_process.hpp"

namespace tessel::sim {
namespace {

using namespace std::chrono_literals;
using test::EncodeRequest;
using test::UdpProbe;

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

TEST(DropPolicy, FaultsStartAfterTheFirstRequestsAreAnswered) {
    FaultSettings later;
    later.silent = true;
    later.faultsAfter = 3;
    DropPolicy silent(later);
    std::string pattern;
    for (int i = 0; i < 6; ++i) {
        const bool dropped = silent.Drop();
        pattern += dropped ? 'x' : '.';
        EXPECT_EQ(silent.Faulty(), i >= 3);
    }
    EXPECT_EQ(pattern, "...xxx");

    later.silent = false;
    later.dropEvery = 2;  // counts every request, the answered ones too
    DropPolicy every(later);
    pattern.clear();
    for (int i = 0; i < 8; ++i) {
        pattern += every.Drop() ? 'x' : '.';
    }
    EXPECT_EQ(pattern, "...x.x.x");
}

TEST(ChunkSizer, FixedOrSeededRandomSizes) {
    FaultSettings none;
    EXPECT_FALSE(ChunkSizer(none).Active());

    FaultSettings fixed;
    fixed.consoleChunkBytes = 3;
    ChunkSizer three(fixed);
    EXPECT_TRUE(three.Active());
    EXPECT_EQ(three.Next(), 3u);
    EXPECT_EQ(three.Next(), 3u);

    FaultSettings random;
    random.consoleChunkRandom = true;
    random.seed = 11;
    ChunkSizer a(random);
    ChunkSizer b(random);
    random.seed = 12;
    ChunkSizer other(random);
    std::set<std::size_t> sizes;
    bool differs = false;
    for (int i = 0; i < 2000; ++i) {
        const std::size_t size = a.Next();
        EXPECT_EQ(size, b.Next()) << "same seed, same sizes";
        differs = differs || size != other.Next();
        EXPECT_GE(size, 1u);
        EXPECT_LE(size, ConsoleChunkMax);
        sizes.insert(size);
    }
    EXPECT_TRUE(differs) << "another seed, other sizes";
    EXPECT_EQ(sizes.size(), ConsoleChunkMax) << "every size from 1 to the largest occurs";
}

TEST(DamagedReplies, FailTheManagersAcceptanceRule) {
    const std::string reply = EncodeRequest(ber::TagGetResponse, {"1.3.6.1.2.1.1.5.0"});
    const std::string cut = Damage(reply, MalformedReply::Truncated, 1);
    EXPECT_LT(cut.size(), reply.size());
    EXPECT_FALSE(test::DecodeReply(cut).has_value());
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
        EXPECT_FALSE(test::DecodeReply(*bytes).has_value());
    }
    {
        test::RouterSim sim({"--silent"});
        UdpProbe probe(sim.SnmpPort());
        EXPECT_FALSE(probe.Ask(get, 300ms).has_value());
    }
    {
        // A router that stops answering mid-session.
        test::RouterSim sim({"--silent", "--faults-after", "2"});
        UdpProbe probe(sim.SnmpPort());
        EXPECT_TRUE(probe.Ask(get, 1s).has_value());
        EXPECT_TRUE(probe.Ask(get, 1s).has_value());
        EXPECT_FALSE(probe.Ask(get, 300ms).has_value());
        EXPECT_FALSE(probe.Ask(get, 300ms).has_value());
    }
    {
        test::RouterSim sim({"--malformed-reply", "garbage", "--faults-after", "1"});
        UdpProbe probe(sim.SnmpPort());
        EXPECT_TRUE(probe.Ask(get, 1s).has_value()) << "the first reply is sound";
        probe.Send(get);
        const auto bad = probe.Receive(1s);
        ASSERT_TRUE(bad.has_value());
        EXPECT_FALSE(test::DecodeReply(*bad).has_value());
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
        // Random pieces from the greeting on (a slow reader may get several
        // at once, so only their number is checked here).
        test::RouterSim sim({"--console-chunk", "random", "--seed", "5"});
        test::ConsoleClient c(sim.ConsolePort());
        std::string greeting;
        std::size_t pieces = 0;
        while (greeting.find("Select: ") == std::string::npos) {
            const std::string chunk = c.ReadChunk();
            ASSERT_FALSE(chunk.empty()) << "the greeting stopped after " << greeting;
            greeting += chunk;
            ++pieces;
        }
        EXPECT_GT(pieces, 1u);
        ASSERT_TRUE(c.Login());
        EXPECT_NE(c.Command("co save").find("Configuration saved."), std::string::npos);
    }
    {
        // The dialogue whole, the session after it in single bytes.
        test::RouterSim sim({"--console-chunk", "1", "--console-chunk-after-login"});
        test::ConsoleClient c(sim.ConsolePort());
        EXPECT_NE(c.ReadChunk().find("Select: "), std::string::npos);
        c.SendLine("1");
        EXPECT_NE(c.ReadUntil("Login: ").find("Login: "), std::string::npos);
        c.SendLine("admin");
        c.ReadUntil("Password: ");
        c.SendLine("admin");
        // The banner with "www." comes whole, as the manager needs it.
        bool wholeBanner = false;
        std::string banner;
        while (banner.find("> ") == std::string::npos) {
            const std::string chunk = c.ReadChunk();
            ASSERT_FALSE(chunk.empty());
            wholeBanner = wholeBanner || chunk.find("www.tessel-lab.test") != std::string::npos;
            banner += chunk;
        }
        EXPECT_TRUE(wholeBanner) << banner;
        c.SendLine("co save");
        std::string reply;
        std::size_t pieces = 0;
        while (reply.find("> ") == std::string::npos) {
            const std::string chunk = c.ReadChunk();
            ASSERT_FALSE(chunk.empty()) << reply;
            reply += chunk;
            ++pieces;
        }
        EXPECT_NE(reply.find("Configuration saved."), std::string::npos);
        EXPECT_GT(pieces, 1u) << "the reply came in one piece";
    }
    {
        test::RouterSim sim({"--refuse-console"});
        EXPECT_THROW(test::ConsoleClient{sim.ConsolePort()}, std::runtime_error);
    }
}

}  // namespace
}  // namespace tessel::sim
