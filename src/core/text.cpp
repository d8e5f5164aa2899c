#include "core/text.hpp"

namespace tessel {

// An empty separator never "occurs": every helper then answers as for a miss.

std::string TextBefore(std::string_view s, std::string_view sep) {
    const auto at = sep.empty() ? std::string_view::npos : s.find(sep);
    return at == std::string_view::npos ? std::string() : std::string(s.substr(0, at));
}

std::string TextAfter(std::string_view s, std::string_view sep) {
    const auto at = sep.empty() ? std::string_view::npos : s.find(sep);
    return at == std::string_view::npos ? std::string()
                                        : std::string(s.substr(at + sep.size(), TextAfterLimit));
}

std::string TextBeforeLast(std::string_view s, std::string_view sep) {
    const auto at = sep.empty() ? std::string_view::npos : s.rfind(sep);
    return at == std::string_view::npos ? std::string() : std::string(s.substr(0, at));
}

std::string TextAfterLast(std::string_view s, std::string_view sep) {
    const auto at = sep.empty() ? std::string_view::npos : s.rfind(sep);
    return at == std::string_view::npos ? std::string() : std::string(s.substr(at + sep.size()));
}

std::size_t CountOccurrences(std::string_view s, std::string_view sub) {
    if (sub.empty()) {
        return 0;
    }
    std::size_t count = 0;
    for (auto at = s.find(sub); at != std::string_view::npos; at = s.find(sub, at + 1)) {
        ++count;
    }
    return count;
}

std::string RemoveOccurrences(std::string s, std::string_view sub) {
    if (sub.empty()) {
        return s;
    }
    const std::size_t steps = s.size();
    std::string out;
    out.reserve(s.size());
    // Equivalent to erasing in place at position i and then stepping to i + 1,
    // done in one pass: after a deletion the character that slid into the
    // current position is copied unexamined.
    std::size_t in = 0;
    for (std::size_t step = 0; step < steps && in < s.size(); ++step) {
        if (s.compare(in, sub.size(), sub) == 0) {
            in += sub.size();
            if (in < s.size()) {
                out.push_back(s[in++]);
            }
        } else {
            out.push_back(s[in++]);
        }
    }
    out.append(s, in, std::string::npos);
    return out;
}

std::string Latin1ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out.push_back(c);
        } else {
            out.push_back(static_cast<char>(0xc0 | (byte >> 6)));
            out.push_back(static_cast<char>(0x80 | (byte & 0x3f)));
        }
    }
    return out;
}

}  // namespace tessel
