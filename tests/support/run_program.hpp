#pragma once

// Runs a program (a net-snmp client, say) and collects what it prints on
// standard output and standard error, in the order written.

#include <chrono>
#include <string>
#include <vector>

namespace tessel::test {

struct ProgramResult {
    int exitCode = -1;   // 128 + signal when killed
    std::string output;  // stdout and stderr together
};

// The child gets SIGKILL after `timeout`.
ProgramResult RunProgram(const std::vector<std::string>& argv,
                         std::chrono::milliseconds timeout = std::chrono::seconds(60));

}  // namespace tessel::test
