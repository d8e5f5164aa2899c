#include "core/router/radio_commands.hpp"

#include <string>

namespace tessel {
namespace {

struct ValueWords {
    std::string_view keyword;
    std::string_view description;
};

ValueWords WordsOf(RadioValue field) {
    switch (field) {
        case RadioValue::Frequency:
            return {"freq", "Change working frequency"};
        case RadioValue::Bitrate:
            return {"bitr", "Change bitrate"};
        case RadioValue::PowerLevel:
            return {"pwr", "Change output power"};
        case RadioValue::Sid:
            return {"sid", "Change SID"};
        case RadioValue::Distance:
            return {"distance", "Change Distance parameter"};
        case RadioValue::MaxRetries:
            break;
    }
    return {"txrt", "Change TXRT parameter"};
}

struct SwitchWords {
    std::string_view keyword;
    std::string_view onDescription;
    std::string_view offDescription;
};

SwitchWords WordsOf(RadioSwitch field) {
    switch (field) {
        case RadioSwitch::Pwrctl:
            return {"pwrctl", "Turn APC on", "Turn APC off"};
        case RadioSwitch::Long:
            return {"long", "Turn LONG mode on", "Turn LONG mode off"};
        case RadioSwitch::Burst:
            return {"burst", "Turn BURST algorithm on", "Turn BURST algorithm off"};
        case RadioSwitch::Wocd:
            break;
    }
    return {"wocd", "Turn WOCD mode on", "Turn WOCD mode off"};
}

std::string RadioLine(std::string_view radio) {
    return "rf " + std::string(radio) + " ";
}

}  // namespace

std::optional<ConsoleCommand> RadioValueCommand(std::string_view radio, RadioValue field,
                                                std::string_view value) {
    if (radio.empty()) {
        return std::nullopt;
    }
    const ValueWords words = WordsOf(field);
    std::string line = RadioLine(radio);
    line.append(words.keyword).append(" ").append(value);
    return ConsoleCommand{std::move(line), reply::Radio, std::string(words.description)};
}

std::optional<ConsoleCommand> RadioSwitchCommand(std::string_view radio, RadioSwitch field,
                                                 bool on) {
    if (radio.empty()) {
        return std::nullopt;
    }
    const SwitchWords words = WordsOf(field);
    std::string line = RadioLine(radio);
    line.append(on ? "" : "-").append(words.keyword);
    return ConsoleCommand{std::move(line), reply::Radio,
                          std::string(on ? words.onDescription : words.offDescription)};
}

}  // namespace tessel
