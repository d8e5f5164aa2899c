#pragma once

// Starts the lab router (tessel-router-sim) as a child process for a test.
//
//   tessel::test::RouterSim sim;                 // free ports on 127.0.0.1
//   tessel::test::RouterSim sim({"--data", path, "--scale", "max"});
//   sim.SnmpPort(); sim.ConsolePort(); sim.Log().ConsoleLines();
//
// The constructor passes --bind 127.0.0.1 --snmp-port 0 --console-port 0
// --log <temporary file>, then the caller's arguments (a later option wins),
// and waits for the "ready snmp=PORT console=PORT" line; it throws
// std::runtime_error when the program cannot start or is not ready in time.
// The destructor stops the child by its PID: SIGTERM, up to 3 s, SIGKILL.
// The binary is the one built with the tests; the environment variable
// TESSEL_ROUTER_SIM overrides it. A launcher ("ip netns exec NS") runs the
// router through that command, which must exec it in its own place so that
// the PID stays the router's.

#include "support/router_log.hpp"

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace tessel::test {

std::string RouterSimPath();

class RouterSim {
  public:
    explicit RouterSim(std::vector<std::string> arguments = {},
                       std::chrono::milliseconds readyTimeout = std::chrono::seconds(15),
                       std::vector<std::string> launcher = {});
    ~RouterSim();
    RouterSim(const RouterSim&) = delete;
    RouterSim& operator=(const RouterSim&) = delete;

    int SnmpPort() const { return snmpPort_; }
    int ConsolePort() const { return consolePort_; }
    const std::string& LogPath() const { return logPath_; }
    pid_t Pid() const { return pid_; }

    // What the router has logged so far.
    RouterLog Log() const { return RouterLog(logPath_); }
    // True while the child has not exited.
    bool Running();
    // Stops the child now; returns its exit code, or 128 + signal number.
    int Stop();

  private:
    pid_t pid_ = -1;
    int stdoutFd_ = -1;
    int snmpPort_ = 0;
    int consolePort_ = 0;
    int exitStatus_ = -1;
    std::string logPath_;
};

}  // namespace tessel::test
