#include "core/router/number_text.hpp"

#include <limits>

namespace tessel {
namespace {

int DigitValue(char c, int base) {
    int digit = base;
    if (c >= '0' && c <= '9') {
        digit = c - '0';
    } else if (base == 16 && c >= 'a' && c <= 'f') {
        digit = c - 'a' + 10;
    } else if (base == 16 && c >= 'A' && c <= 'F') {
        digit = c - 'A' + 10;
    }
    return digit < base ? digit : -1;
}

}  // namespace

std::optional<std::int64_t> ParseInteger(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ') {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    int base = 10;
    const std::string_view rest = text.substr(at);
    if (rest.starts_with("0x")) {
        base = 16;
        at += 2;
    } else if (rest.starts_with("$") || rest.starts_with("x")) {
        base = 16;
        at += 1;
    }
    if (at == text.size()) {
        return std::nullopt;
    }
    // Accumulate the magnitude as unsigned so that the most negative value
    // still converts.
    constexpr std::uint64_t kMaxMagnitude =
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + 1;
    std::uint64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        const int digit = DigitValue(text[at], base);
        if (digit < 0 || magnitude > (kMaxMagnitude - static_cast<std::uint64_t>(digit)) /
                                         static_cast<std::uint64_t>(base)) {
            return std::nullopt;
        }
        magnitude =
            magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    }
    if (negative) {
        return magnitude == kMaxMagnitude ? std::numeric_limits<std::int64_t>::min()
                                          : -static_cast<std::int64_t>(magnitude);
    }
    if (magnitude == kMaxMagnitude) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(magnitude);
}

std::int64_t WholeNumberOrZero(std::string_view text) {
    return ParseInteger(text).value_or(0);
}

}  // namespace tessel
