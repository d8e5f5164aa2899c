#pragma once

// The command line of a snapshot ("--snapshot --host=ADDRESS
// --community=COMMUNITY [--output=FILE]") and the texts it shows: usage,
// failures and the progress line.

#include "core/snapshot/router_snapshot.hpp"

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessel {

// Whether the command line asks for a snapshot rather than the window: some
// argument is exactly "--snapshot", and either it is the first one or no
// argument begins with "--login=" or "--password=" (a window login line has
// both, and its community, which runs to the end of the line, may hold any
// text).
bool IsSnapshotRequest(int argc, const char* const* argv);

struct SnapshotOptions {
    std::string host;
    std::string community;
    std::string output;  // empty: standard output
    bool help = false;   // "--help" among the options: print the usage, nothing else
};

// Each argument is one option ("--snapshot", "--host=", "--community=",
// "--output=", "--help"), in any order, each at most once. Returns the
// complaint when the line is wrong (an unknown or repeated option, a missing
// or empty host or community, an empty output path); empty when it is right.
std::string ParseSnapshotOptions(int argc, const char* const* argv, SnapshotOptions& options);

// The usage lines of the snapshot, as --help and the complaints show them.
std::string SnapshotUsageText();

// What standard error says when the snapshot could not be read. port is the
// UDP port the reads went to.
std::string SnapshotFailureText(SnapshotOutcome outcome, const SnapshotReader& reader,
                                std::string_view host, std::string_view port);

// The progress line on a terminal: "routes: 4200 reads" rewritten in place.
// Update gives the text to write (with its leading carriage return) when the
// section changed or interval has passed since the last one written, and
// nothing otherwise, so that a long table costs a few writes a second.
class SnapshotProgressLine {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds Interval{100};

    std::optional<std::string> Update(std::string_view section, std::size_t exchanges,
                                      Clock::time_point now);
    // What ends the line: blanks over the widest text written, back to its
    // start. Empty when nothing was written.
    std::string Clear() const;

  private:
    std::string section_;
    Clock::time_point last_{};
    bool written_ = false;
    std::size_t width_ = 0;
};

}  // namespace tessel
