#include "event_log.hpp"

#include <chrono>

namespace tessel::sim {

std::string JsonString(std::string_view bytes) {
    std::string out = "\"";
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(c);
        } else if (b >= 0x20 && b < 0x7F) {
            out.push_back(c);
        } else {
            static constexpr char Hex[] = "0123456789abcdef";
            out += "\\u00";
            out.push_back(Hex[b >> 4]);
            out.push_back(Hex[b & 0x0F]);
        }
    }
    out.push_back('"');
    return out;
}

bool EventLog::Open(const std::string& path) {
    file_.reset(std::fopen(path.c_str(), "a"));
    return file_ != nullptr;
}

void EventLog::Write(std::string_view event,
                     const std::vector<std::pair<std::string, std::string>>& fields) {
    if (!file_) {
        return;
    }
    const auto now = std::chrono::duration_cast<std::chrono::milliseconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    std::string line = "{\"time\":" + std::to_string(now) + ",\"event\":" + JsonString(event);
    for (const auto& [key, value] : fields) {
        // Appended piece by piece: GCC 12 at -O3 takes "," + string for an
        // overlapping copy (-Wrestrict).
        line += ',';
        line += JsonString(key);
        line += ':';
        line += value;
    }
    line += "}\n";
    std::fwrite(line.data(), 1, line.size(), file_.get());
    std::fflush(file_.get());
}

}  // namespace tessel::sim
