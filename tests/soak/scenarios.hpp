#pragma once

// The fault-injection soak scenarios. Each runs the real window against a
// lab router with one kind of fault for about `seconds` (a scenario may run
// longer to do one full round of its steps) and reports what it checked.

#include "soak_session.hpp"

#include <string>
#include <string_view>

namespace tessel::soak {

struct Options {
    int seconds = 10;
    int timeoutMs = 500;
    long seed = 7;
    long rssGrowthLimitKb = 20 * 1024;
};

using Scenario = Findings (*)(const Options&);

// 10 % of SNMP requests dropped during the login and while every page's
// auto-update runs.
Findings DroppedRequests(const Options& options);
// Console output in 1-byte and in random-size chunks.
Findings SplitConsoleOutput(const Options& options);
// The router stops answering SNMP after the login: the error limit.
Findings SilentRouter(const Options& options);
// The router closes the console after a few commands, again and again.
Findings ConsoleReset(const Options& options);
// Garbage and truncated SNMP replies.
Findings MalformedReplies(const Options& options);

// Checks that the memory in use grew by less than the limit between two readings.
void CheckMemory(Findings& findings, const Options& options, long startKb, long endKb);

}  // namespace tessel::soak
