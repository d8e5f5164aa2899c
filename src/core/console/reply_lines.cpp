#include "core/console/reply_lines.hpp"

#include <utility>

namespace tessel {

namespace {

constexpr char Esc = 27;

bool IsParameterByte(char c) {
    return c >= 0x20 && c <= 0x3f;
}

bool IsFinalByte(char c) {
    return c >= 0x40 && c <= 0x7e;
}

}  // namespace

std::string WithoutScreenControls(std::string_view line) {
    std::string out;
    out.reserve(line.size());
    std::size_t at = 0;
    while (at < line.size()) {
        if (line[at] == Esc && at + 1 < line.size() && line[at + 1] == '[') {
            std::size_t end = at + 2;
            while (end < line.size() && IsParameterByte(line[end])) {
                ++end;
            }
            if (end < line.size() && IsFinalByte(line[end])) {
                at = end + 1;
                continue;
            }
        }
        out.push_back(line[at]);
        ++at;
    }
    return out;
}

std::vector<std::string> ReplyLines::Feed(std::string_view chunk) {
    std::vector<std::string> lines;
    for (const char c : chunk) {
        if (c == '\r' || c == '\n') {
            lines.push_back(TakePartial());
            continue;
        }
        partial_.push_back(c);
        if (partial_.size() >= LineLimit) {
            lines.push_back(TakePartial());
        }
    }
    return lines;
}

std::optional<std::string> ReplyLines::TakePrompt() {
    const std::string text = WithoutScreenControls(partial_);
    if (!text.ends_with("> ")) {
        return std::nullopt;
    }
    partial_.clear();
    return text;
}

std::string ReplyLines::TakePartial() {
    return WithoutScreenControls(std::exchange(partial_, {}));
}

}  // namespace tessel
