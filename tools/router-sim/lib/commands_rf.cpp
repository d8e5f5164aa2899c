// "rf IFACE ..." commands: the radio settings. Choices must come from the
// radio's own lists, so the router never reports a value it could not offer.

#include <algorithm>

#include "command_interpreter.hpp"

namespace tessel::sim {

namespace {

struct RadioSwitch {
    std::string_view word;
    bool Radio::*field;
};

constexpr RadioSwitch Switches[] = {
    {"pwrctl", &Radio::pwrctl},
    {"long", &Radio::longMode},
    {"burst", &Radio::burst},
    {"wocd", &Radio::wocd},
};

CommandResult Choose(std::string_view what, std::string_view value,
                     const std::vector<std::int32_t>& choices, std::int32_t& field) {
    long long v = 0;
    if (!ParseInt(value, -1000000, 1000000, v) ||
        std::find(choices.begin(), choices.end(), v) == choices.end()) {
        return Error("rf " + std::string(what) + ": \"" + std::string(value) +
                     "\" is not one of the radio's choices");
    }
    field = static_cast<std::int32_t>(v);
    return Applied(true);
}

}  // namespace

CommandResult ExecuteRf(RouterState& state, std::string_view args) {
    const auto words = SplitWords(args);
    if (words.empty()) {
        return Error("rf: missing interface");
    }
    Radio* radio = state.FindRadio(words[0]);
    if (radio == nullptr) {
        return Error("rf: no radio interface " + std::string(words[0]));
    }
    if (words.size() == 2) {
        for (const RadioSwitch& s : Switches) {
            if (words[1] == s.word ||
                (words[1].size() > 1 && words[1][0] == '-' && words[1].substr(1) == s.word)) {
                radio->*(s.field) = words[1][0] != '-';
                return Applied(true);
            }
        }
    }
    if (words.size() < 2) {
        return Error("rf: missing option (freq, bitr, pwr, sid, distance, txrt ...)");
    }
    const std::string_view option = words[1];
    const std::string_view value = words.size() == 3 ? words[2] : std::string_view();
    if (words.size() > 3) {
        return Error("rf " + std::string(option) + ": one value expected");
    }
    if (option == "freq") {
        return Choose("freq", value, radio->frequencies, radio->frequency);
    }
    if (option == "bitr") {
        return Choose("bitr", value, radio->bitrates, radio->bitrate);
    }
    if (option == "pwr") {
        return Choose("pwr", value, radio->powerLevels, radio->power);
    }
    if (option == "sid") {
        std::uint32_t sid = 0;
        bool ok = !value.empty() && value.size() <= 6;
        for (const char c : value) {
            const bool hex =
                (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
            ok = ok && hex;
            if (hex) {
                sid = sid * 16 +
                      static_cast<std::uint32_t>(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
            }
        }
        if (!ok || sid == 0) {
            return Error("rf sid: expected a hexadecimal number 1..FFFFFF");
        }
        radio->sid = sid;
        return Applied(true);
    }
    long long number = 0;
    if (option == "distance") {
        if (!ParseInt(value, 0, 200, number)) {
            return Error("rf distance: expected whole kilometres 0..200");
        }
        radio->distance = static_cast<std::int32_t>(number);
        return Applied(true);
    }
    if (option == "txrt") {
        if (!ParseInt(value, 1, 16, number)) {
            return Error("rf txrt: expected 1..16 retries");
        }
        radio->txRetries = static_cast<std::int32_t>(number);
        return Applied(true);
    }
    return Error("rf: unknown option \"" + std::string(option) + "\"");
}

}  // namespace tessel::sim
