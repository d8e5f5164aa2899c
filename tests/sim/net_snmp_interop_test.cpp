// The agent against a real peer: net-snmp's command-line tools.

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "oid.hpp"
#include "support/router_sim_process.hpp"
#include "support/run_program.hpp"

namespace tessel::sim {
namespace {

using test::RouterSim;
using test::RunProgram;

struct Line {
    Oid oid;
    std::string value;  // "TYPE: text" as net-snmp prints it
};

std::vector<Line> ParseLines(const std::string& output) {
    std::vector<Line> lines;
    std::istringstream in(output);
    for (std::string text; std::getline(in, text);) {
        const std::size_t eq = text.find(" = ");
        if (eq == std::string::npos) {
            continue;
        }
        const auto oid = ParseOid(text.substr(0, eq));
        if (oid) {
            lines.push_back({*oid, text.substr(eq + 3)});
        }
    }
    return lines;
}

class NetSnmpInterop : public ::testing::Test {
  protected:
    std::string Target() const { return "127.0.0.1:" + std::to_string(sim_.SnmpPort()); }

    test::ProgramResult Tool(const std::string& tool, std::vector<std::string> args,
                             const std::string& community = "public") {
        std::vector<std::string> argv = {tool,  "-v1", "-c", community, "-m", "",
                                         "-On", "-t",  "2",  "-r",      "1",  Target()};
        argv.insert(argv.end(), args.begin(), args.end());
        return RunProgram(argv);
    }

    std::vector<Line> Walk(const std::string& root) {
        const auto result = Tool("snmpwalk", {root});
        EXPECT_EQ(result.exitCode, 0) << result.output;
        return ParseLines(result.output);
    }

    RouterSim sim_;
};

TEST_F(NetSnmpInterop, ScalarsComeWithTheTypesTheManagerExpects) {
    const auto result =
        Tool("snmpget", {"1.3.6.1.2.1.1.5.0", "1.3.6.1.2.1.1.3.0", "1.3.6.1.4.1.3942.1.1.3.6.0",
                         "1.3.6.1.4.1.3942.1.1.3.3.0", "1.3.6.1.4.1.3942.1.1.1.6.0"});
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const auto lines = ParseLines(result.output);
    ASSERT_EQ(lines.size(), 5u) << result.output;
    EXPECT_EQ(lines[0].value, "STRING: \"bs-north\"");
    EXPECT_EQ(lines[1].value.rfind("Timeticks: (", 0), 0u) << lines[1].value;
    EXPECT_EQ(lines[2].value.rfind("Gauge32: ", 0), 0u) << lines[2].value;
    EXPECT_EQ(lines[3].value, "INTEGER: 50");
    EXPECT_EQ(lines[4].value, "INTEGER: 1");
}

TEST_F(NetSnmpInterop, UpTimeAdvances) {
    const auto first = ParseLines(Tool("snmpget", {"1.3.6.1.2.1.1.3.0"}).output);
    ::usleep(300000);
    const auto second = ParseLines(Tool("snmpget", {"1.3.6.1.2.1.1.3.0"}).output);
    ASSERT_EQ(first.size(), 1u);
    ASSERT_EQ(second.size(), 1u);
    const auto ticks = [](const std::string& v) { return std::stoul(v.substr(v.find('(') + 1)); };
    EXPECT_GE(ticks(second[0].value), ticks(first[0].value) + 20);
}

TEST_F(NetSnmpInterop, IfTableListsInterfacesInIndexOrderWithRawMacs) {
    const auto names = Walk("1.3.6.1.2.1.2.2.1.2");
    ASSERT_EQ(names.size(), 7u);
    EXPECT_EQ(names[0].value, "STRING: \"rf5.0\"");
    EXPECT_EQ(names[1].value, "STRING: \"rf2.0\"");
    EXPECT_EQ(names[5].value, "STRING: \"tun0\"");
    EXPECT_EQ(names[6].value, "STRING: \"vlan10\"");
    const auto macs = Walk("1.3.6.1.2.1.2.2.1.6");
    ASSERT_EQ(macs.size(), 7u);
    EXPECT_EQ(macs[0].value, "Hex-STRING: 00 0B 22 50 00 01 ");
    const auto status = Walk("1.3.6.1.2.1.2.2.1.8");
    ASSERT_EQ(status.size(), 7u);
    EXPECT_EQ(status[2].value, "INTEGER: 1");  // eth0 up
    EXPECT_EQ(status[3].value, "INTEGER: 2");  // eth1 down
    const auto all = Walk("1.3.6.1.2.1.2.2");
    EXPECT_EQ(all.size(), 7u * 22u);
}

TEST_F(NetSnmpInterop, AddressTableIsIndexedByTheAddressInNumericOrder) {
    const auto rows = Walk("1.3.6.1.2.1.4.20.1.1");
    ASSERT_EQ(rows.size(), 8u);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_LT(rows[i - 1].oid, rows[i].oid);
    }
    EXPECT_EQ(rows[0].value, "IpAddress: 10.10.0.1");
    for (const Line& row : rows) {
        // The index is the address itself.
        const Oid index(row.oid.end() - 4, row.oid.end());
        EXPECT_EQ("IpAddress: " + OidToText(index), row.value);
    }
    const auto masks = Walk("1.3.6.1.2.1.4.20.1.3");
    ASSERT_EQ(masks.size(), 8u);
    EXPECT_EQ(masks[0].value, "IpAddress: 255.255.255.0");
}

TEST_F(NetSnmpInterop, RouteTableServesAllThirteenColumns) {
    const auto rows = Walk("1.3.6.1.2.1.4.21.1");
    ASSERT_EQ(rows.size(), 11u * 13u);
    std::map<std::uint32_t, std::string> typeOfColumn;
    for (const Line& row : rows) {
        typeOfColumn[row.oid[9]] = row.value.substr(0, row.value.find(':'));
    }
    ASSERT_EQ(typeOfColumn.size(), 13u);
    EXPECT_EQ(typeOfColumn[1], "IpAddress");
    EXPECT_EQ(typeOfColumn[2], "INTEGER");
    EXPECT_EQ(typeOfColumn[7], "IpAddress");
    EXPECT_EQ(typeOfColumn[9], "INTEGER");
    EXPECT_EQ(typeOfColumn[11], "IpAddress");
    EXPECT_EQ(typeOfColumn[13], "OID");
}

TEST_F(NetSnmpInterop, EnterpriseWalkIsOrderedAndEnds) {
    const auto rows = Walk("1.3.6.1.4.1.3942.1.1");
    ASSERT_GT(rows.size(), 100u);
    const Oid root = {1, 3, 6, 1, 4, 1, 3942, 1, 1};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_TRUE(std::equal(root.begin(), root.end(), rows[i].oid.begin()));
        if (i > 0) {
            EXPECT_LT(rows[i - 1].oid, rows[i].oid) << OidToText(rows[i].oid);
        }
    }
    // The CPE table's MAC column arrives as six raw bytes.
    const auto macs = Walk("1.3.6.1.4.1.3942.1.1.1.3.1.3.1");
    ASSERT_EQ(macs.size(), 3u);
    EXPECT_EQ(macs[0].value, "Hex-STRING: 00 0B 22 05 78 FF ");
    const auto limits = Walk("1.3.6.1.4.1.3942.1.1.1.3.1.9.1.1");
    ASSERT_EQ(limits.size(), 3u);
    EXPECT_EQ(limits[0].value, "INTEGER: 4096");
}

TEST_F(NetSnmpInterop, GetNextPastTheEndAndAbsentObjectsGiveNoSuchName) {
    const auto past = Tool("snmpgetnext", {"1.3.6.1.4.1.3942.1.1.4.1.1.12.7"});
    EXPECT_NE(past.output.find("There is no such variable"), std::string::npos) << past.output;
    const auto absent = Tool("snmpget", {"1.3.6.1.2.1.1.5.1"});
    EXPECT_NE(absent.output.find("There is no such variable"), std::string::npos) << absent.output;
}

TEST_F(NetSnmpInterop, WrongCommunityGetsNoAnswer) {
    const auto result = RunProgram({"snmpget", "-v1", "-c", "private", "-m", "", "-On", "-t", "1",
                                    "-r", "0", Target(), "1.3.6.1.2.1.1.5.0"});
    EXPECT_NE(result.exitCode, 0);
    EXPECT_EQ(result.output.find("bs-north"), std::string::npos);
}

}  // namespace
}  // namespace tessel::sim
