// --reply-delay-ms: a slow link in front of the router. Replies and console
// output leave late, from the first request on, without holding back the
// requests that arrive meanwhile.

#include <gtest/gtest.h>

#include "core/snmp/ber.hpp"
#include "snmp_probe.hpp"
#include "support/console_client.hpp"
#include "support/router_sim_process.hpp"

namespace tessel::sim {
namespace {

using namespace std::chrono_literals;
using test::EncodeRequest;
using test::UdpProbe;

TEST(ReplyDelay, SnmpRepliesLeaveLateAndOverlap) {
    // --faults-after does not spare the first requests: the delay is not a fault.
    test::RouterSim sim({"--reply-delay-ms", "400", "--faults-after", "1000"});
    UdpProbe probe(sim.SnmpPort());
    const std::string get = EncodeRequest(ber::TagGetRequest, {"1.3.6.1.2.1.1.5.0"});
    EXPECT_FALSE(probe.Ask(get, 150ms).has_value()) << "the reply came before its delay";
    ASSERT_TRUE(probe.Receive(2s).has_value()) << "the delayed reply never came";

    // Two requests in a row: the second is not queued behind the first's delay.
    const auto start = std::chrono::steady_clock::now();
    probe.Send(get);
    probe.Send(get);
    ASSERT_TRUE(probe.Receive(2s).has_value());
    ASSERT_TRUE(probe.Receive(2s).has_value());
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took, 380ms);
    EXPECT_LT(took, 750ms) << "the replies were sent one delay after the other";
}

TEST(ReplyDelay, ConsoleOutputLeavesLateInOrder) {
    test::RouterSim sim({"--reply-delay-ms", "300"});
    test::ConsoleClient c(sim.ConsolePort());
    EXPECT_EQ(c.ReadChunk(150ms), "") << "the greeting came before its delay";
    const std::string greeting = c.ReadUntil("Select: ");
    EXPECT_NE(greeting.find("Select: "), std::string::npos) << greeting;
    // The dialogue still answers step by step, so a login works across it.
    c.SendLine("1");
    EXPECT_EQ(c.ReadChunk(), "1\r\nLogin: ");
    c.SendLine("admin");
    EXPECT_EQ(c.ReadChunk(), "admin\r\nPassword: ");
    c.SendLine("admin");
    EXPECT_EQ(c.ReadChunk(), "\r\n");
    EXPECT_NE(c.ReadUntil("> ").find("www."), std::string::npos);

    const auto start = std::chrono::steady_clock::now();
    const std::string reply = c.Command("sys name slow-link");
    EXPECT_GE(std::chrono::steady_clock::now() - start, 280ms);
    EXPECT_NE(reply.find("slow-link> "), std::string::npos) << reply;
    // The goodbye is written before the connection closes.
    c.SendLine("quit");
    EXPECT_NE(c.ReadUntil("Bye.").find("Bye."), std::string::npos);
    c.ReadChunk(2s);
    EXPECT_TRUE(c.PeerClosed());
}

}  // namespace
}  // namespace tessel::sim
