#pragma once

// net-snmp's agent as a child process on a free loopback UDP port, with a
// minimal configuration of its own. Stopped by its PID when destroyed.

#include <sys/types.h>
#include <string>

namespace tessel::test {

class SnmpdAgent {
  public:
    SnmpdAgent() = default;
    SnmpdAgent(const SnmpdAgent&) = delete;
    SnmpdAgent& operator=(const SnmpdAgent&) = delete;
    ~SnmpdAgent();

    // Path of the agent binary, empty when it is not installed.
    static std::string Binary();

    // Starts the agent with a read-only community and a fixed sysName, then
    // waits until it answers a Get (at most about 15 s). False if it never does.
    bool Start(const std::string& community, const std::string& sysName);
    void Stop();

    int Port() const { return port_; }
    const std::string& Directory() const { return directory_; }

  private:
    pid_t pid_ = -1;
    int port_ = 0;
    std::string directory_;
};

// A UDP port on 127.0.0.1 that was free a moment ago.
int FreeUdpPort();

}  // namespace tessel::test
