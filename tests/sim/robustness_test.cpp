// Bad input over real sockets: the router logs it and keeps serving others.

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "core/snmp/ber.hpp"
#include "snmp_probe.hpp"
#include "support/console_client.hpp"
#include "support/router_sim_process.hpp"

namespace tessel::sim {
namespace {

using namespace std::chrono_literals;
using test::EncodeRequest;
using test::UdpProbe;

TEST(BadInput, GarbageDatagramsAreLoggedAndTheAgentGoesOn) {
    test::RouterSim sim;
    UdpProbe probe(sim.SnmpPort());
    const std::string good = EncodeRequest(ber::TagGetRequest, {"1.3.6.1.2.1.1.5.0"});
    std::vector<std::string> junk = {"",
                                     std::string(1, '\x30'),
                                     std::string("\x30\x84\xFF\xFF\xFF\xFF", 6),
                                     std::string("\x30\x80\x02\x01\x00\x00\x00", 7),
                                     good.substr(0, good.size() - 1),
                                     good + "x",
                                     std::string(1400, '\xA1')};
    std::string noise(512, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i) {
        noise[i] = static_cast<char>((i * 131 + 7) & 0xFF);
    }
    junk.push_back(noise);
    for (const std::string& j : junk) {
        probe.Send(j);
    }
    EXPECT_FALSE(probe.Receive(300ms).has_value()) << "no answer to junk";
    const auto reply = probe.Ask(good);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->bindings.at(0).value, "bs-north");
    const std::vector<std::string> dropped = sim.Log().Field("snmp", "dropped");
    EXPECT_EQ(static_cast<std::size_t>(std::count(dropped.begin(), dropped.end(), "malformed")),
              junk.size());
}

TEST(BadInput, ConsoleJunkLongLinesAndAbruptDisconnectsLeaveOthersServed) {
    test::RouterSim sim;
    test::ConsoleClient steady(sim.ConsolePort());
    ASSERT_TRUE(steady.Login());
    {
        test::ConsoleClient rude(sim.ConsolePort());
        rude.ReadChunk();
        std::string binary(3000, '\0');
        for (std::size_t i = 0; i < binary.size(); ++i) {
            binary[i] = static_cast<char>(i * 7);
        }
        rude.Send(binary);
        rude.Send(std::string(100000, 'A') + "\r\n");
        EXPECT_NE(rude.ReadUntil("line too long").find("line too long"), std::string::npos);
    }  // closed in the middle of the dialogue
    {
        test::ConsoleClient streaming(sim.ConsolePort());
        ASSERT_TRUE(streaming.Login());
        streaming.SendLine("loadm  -w 1 eth0");
        streaming.ReadChunk();
    }  // closed while a report stream runs
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(steady.Command("sys name still-here").find("Error"), std::string::npos);
    UdpProbe probe(sim.SnmpPort());
    const auto reply = probe.Ask(EncodeRequest(ber::TagGetRequest, {"1.3.6.1.2.1.1.5.0"}));
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->bindings.at(0).value, "still-here");
    EXPECT_EQ(sim.Log().Count("console-disconnect"), 2u);
    EXPECT_TRUE(sim.Running());
}

TEST(BadInput, SigtermEndsTheRouterCleanly) {
    test::RouterSim sim;
    test::ConsoleClient c(sim.ConsolePort());
    ASSERT_TRUE(c.Login());
    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_EQ(sim.Log().Count("stop"), 1u);
}

TEST(BadInput, UnreadableDataFileStopsTheStartWithAMessage) {
    EXPECT_THROW(test::RouterSim({"--data", "/nonexistent/router.json"}), std::runtime_error);
    EXPECT_THROW(test::RouterSim({"--scale", "huge"}), std::runtime_error);
}

}  // namespace
}  // namespace tessel::sim
