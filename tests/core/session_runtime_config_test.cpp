// The settings taken from the environment at start-up.

#include "core/session/runtime_config.hpp"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace tessel {
namespace {

RuntimeConfig ReadFrom(const std::map<std::string, std::string>& environment) {
    return ReadRuntimeConfig([&environment](const char* name) -> const char* {
        const auto found = environment.find(name);
        return found == environment.end() ? nullptr : found->second.c_str();
    });
}

TEST(RuntimeConfig, NothingSetGivesTheRouterDefaults) {
    const RuntimeConfig config = ReadFrom({});
    EXPECT_EQ(config.snmpPort, "161");
    EXPECT_EQ(config.consolePort, 23);
    EXPECT_FALSE(config.trace);
}

TEST(RuntimeConfig, PortsCountOnlyWhenTheyAreWholePortNumbers) {
    const std::pair<const char*, int> cases[] = {
        {"1161", 1161}, {"65535", 65535}, {"1", 1},  {"0161", 161}, {"0", 0},    {"65536", 0},
        {"", 0},        {"16x", 0},       {"-5", 0}, {" 23", 0},    {"0x17", 0}, {"99999999999", 0},
    };
    for (const auto& [set, port] : cases) {
        const RuntimeConfig config =
            ReadFrom({{"TESSEL_SNMP_PORT", set}, {"TESSEL_CONSOLE_PORT", set}});
        EXPECT_EQ(config.snmpPort, port != 0 ? std::string(set) : "161") << set;
        EXPECT_EQ(config.consolePort, port != 0 ? port : 23) << set;
    }
    // Each port is read from its own variable.
    const RuntimeConfig config = ReadFrom({{"TESSEL_CONSOLE_PORT", "2323"}});
    EXPECT_EQ(config.snmpPort, "161");
    EXPECT_EQ(config.consolePort, 2323);
}

TEST(RuntimeConfig, TraceIsOnForAnyValueButEmptyOrZero) {
    const std::pair<const char*, bool> cases[] = {
        {"1", true}, {"yes", true}, {"00", true}, {" ", true}, {"", false}, {"0", false},
    };
    for (const auto& [set, on] : cases) {
        EXPECT_EQ(ReadFrom({{"TESSEL_TRACE", set}}).trace, on) << '"' << set << '"';
    }
}

}  // namespace
}  // namespace tessel
