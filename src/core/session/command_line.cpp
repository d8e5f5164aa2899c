#include "core/session/command_line.hpp"

#include "core/text.hpp"

namespace tessel {

namespace {

// The argument text: after the quoted program path (skipping the closing
// quote and one separator), or after the first space of an unquoted one.
std::string ArgumentText(std::string_view line) {
    if (!line.empty() && line.front() == '"') {
        const std::size_t close = line.find('"', 1);
        if (close == std::string_view::npos || close + 2 > line.size()) {
            return {};
        }
        return std::string(line.substr(close + 2));
    }
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos) {
        return {};
    }
    return std::string(line.substr(space + 1));
}

}  // namespace

bool ParseCommandLine(std::string_view commandLine, CommandLineValues& values) {
    const std::string args = ArgumentText(commandLine);
    values.host = TextBefore(TextAfter(args, "--host="), " ");
    const std::string rest1 = TextAfter(args, " ");
    values.login = TextBefore(TextAfter(rest1, "--login="), " ");
    const std::string rest2 = TextAfter(rest1, " ");
    values.password = TextBefore(TextAfter(rest2, "--password="), " ");
    const std::string rest3 = TextAfter(rest2, " ");
    values.community = TextAfter(rest3, "--community=");
    return !values.host.empty() && !values.login.empty() && !values.password.empty() &&
           !values.community.empty();
}

std::string JoinCommandLine(int argc, const char* const* argv) {
    std::string line;
    for (int i = 0; i < argc; ++i) {
        const std::string_view arg = argv[i] != nullptr ? argv[i] : "";
        if (i == 0) {
            if (arg.find(' ') != std::string_view::npos) {
                line.append("\"").append(arg).append("\"");
            } else {
                line.append(arg);
            }
        } else {
            line.append(" ").append(arg);
        }
    }
    return line;
}

}  // namespace tessel
