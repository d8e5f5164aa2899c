#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "core/snmp/snmp_client.hpp"
#include "snmpd_agent.hpp"

namespace tessel {
namespace {

const std::string kCommunity = "tessel-ro";
const std::string kSysName = "tessel-lab-agent";

class SnmpdInterop : public ::testing::Test {
  protected:
    void SetUp() override {
        if (test::SnmpdAgent::Binary().empty()) {
            GTEST_SKIP() << "net-snmp's snmpd is not installed";
        }
        ASSERT_TRUE(agent_.Start(kCommunity, kSysName)) << "snmpd did not answer";
    }

    std::string Target() const { return "127.0.0.1:" + std::to_string(agent_.Port()); }

    test::SnmpdAgent agent_;
};

using Walk = std::vector<std::pair<std::string, std::string>>;

// net-snmp's own walk, numeric OIDs without the leading dot; values as printed
// with -Oq (strings in double quotes).
Walk NetSnmpWalk(const std::string& target, const std::string& oid) {
    const std::string command =
        "snmpwalk -v1 -c " + kCommunity + " -m '' -On -Oq " + target + " " + oid + " 2>/dev/null";
    Walk walk;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return walk;
    }
    char line[4096];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
            text.pop_back();
        }
        const auto space = text.find(' ');
        if (text.empty() || text[0] != '.' || space == std::string::npos) {
            continue;
        }
        walk.emplace_back(text.substr(1, space - 1), text.substr(space + 1));
    }
    ::pclose(pipe);
    return walk;
}

TEST_F(SnmpdInterop, GetReadsSystemObjects) {
    std::string value;
    EXPECT_TRUE(SnmpGetValue("1.3.6.1.2.1.1.5.0", kCommunity, "127.0.0.1", value));
    EXPECT_EQ(value, kSysName);
    EXPECT_TRUE(SnmpGetValue("1.3.6.1.2.1.1.6.0", kCommunity, "localhost", value));
    EXPECT_EQ(value, "lab bench");

    std::string first;
    std::string second;
    ASSERT_TRUE(SnmpGetValue("1.3.6.1.2.1.1.3.0", kCommunity, "127.0.0.1", first));
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first.find_first_not_of("0123456789"), std::string::npos) << first;
    ASSERT_TRUE(SnmpGetValue("1.3.6.1.2.1.1.3.0", kCommunity, "127.0.0.1", second));
    EXPECT_GE(std::stoull(second), std::stoull(first));

    // sysObjectID renders as dotted text, sysServices (configured) as a number.
    EXPECT_TRUE(SnmpGetValue("1.3.6.1.2.1.1.2.0", kCommunity, "127.0.0.1", value));
    EXPECT_EQ(value.rfind("1.3.6.1.4.1.", 0), 0u) << value;
    EXPECT_TRUE(SnmpGetValue("1.3.6.1.2.1.1.7.0", kCommunity, "127.0.0.1", value));
    EXPECT_EQ(value, "72");
}

TEST_F(SnmpdInterop, MissingInstanceIsAnsweredWithAnEmptyValue) {
    // A version-1 agent answers noSuchName and echoes the binding.
    std::string value = "stale";
    EXPECT_TRUE(SnmpGetValue("1.3.6.1.2.1.1.5.7", kCommunity, "127.0.0.1", value));
    EXPECT_EQ(value, "");

    std::string oid = "1.3.6.1.9.9.9";
    EXPECT_TRUE(SnmpGetNextValue(oid, kCommunity, "127.0.0.1", value));
    EXPECT_EQ(oid, "1.3.6.1.9.9.9");
    EXPECT_EQ(value, "");
}

TEST_F(SnmpdInterop, GetNextWalkOfIfDescrMatchesNetSnmp) {
    const std::string column = "1.3.6.1.2.1.2.2.1.2";
    const Walk expected = NetSnmpWalk(Target(), column);
    ASSERT_FALSE(expected.empty()) << "snmpwalk printed nothing";

    Walk ours;
    std::string oid = column;
    std::string value;
    while (ours.size() < 1000 && SnmpGetNextValue(oid, kCommunity, "127.0.0.1", value) &&
           oid.rfind(column + ".", 0) == 0) {
        ours.emplace_back(oid, "\"" + value + "\"");
    }
    EXPECT_EQ(ours, expected);
}

}  // namespace
}  // namespace tessel
