#pragma once

// The router's console text cut into lines, whatever the chunks it came in:
// a line split over two chunks is one line, and the prompt, which has no
// line end, is taken out once it is complete.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

// line without its screen-control sequences (ESC "[", parameters, one final
// byte: the "[K" of a redraw, the clear-screen of the load meter's heading).
// An unfinished sequence stays as it is.
std::string WithoutScreenControls(std::string_view line);

class ReplyLines {
  public:
    // A line longer than this is cut there: a router that never ends its
    // line must not make the partial line grow without end.
    static constexpr std::size_t LineLimit = 4096;

    // The lines that chunk completes, screen controls removed. CR and LF
    // each end a line, so CR LF gives an empty line after the text: callers
    // that show lines skip the empty ones.
    std::vector<std::string> Feed(std::string_view chunk);

    // The partial line once it is a complete prompt ("NAME> ": it ends in
    // "> "), taken out; nothing otherwise.
    std::optional<std::string> TakePrompt();

    // Whatever partial line there is, taken out (empty when none).
    std::string TakePartial();

    bool HasPartial() const { return !partial_.empty(); }

  private:
    std::string partial_;
};

}  // namespace tessel
