#pragma once

// One console connection, without sockets: bytes in, chunks out.
//
// The login dialogue sends each step as a chunk of its own, and the caller
// leaves `gapBeforeMs` between chunks so that they arrive separately (the
// manager judges the dialogue one received chunk at a time):
//   greeting menu -> "1" -> "Login: " -> name -> "Password: " -> password ->
//   a line end -> a chunk with "www." and the prompt (accepted), or
//   "Login incorrect", then "Sorry ...", then the greeting again (refused).
// After login each line is echoed and answered in one chunk that ends with
// the prompt "NAME> ". The load meter and the link test stream one report
// per chunk until ESC (byte 27) arrives.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "reports.hpp"
#include "router_state.hpp"

namespace tessel::sim {

struct ConsoleChunk {
    std::string bytes;
    int gapBeforeMs = 0;
};

struct ConsoleSettings {
    std::string login = "admin";
    std::string password = "admin";
    int dialogueGapMs = 30;
    std::size_t maxLineLength = 4096;
    // Failed logins after which the connection is closed; 0: never.
    std::size_t lockoutAfter = 0;
};

class ConsoleSession {
  public:
    ConsoleSession(RouterState& state, ConsoleSettings settings);

    std::vector<ConsoleChunk> Start();
    std::vector<ConsoleChunk> Receive(std::string_view bytes);
    // One report of the running stream; empty when nothing streams.
    std::vector<ConsoleChunk> Tick();

    // Seconds between reports, 0 when nothing streams.
    int StreamIntervalSeconds() const;
    bool LoggedIn() const { return stage_ == Stage::Command; }
    bool WantsClose() const { return close_; }
    // True once after each command that changed the router state.
    bool TakeStateChanged();
    // Lines completed since the last call, for the event log.
    std::vector<std::string> TakeLines();
    std::size_t CommandCount() const { return commands_; }

    std::string Prompt() const;

  private:
    enum class Stage { Menu, Login, Password, Command };

    void HandleLine(std::string line, std::vector<ConsoleChunk>& out);
    void HandleCommand(const std::string& line, std::vector<ConsoleChunk>& out);
    void StopStream(std::vector<ConsoleChunk>& out);
    void RefuseLogin(std::vector<ConsoleChunk>& out);
    std::string Greeting() const;

    RouterState& state_;
    ConsoleSettings settings_;
    Stage stage_ = Stage::Menu;
    std::string pending_;
    std::string enteredLogin_;
    bool skipLf_ = false;
    bool overflow_ = false;
    bool discardLine_ = false;
    bool close_ = false;
    bool changed_ = false;
    std::size_t commands_ = 0;
    std::size_t failedLogins_ = 0;
    std::vector<std::string> lines_;
    StreamKind streaming_ = StreamKind::None;
    LoadMeterRun meter_;
    LinkTestRun test_;
};

}  // namespace tessel::sim
