#include "core/snapshot/snapshot_options.hpp"

#include <algorithm>
#include <array>

namespace tessel {

namespace {

constexpr std::string_view SnapshotFlag = "--snapshot";

bool StartsWith(std::string_view text, std::string_view head) {
    return text.substr(0, head.size()) == head;
}

}  // namespace

bool IsSnapshotRequest(int argc, const char* const* argv) {
    if (argv == nullptr) {
        return false;
    }
    bool flagged = false;
    bool windowLogin = false;
    for (int i = 1; i < argc; ++i) {
        if (argv[i] == nullptr) {
            continue;
        }
        const std::string_view arg = argv[i];
        if (arg == SnapshotFlag) {
            if (i == 1) {
                return true;
            }
            flagged = true;
        }
        windowLogin = windowLogin || StartsWith(arg, "--login=") || StartsWith(arg, "--password=");
    }
    return flagged && !windowLogin;
}

std::string ParseSnapshotOptions(int argc, const char* const* argv, SnapshotOptions& options) {
    struct Valued {
        std::string_view name;
        std::string* value;
        bool seen = false;
    };
    std::array<Valued, 3> valued = {{{"--host=", &options.host},
                                     {"--community=", &options.community},
                                     {"--output=", &options.output}}};
    bool flagSeen = false;
    bool helpSeen = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i] != nullptr ? argv[i] : "";
        if (arg == SnapshotFlag || arg == "--help") {
            bool& seen = arg == SnapshotFlag ? flagSeen : helpSeen;
            if (seen) {
                return std::string(arg) + " is given twice";
            }
            seen = true;
            continue;
        }
        Valued* match = nullptr;
        for (Valued& option : valued) {
            if (StartsWith(arg, option.name)) {
                match = &option;
            }
        }
        if (match == nullptr) {
            return "unknown option \"" + std::string(arg) + "\"";
        }
        if (match->seen) {
            return std::string(match->name.substr(0, match->name.size() - 1)) + " is given twice";
        }
        match->seen = true;
        match->value->assign(arg.substr(match->name.size()));
    }
    options.help = helpSeen;
    if (helpSeen) {
        return {};
    }
    if (options.host.empty()) {
        return "--host=ADDRESS is missing";
    }
    if (options.community.empty()) {
        return "--community=COMMUNITY is missing";
    }
    if (valued[2].seen && options.output.empty()) {
        return "--output= needs a file name";
    }
    return {};
}

std::string SnapshotUsageText() {
    return "Usage: tessel-manager --snapshot --host=ADDRESS --community=COMMUNITY\n"
           "                             [--output=FILE]\n"
           "Reads every page of the router over SNMP, without a window or a console\n"
           "login, and prints one JSON document (to FILE, replaced only once complete,\n"
           "when --output is given). Exit status 0 when complete, 1 when the router does\n"
           "not answer or the document cannot be written, 2 for a wrong command line.\n";
}

std::string SnapshotFailureText(SnapshotOutcome outcome, const SnapshotReader& reader,
                                std::string_view host, std::string_view port) {
    const std::string where = std::string(host) + " (SNMP, UDP port " + std::string(port) + ")";
    switch (outcome) {
        case SnapshotOutcome::Complete:
            return {};
        case SnapshotOutcome::NoAnswer:
            return "tessel-manager: no answer from " + where +
                   " within 5 s.\n"
                   "The router is down or unreachable, or the community is wrong: a router\n"
                   "does not answer a wrong community at all, so the two look the same.\n";
        case SnapshotOutcome::StoppedAnswering:
            return "tessel-manager: " + where + " stopped answering: no reply within 5 s to " +
                   reader.FailedOid() + " while reading " + reader.FailedSection() + " (after " +
                   std::to_string(reader.Exchanges()) + " exchanges).\nNo snapshot was written.\n";
    }
    return {};
}

std::optional<std::string> SnapshotProgressLine::Update(std::string_view section,
                                                        std::size_t exchanges,
                                                        Clock::time_point now) {
    if (written_ && section == section_ && now - last_ < Interval) {
        return std::nullopt;
    }
    written_ = true;
    section_.assign(section);
    last_ = now;
    std::string text = section_ + ": " + std::to_string(exchanges) + " reads";
    // Blanks over what is left of a longer line before it.
    const std::size_t width = text.size();
    if (width < width_) {
        text.append(width_ - width, ' ');
    }
    width_ = std::max(width_, width);
    return "\r" + text;
}

std::string SnapshotProgressLine::Clear() const {
    if (!written_) {
        return {};
    }
    return "\r" + std::string(width_, ' ') + "\r";
}

}  // namespace tessel
