// "sys ..." commands: name, location, ICMP limit and the three routing switches.

#include "command_interpreter.hpp"

namespace tessel::sim {

namespace {

inline constexpr std::size_t MaxNameLength = 64;
inline constexpr std::size_t MaxLocationLength = 255;

struct SystemSwitch {
    std::string_view word;
    bool SystemInfo::*field;
    bool value;
};

constexpr SystemSwitch Switches[] = {
    {"fastroute", &SystemInfo::fastroute, true},
    {"nofastroute", &SystemInfo::fastroute, false},
    {"sendredirects", &SystemInfo::sendRedirects, true},
    {"nosendredirects", &SystemInfo::sendRedirects, false},
    {"dropredirects", &SystemInfo::dropRedirects, true},
    {"nodropredirects", &SystemInfo::dropRedirects, false},
};

bool HasControlBytes(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            return true;
        }
    }
    return false;
}

}  // namespace

CommandResult ExecuteSys(RouterState& state, std::string_view args) {
    const auto words = SplitWords(args);
    if (words.empty()) {
        return Error("sys: missing argument (name, location, icmplimit, fastroute ...)");
    }
    SystemInfo& sys = state.system;
    if (words[0] == "name" && args.substr(0, 4) == "name") {
        // The name is everything after "name ", blanks included.
        const std::string_view value = args.size() > 5 ? args.substr(5) : std::string_view();
        if (value.empty()) {
            return Error("sys name: the name must not be empty");
        }
        if (value.size() > MaxNameLength || HasControlBytes(value)) {
            return Error("sys name: at most 64 printable characters");
        }
        sys.name = std::string(value);
        return Applied(true);
    }
    if (words[0] == "location" && args.substr(0, 8) == "location") {
        const std::string_view value = args.size() > 9 ? args.substr(9) : std::string_view();
        if (value.size() > MaxLocationLength || HasControlBytes(value)) {
            return Error("sys location: at most 255 printable characters");
        }
        sys.location = std::string(value);
        return Applied(true);
    }
    if (words[0] == "icmplimit") {
        long long limit = 0;
        if (words.size() != 2 || !ParseInt(words[1], 0, 65535, limit)) {
            return Error("sys icmplimit: expected a whole number of packets per second, 0..65535");
        }
        sys.icmpLimit = static_cast<std::int32_t>(limit);
        return Applied(true);
    }
    if (words.size() == 1) {
        for (const SystemSwitch& s : Switches) {
            if (words[0] == s.word) {
                sys.*(s.field) = s.value;
                return Applied(true);
            }
        }
    }
    return Error("sys: unknown option \"" + std::string(words[0]) + "\"");
}

}  // namespace tessel::sim
