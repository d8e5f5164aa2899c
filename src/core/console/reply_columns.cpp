#include "core/console/reply_columns.hpp"

namespace tessel {

void ScanReplyColumns(std::string_view chunk,
                      const std::function<bool(std::string_view token)>& deliver) {
    const std::string_view text = chunk.substr(0, chunk.find('\0'));
    const std::size_t length = text.size();
    // Positions count from 1 as the router's report layout is described;
    // at(p) is the character at position p.
    const auto at = [&text](std::size_t p) { return text[p - 1]; };
    std::size_t p = 0;
    for (;;) {
        ++p;
        while (p <= length && at(p) == ' ') {
            ++p;
        }
        if (p > length) {
            return;
        }
        const std::size_t start = p;
        ++p;
        while (p <= length && at(p) != ' ' && at(p) != '\r') {
            ++p;
        }
        if (!deliver(text.substr(start - 1, p - start))) {
            return;
        }
        ++p;
        if (p >= length) {
            return;
        }
    }
}

std::vector<std::string> ReplyColumns(std::string_view chunk, std::size_t limit) {
    std::vector<std::string> tokens;
    if (limit == 0) {
        return tokens;
    }
    ScanReplyColumns(chunk, [&](std::string_view token) {
        tokens.emplace_back(token);
        return tokens.size() < limit;
    });
    return tokens;
}

}  // namespace tessel
