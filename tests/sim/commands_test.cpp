// Console commands against the router state, read back through the agent's
// object store as the manager would read them.

#include <gtest/gtest.h>

#include "command_interpreter.hpp"
#include "core/snmp/ber.hpp"
#include "mib_builder.hpp"
#include "sim_fixture.hpp"

namespace tessel::sim {
namespace {

class Commands : public ::testing::Test {
  protected:
    explicit Commands(const std::string& data = "base-station.json")
        : state_(test::BundledState(data)) {}

    CommandResult Run(const std::string& line) { return ExecuteCommand(state_, line); }

    // The value an SNMP Get would return: text for strings, decimal for
    // numbers, dotted for addresses; "absent" when there is no instance.
    std::string Read(const std::string& oid) {
        MibStore store;
        BuildMib(state_, store);
        const MibEntry* e = store.Find(*ParseOid(oid));
        if (e == nullptr) {
            return "absent";
        }
        const std::string content = ValueContent(e->value, 0);
        switch (e->value.tag) {
            case ber::TagInteger:
                return std::to_string(ber::SignedValue(content));
            case ber::TagIpAddress: {
                std::string out;
                for (const char c : content) {
                    out += (out.empty() ? "" : ".") + std::to_string(static_cast<std::uint8_t>(c));
                }
                return out;
            }
            case ber::TagOctetString:
                return content;
            default:
                return std::to_string(ber::UnsignedValue(content));
        }
    }

    // Every instance with its value, to prove that a refused command changed nothing.
    std::vector<std::pair<Oid, std::string>> Snapshot() {
        MibStore store;
        BuildMib(state_, store);
        std::vector<std::pair<Oid, std::string>> all;
        for (const MibEntry& e : store.Entries()) {
            all.emplace_back(e.oid, ValueContent(e.value, 0));
        }
        return all;
    }

    void ExpectRefused(const std::string& line) {
        const auto before = Snapshot();
        const CommandResult r = Run(line);
        EXPECT_EQ(r.output.rfind("Error: ", 0), 0u) << line << " -> " << r.output;
        EXPECT_FALSE(r.changed) << line;
        EXPECT_TRUE(before == Snapshot()) << line << " changed the state";
    }

    RouterState state_;
};

// A setting that takes is answered by nothing but its echo and the prompt, so
// that whatever the router says there is worth the operator's notice.
TEST_F(Commands, SettingsThatTakeSayNothing) {
    for (const char* line :
         {"sys name bs-east", "sys nofastroute", "rf rf5.0 distance 7", "rf rf5.0 -burst",
          "rma stop", "rma rf5.0 -autobitrate", "ifc eth1 10.77.1.9/255.255.255.0 alias",
          "ifc eth0 mtu 1400 up", "rma ab rf5.0 000B220578FF ip=10.10.0.5 name=x -dis"}) {
        const CommandResult r = Run(line);
        EXPECT_TRUE(r.changed) << line;
        EXPECT_EQ(r.output, "") << line;
    }
}

TEST_F(Commands, AliasAddsTheAddressAndItsConnectedRouteAndRemovesBoth) {
    EXPECT_TRUE(Run("ifc eth1 10.77.1.9/255.255.255.0 alias").changed);
    EXPECT_EQ(Read("1.3.6.1.2.1.4.20.1.2.10.77.1.9"), "4");
    EXPECT_EQ(Read("1.3.6.1.2.1.4.20.1.3.10.77.1.9"), "255.255.255.0");
    EXPECT_EQ(Read("1.3.6.1.2.1.4.21.1.2.10.77.1.0"), "4");
    EXPECT_EQ(Read("1.3.6.1.2.1.4.21.1.9.10.77.1.0"), "2");  // local
    EXPECT_EQ(Read("1.3.6.1.2.1.4.21.1.11.10.77.1.0"), "255.255.255.0");
    // A second address of the network keeps the route until it goes too.
    Run("ifc eth1 10.77.1.10/255.255.255.0 alias");
    EXPECT_TRUE(Run("ifc eth1 10.77.1.9/255.255.255.0 -alias").changed);
    EXPECT_EQ(Read("1.3.6.1.2.1.4.20.1.1.10.77.1.9"), "absent");
    EXPECT_EQ(Read("1.3.6.1.2.1.4.21.1.1.10.77.1.0"), "10.77.1.0");
    Run("ifc eth1 10.77.1.10/ -alias");
    EXPECT_EQ(Read("1.3.6.1.2.1.4.21.1.1.10.77.1.0"), "absent");
}

TEST_F(Commands, BlankMaskTakesTheClassfulOne) {
    Run("ifc eth1 172.20.3.4/ alias");
    EXPECT_EQ(Read("1.3.6.1.2.1.4.20.1.3.172.20.3.4"), "255.255.0.0");
    EXPECT_EQ(Read("1.3.6.1.2.1.4.21.1.1.172.20.0.0"), "172.20.0.0");
}

TEST_F(Commands, InterfaceUpdateChangesMtuAndBothStatuses) {
    EXPECT_TRUE(Run("ifc eth0 mtu 1400 down").changed);
    EXPECT_EQ(Read("1.3.6.1.2.1.2.2.1.4.3"), "1400");
    EXPECT_EQ(Read("1.3.6.1.2.1.2.2.1.7.3"), "2");
    EXPECT_EQ(Read("1.3.6.1.2.1.2.2.1.8.3"), "2");
    Run("ifc eth0 mtu 1500 up");
    EXPECT_EQ(Read("1.3.6.1.2.1.2.2.1.8.3"), "1");
}

TEST_F(Commands, InterfaceInformationDescribesTheInterface) {
    const CommandResult r = Run("ifc eth0");
    EXPECT_FALSE(r.changed);
    EXPECT_EQ(r.output.rfind("\x1b[Keth0: ", 0), 0u) << r.output;
    EXPECT_NE(r.output.find("inet 192.168.1.1 netmask 255.255.255.0"), std::string::npos);
    EXPECT_NE(r.output.find("inet 192.168.1.2 "), std::string::npos);
    EXPECT_NE(r.output.find("mtu 1500"), std::string::npos);
    EXPECT_NE(Run("ifc rf5.0").output.find("frequency 5180"), std::string::npos);
}

TEST_F(Commands, RadioCommandsChangeTheRadioTable) {
    Run("rf rf5.0 freq 5300");
    Run("rf rf5.0 bitr 24000");
    Run("rf rf5.0 pwr 8");
    Run("rf rf5.0 sid 1a2B");
    Run("rf rf5.0 distance 12");
    Run("rf rf5.0 txrt 16");
    Run("rf rf5.0 -burst");
    Run("rf rf5.0 pwrctl");
    Run("rf rf5.0 wocd");
    Run("rf rf5.0 long");
    const std::string r = "1.3.6.1.4.1.3942.1.1.2.1.1.";
    EXPECT_EQ(Read(r + "3.1"), "5300");
    EXPECT_EQ(Read(r + "4.1"), "24000");
    EXPECT_EQ(Read(r + "6.1"), "8");
    EXPECT_EQ(Read(r + "5.1"), "6699");
    EXPECT_EQ(Read(r + "9.1"), "12");
    EXPECT_EQ(Read(r + "13.1"), "16");
    EXPECT_EQ(Read(r + "10.1"), "0");
    EXPECT_EQ(Read(r + "12.1"), "1");
    EXPECT_EQ(Read(r + "16.1"), "1");
    EXPECT_EQ(Read(r + "11.1"), "1");
    // The other radio is untouched.
    EXPECT_EQ(Read(r + "3.2"), "2437");
}

TEST_F(Commands, RmaSwitchesAndPollingSlots) {
    Run("rma rf5.0 -autobitrate");
    Run("rma rf2.0 autobitrate");
    EXPECT_EQ(Read("1.3.6.1.4.1.3942.1.1.1.1.1.6.1"), "0");
    EXPECT_EQ(Read("1.3.6.1.4.1.3942.1.1.1.1.1.6.2"), "1");
    Run("rma rf2.0 poll");
    EXPECT_EQ(Read("1.3.6.1.4.1.3942.1.1.1.2.1.1.1"), "1");
    EXPECT_EQ(Read("1.3.6.1.4.1.3942.1.1.1.2.1.1.2"), "2");
    Run("rma rf2.0 poll");  // already polling: still one slot
    Run("rma rf5.0 -poll");
    EXPECT_EQ(Read("1.3.6.1.4.1.3942.1.1.1.2.1.1.1"), "0");
    EXPECT_EQ(Read("1.3.6.1.4.1.3942.1.1.1.2.1.1.2"), "2");
}

TEST_F(Commands, CpeEntriesAreAddedUpdatedAndDeleted) {
    const std::string row = ".1.0.11.34.5.122.170";
    const std::string c = "1.3.6.1.4.1.3942.1.1.1.3.1.";
    EXPECT_TRUE(Run("rma ab rf5.0 000b22057aaa ip=10.10.0.50 name=mill -ena").changed);
    EXPECT_EQ(Read(c + "2" + row), "mill");
    EXPECT_EQ(Read(c + "4" + row), "10.10.0.50");
    EXPECT_EQ(Read(c + "14" + row), "1");
    EXPECT_EQ(Read(c + "8" + row), "0");
    EXPECT_EQ(Read(c + "3" + row), std::string("\x00\x0B\x22\x05\x7A\xAA", 6));
    Run("rma ab rf5.0 00:0B:22:05:7A:AA ip=10.10.0.51 name=mill2 -dis");
    EXPECT_EQ(Read(c + "2" + row), "mill2");
    EXPECT_EQ(Read(c + "4" + row), "10.10.0.51");
    EXPECT_EQ(Read(c + "14" + row), "0");
    EXPECT_EQ(Read("1.3.6.1.4.1.3942.1.1.1.1.1.4.1"), "4");
    Run("rma ab rf5.0 000B22057AAA ip=10.10.0.51 name=mill2 -del");
    EXPECT_EQ(Read(c + "2" + row), "absent");
}

TEST_F(Commands, RefusedCommandsLeaveEverythingAsItWas) {
    for (const char* line :
         {"sys name ",
          "sys icmplimit 3.5",
          "sys icmplimit 70000",
          "sys fastroute now",
          "rma rf9.0 poll",
          "rma eth0 autobitrate",
          "rma rf5.0 test 000B220578FF 0",
          "rma ab rf5.0 000B220578FF ip=10.10.0.9 name=x -ena",
          "rma ab rf5.0 000B22057AAA ip=10.10.0.52 name=has space -ena",
          "rma ab rf5.0 000B22057AAA ip=10.10.0.256 name=x -ena",
          "rma ab rf5.0 000B22057AAA ip=10.10.0.52 name=abcdefghijklmnopqrstu -ena",
          "rma ab rf5.0 000B22057AAA ip=10.10.0.52 name=x -del",
          "rma bs rf5.0 1A2B/11000 5180",
          "rma bs rf5.0 1A2B/54000 2412",
          "rma bs rf5.0 0/54000 5180",
          "rma bs rf5.0 1A2B/54000 5180 -del",
          "rf rf5.0 bitr 11000",
          "rf rf5.0 pwr ",
          "rf rf5.0 sid 1000000",
          "rf rf5.0 sid 0",
          "rf rf5.0 distance -1",
          "rf eth0 burst",
          "ifc eth0 192.168.1.2/255.255.255.0 alias",
          "ifc eth0 10.1.1.0/255.255.255.0 alias",
          "ifc eth0 10.1.1.1/255.0.255.0 alias",
          "ifc eth0 -1.0.0.1/ alias",
          "ifc eth0 10.1.1.1/255.255.255.0 -alias",
          "ifc eth0 192.168.1.1/255.255.0.0 -alias",
          "ifc eth0 mtu 99999 up",
          "ifc eth0 sideways",
          "loadm  -w 0 eth0",
          "loadm  -w 1 eth7",
          "arp show"}) {
        SCOPED_TRACE(line);
        ExpectRefused(line);
    }
}

TEST_F(Commands, TablesStopAtTheirLimits) {
    for (int i = 0; state_.addresses.size() < MaxAddresses; ++i) {
        ASSERT_TRUE(Run("ifc eth1 10.123." + std::to_string(i) + ".1/255.255.255.0 alias").changed);
    }
    ExpectRefused("ifc eth1 10.124.0.1/255.255.255.0 alias");
    for (int i = 0; state_.cpes.size() < MaxCpesPerRadio + 2; ++i) {
        char mac[13];
        std::snprintf(mac, sizeof mac, "02000000%04X", static_cast<unsigned>(i) & 0xFFFFu);
        ASSERT_TRUE(Run("rma ab rf5.0 " + std::string(mac) + " ip=10.11." +
                        std::to_string(i / 200) + "." + std::to_string(i % 200 + 1) +
                        " name=n -ena")
                        .changed);
    }
    ExpectRefused("rma ab rf5.0 0200000FFFFF ip=10.12.0.1 name=n -ena");
}

class ClientUnitCommands : public Commands {
  protected:
    ClientUnitCommands() : Commands("client-unit.json") {}
};

TEST_F(ClientUnitCommands, BaseStationRowsComeAndGoWithTheRegistration) {
    const std::string bs = "1.3.6.1.4.1.3942.1.1.1.4.1.";
    const std::string reg = "1.3.6.1.4.1.3942.1.1.1.5.1.";
    EXPECT_EQ(Read(bs + "2.4"), "4");
    EXPECT_EQ(Read(bs + "5.1"), "6699");
    EXPECT_EQ(Read(reg + "1.1"), "1");
    EXPECT_EQ(Read(reg + "2.1"), "2437");
    EXPECT_EQ(Read(reg + "3.1"), "11000");
    // Deleting the record the unit is registered with ends the registration.
    EXPECT_TRUE(Run("rma bs rf4.0 1A2B/11000 2412,2437 -del").changed);
    EXPECT_EQ(Read(reg + "1.1"), "absent");
    EXPECT_EQ(Read(bs + "5.3"), "absent");
    // Adding it back (rows 3 and 4, after the two that stayed) restores it.
    EXPECT_TRUE(Run("rma bs rf4.0 1a2b/11000 2437,2412,2437").changed);
    EXPECT_EQ(Read(reg + "4.1"), "6699");
    EXPECT_EQ(Read(bs + "3.3"), "2437");
    EXPECT_EQ(Read(bs + "3.4"), "2412");
    EXPECT_EQ(Read(bs + "1.5"), "absent") << "a repeated frequency adds one row";
    EXPECT_FALSE(Run("rma bs rf4.0 1A2B/11000 2412").changed) << "nothing new to store";
}

}  // namespace
}  // namespace tessel::sim
