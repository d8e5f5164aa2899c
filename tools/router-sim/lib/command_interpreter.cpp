#include "command_interpreter.hpp"

#include <charconv>

#include "reports.hpp"

namespace tessel::sim {

std::vector<std::string_view> SplitWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && text[pos] == ' ') {
            ++pos;
        }
        const std::size_t start = pos;
        while (pos < text.size() && text[pos] != ' ') {
            ++pos;
        }
        if (pos > start) {
            words.push_back(text.substr(start, pos - start));
        }
    }
    return words;
}

bool ParseInt(std::string_view text, long long low, long long high, long long& out) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < low || value > high) {
        return false;
    }
    out = value;
    return true;
}

CommandResult Error(std::string_view message) {
    CommandResult r;
    r.output = "Error: " + std::string(message) + "\r\n";
    return r;
}

CommandResult Done(std::string_view message, bool changed) {
    CommandResult r;
    if (!message.empty()) {
        r.output = std::string(message) + "\r\n";
    }
    r.changed = changed;
    return r;
}

CommandResult Applied(bool changed) {
    CommandResult r;
    r.changed = changed;
    return r;
}

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

std::string_view Rest(std::string_view line, std::string_view word) {
    std::string_view rest = line.substr(word.size());
    if (!rest.empty() && rest.front() == ' ') {
        rest.remove_prefix(1);
    }
    return rest;
}

}  // namespace

CommandResult ExecuteCommand(RouterState& state, std::string_view line) {
    const auto words = SplitWords(line);
    if (words.empty()) {
        return {};
    }
    const std::string_view first = words[0];
    if (first == "sys" && StartsWith(line, "sys")) {
        return ExecuteSys(state, Rest(line, "sys"));
    }
    if (first == "rma" && StartsWith(line, "rma")) {
        return ExecuteRma(state, Rest(line, "rma"));
    }
    if (first == "rf" && StartsWith(line, "rf")) {
        return ExecuteRf(state, Rest(line, "rf"));
    }
    if (first == "ifc" && StartsWith(line, "ifc")) {
        return ExecuteIfc(state, Rest(line, "ifc"));
    }
    if (first == "loadm") {
        return ExecuteLoadMeter(state, Rest(line, "loadm"));
    }
    if (first == "arp" && words.size() == 2 && words[1] == "view") {
        return Done(ArpReport(state), false);
    }
    if (first == "co" && words.size() == 2 && words[1] == "save") {
        return Done("Configuration saved.", false);
    }
    if (first == "quit" && words.size() == 1) {
        CommandResult r = Done("Bye.", false);
        r.close = true;
        return r;
    }
    if (first == "help" && words.size() == 1) {
        return Done(HelpText(), false);
    }
    return Error("unknown command \"" + std::string(first) + "\" (type help)");
}

}  // namespace tessel::sim
