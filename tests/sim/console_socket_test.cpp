// The console over a real socket, and what SNMP reports after each command.

#include <gtest/gtest.h>

#include "core/snmp/ber.hpp"
#include "snmp_probe.hpp"
#include "support/console_client.hpp"
#include "support/router_sim_process.hpp"

namespace tessel::sim {
namespace {

using namespace std::chrono_literals;
using test::Binding;
using test::EncodeRequest;
using test::UdpProbe;

class ConsoleOverSocket : public ::testing::Test {
  protected:
    explicit ConsoleOverSocket(std::vector<std::string> args = {"--tick-ms", "100"})
        : sim_(std::move(args)), snmp_(sim_.SnmpPort()) {}

    // The value of one object, or nullopt when the agent says noSuchName.
    std::optional<Binding> Get(const std::string& oid) {
        const auto reply = snmp_.Ask(EncodeRequest(ber::TagGetRequest, {oid}));
        EXPECT_TRUE(reply.has_value());
        if (!reply || reply->errorStatus != 0 || reply->bindings.size() != 1) {
            return std::nullopt;
        }
        return reply->bindings[0];
    }
    std::string Text(const std::string& oid) {
        const auto b = Get(oid);
        return b ? b->value : "(absent)";
    }
    long Number(const std::string& oid) {
        const auto b = Get(oid);
        return b ? static_cast<long>(ber::SignedValue(b->value)) : -999;
    }

    test::RouterSim sim_;
    UdpProbe snmp_;
};

TEST_F(ConsoleOverSocket, LoginDialogueSendsEachStepAsItsOwnChunk) {
    test::ConsoleClient c(sim_.ConsolePort());
    const std::string greeting = c.ReadChunk();
    EXPECT_NE(greeting.find("Select: "), std::string::npos) << greeting;
    c.SendLine("1");
    EXPECT_EQ(c.ReadChunk(), "1\r\nLogin: ");
    c.SendLine("admin");
    EXPECT_EQ(c.ReadChunk(), "admin\r\nPassword: ");
    c.SendLine("admin");
    // The password is not echoed: first a bare line end, then, separately,
    // the banner with "www." and the prompt.
    EXPECT_EQ(c.ReadChunk(), "\r\n");
    const std::string banner = c.ReadChunk();
    EXPECT_NE(banner.find("www."), std::string::npos) << banner;
    EXPECT_EQ(banner.substr(banner.size() - 2), "> ");
}

TEST_F(ConsoleOverSocket, WrongPasswordSaysSorryInALaterChunkAndStartsOver) {
    test::ConsoleClient c(sim_.ConsolePort());
    c.ReadChunk();
    c.SendLine("1");
    c.ReadChunk();
    c.SendLine("admin");
    c.ReadChunk();
    c.SendLine("wrong");
    EXPECT_EQ(c.ReadChunk(), "\r\n");
    // The chunk right after the line end must not hold "www." nor "Sorry":
    // the manager only looks for "Sorry" in the chunks after that one.
    const std::string refusal = c.ReadChunk();
    EXPECT_EQ(refusal.find("www."), std::string::npos);
    EXPECT_EQ(refusal.find("Sorry"), std::string::npos);
    EXPECT_NE(c.ReadChunk().find("Sorry"), std::string::npos);
    EXPECT_NE(c.ReadChunk().find("Select: "), std::string::npos);
    c.SendLine("1");
    c.ReadChunk();
    c.SendLine("admin");
    c.ReadChunk();
    c.SendLine("admin");
    c.ReadChunk();
    EXPECT_NE(c.ReadChunk().find("www."), std::string::npos);
}

class LockingConsole : public ConsoleOverSocket {
  protected:
    LockingConsole() : ConsoleOverSocket({"--lockout-after", "2"}) {}
};

TEST_F(LockingConsole, TheNthFailedLoginClosesTheConnection) {
    test::ConsoleClient c(sim_.ConsolePort());
    EXPECT_FALSE(c.Login("admin", "wrong"));
    // The first failure starts over (Login waits for the greeting)...
    EXPECT_FALSE(c.Login("admin", "wrong"));
    // ... the second says Sorry and hangs up, without a greeting.
    const std::string rest = c.ReadUntil("Select: ");
    EXPECT_TRUE(c.PeerClosed());
    EXPECT_EQ(rest.find("Select: "), std::string::npos) << rest;
    // The count is the connection's: a new one may log in.
    test::ConsoleClient again(sim_.ConsolePort());
    EXPECT_TRUE(again.Login());
}

TEST_F(ConsoleOverSocket, SystemCommandsShowInTheNextSnmpRead) {
    test::ConsoleClient c(sim_.ConsolePort());
    ASSERT_TRUE(c.Login());
    const std::string reply = c.Command("sys name edge router");
    EXPECT_EQ(reply.rfind("sys name edge router\r\n", 0), 0u) << reply;
    EXPECT_EQ(Text("1.3.6.1.2.1.1.5.0"), "edge router");
    EXPECT_NE(reply.find("edge router> "), std::string::npos) << "prompt follows the new name";
    c.Command("sys location Mast 3");
    EXPECT_EQ(Text("1.3.6.1.2.1.1.6.0"), "Mast 3");
    c.Command("sys icmplimit 120");
    EXPECT_EQ(Number("1.3.6.1.4.1.3942.1.1.3.3.0"), 120);
    c.Command("sys nofastroute");
    EXPECT_EQ(Number("1.3.6.1.4.1.3942.1.1.3.2.0"), 0);
    c.Command("sys sendredirects");
    EXPECT_EQ(Number("1.3.6.1.4.1.3942.1.1.3.4.0"), 1);
    c.Command("sys nodropredirects");
    EXPECT_EQ(Number("1.3.6.1.4.1.3942.1.1.3.5.0"), 0);
    c.Command("rma stop");
    EXPECT_EQ(Number("1.3.6.1.4.1.3942.1.1.1.6.0"), 0);
}

TEST_F(ConsoleOverSocket, ArpViewArrivesInOneChunkOfEntryLines) {
    test::ConsoleClient c(sim_.ConsolePort());
    ASSERT_TRUE(c.Login());
    c.SendLine("arp view");
    const std::string chunk = c.ReadChunk();
    EXPECT_EQ(chunk.rfind("arp view\r\n", 0), 0u);
    EXPECT_EQ(chunk.substr(chunk.size() - 2), "> ");
    EXPECT_NE(chunk.find("\r\n10.10.0.5 at 00:0b:22:05:78:ff via rf5.0\r\n"), std::string::npos)
        << chunk;
    // Every line longer than 20 characters between the echo and the prompt
    // must be an entry: address, " at ", MAC, " via ", interface.
    std::size_t entries = 0;
    std::size_t at = chunk.find("\r\n") + 2;
    for (std::size_t end; (end = chunk.find("\r\n", at)) != std::string::npos; at = end + 2) {
        const std::string line = chunk.substr(at, end - at);
        if (line.size() > 20) {
            ++entries;
            EXPECT_NE(line.find(" at "), std::string::npos) << line;
            EXPECT_NE(line.find(" via "), std::string::npos) << line;
        }
    }
    EXPECT_EQ(entries, 6u);
}

TEST_F(ConsoleOverSocket, LoadMeterStreamsOneReportPerChunkUntilEsc) {
    test::ConsoleClient c(sim_.ConsolePort());
    ASSERT_TRUE(c.Login());
    c.SendLine("loadm  -w 1 eth0");
    const std::string heading = c.ReadChunk();
    EXPECT_EQ(heading.rfind("loadm  -w 1 eth0\r\n", 0), 0u);
    EXPECT_NE(heading.find("[K"), std::string::npos);
    for (int i = 0; i < 3; ++i) {
        const std::string report = c.ReadChunk();
        EXPECT_EQ(report.find("[K"), std::string::npos) << report;
        EXPECT_EQ(report.substr(report.size() - 2), "\r\n");
        // Eleven figures separated by at least two blanks.
        std::size_t tokens = 0;
        for (std::size_t p = 0; p < report.size();) {
            p = report.find_first_not_of(" \r\n", p);
            if (p == std::string::npos) {
                break;
            }
            ++tokens;
            const std::size_t end = report.find_first_of(" \r", p);
            EXPECT_TRUE(report[end] == '\r' || report.compare(end, 2, "  ") == 0) << report;
            p = end;
        }
        EXPECT_EQ(tokens, 11u) << report;
    }
    c.Send("\x1b\r\n");
    std::string tail = c.ReadUntil("> ");
    EXPECT_NE(tail.find("\x1b[K"), std::string::npos);
    // Nothing more streams after the prompt.
    EXPECT_EQ(c.ReadChunk(400ms), "");
}

TEST_F(ConsoleOverSocket, LinkTestReportsLevelsOfARegisteredCpeUntilEsc) {
    test::ConsoleClient c(sim_.ConsolePort());
    ASSERT_TRUE(c.Login());
    c.SendLine("rma rf5.0 test 000B220578FF 256");
    const std::string heading = c.ReadChunk();
    EXPECT_NE(heading.find("replies"), std::string::npos);
    const std::string report = c.ReadChunk();
    for (const char* needed : {"%", "(", ")", " "}) {
        EXPECT_NE(report.find(needed), std::string::npos) << report;
    }
    EXPECT_EQ(report.find("test"), std::string::npos);
    EXPECT_EQ(report.find("replies"), std::string::npos);
    // Second token: the level from the CPE (12 in the data, +-1 jitter).
    unsigned replies = 0;
    unsigned sent = 0;
    int levelFrom = -1;
    ASSERT_EQ(std::sscanf(report.c_str(), " %u/%u %d", &replies, &sent, &levelFrom), 3) << report;
    EXPECT_NEAR(levelFrom, 12, 1);
    EXPECT_LE(replies, sent);
    c.Send("\x1b\r\n");
    EXPECT_NE(c.ReadUntil("> ").find("Stopped"), std::string::npos);
}

TEST_F(ConsoleOverSocket, UnknownAndInconsistentCommandsAreRefusedAndChangeNothing) {
    test::ConsoleClient c(sim_.ConsolePort());
    ASSERT_TRUE(c.Login());
    EXPECT_NE(c.Command("frobnicate now").find("Error: unknown command"), std::string::npos);
    for (const char* refused :
         {"ifc eth9 10.1.1.1/255.255.255.0 alias", "ifc eth0 10.1.1.300/ alias",
          "ifc eth0 192.168.1.2/255.255.255.0 alias", "ifc eth0 mtu 20 up", "rf rf5.0 freq 2412",
          "rf rf5.0 txrt 17", "sys icmplimit -1", "rma ab rf5.0 00:0b:22 ip=10.10.0.50 name=x -ena",
          "rma ab rf5.0 000B22057AAA ip=10.10.0.5 name=x -ena", "rma bs rf2.0 1A2B/54000 2412"}) {
        const std::string reply = c.Command(refused);
        EXPECT_NE(reply.find("Error: "), std::string::npos) << refused << " -> " << reply;
        EXPECT_NE(reply.find("> "), std::string::npos);
    }
    EXPECT_EQ(Number("1.3.6.1.2.1.2.2.1.4.3"), 1500);
    EXPECT_EQ(Number("1.3.6.1.4.1.3942.1.1.2.1.1.3.1"), 5180);
    EXPECT_EQ(Number("1.3.6.1.4.1.3942.1.1.2.1.1.13.1"), 4);
    EXPECT_EQ(Text("1.3.6.1.2.1.4.20.1.1.10.1.1.1"), "(absent)");
    EXPECT_EQ(Text("1.3.6.1.4.1.3942.1.1.1.3.1.2.1.0.11.34.5.122.170"), "(absent)");
}

TEST_F(ConsoleOverSocket, QuitClosesTheConnection) {
    test::ConsoleClient c(sim_.ConsolePort());
    ASSERT_TRUE(c.Login());
    c.SendLine("quit");
    c.ReadUntil("never comes", 2s);
    EXPECT_TRUE(c.PeerClosed());
}

}  // namespace
}  // namespace tessel::sim
