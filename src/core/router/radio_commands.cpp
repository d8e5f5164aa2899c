#include "core/router/radio_commands.hpp"

#include <string>

namespace tessel {
namespace {

std::string_view KeywordOf(RadioValue field) {
    switch (field) {
        case RadioValue::Frequency:
            return "freq";
        case RadioValue::Bitrate:
            return "bitr";
        case RadioValue::PowerLevel:
            return "pwr";
        case RadioValue::Sid:
            return "sid";
        case RadioValue::Distance:
            return "distance";
        case RadioValue::MaxRetries:
            break;
    }
    return "txrt";
}

std::string_view KeywordOf(RadioSwitch field) {
    switch (field) {
        case RadioSwitch::Pwrctl:
            return "pwrctl";
        case RadioSwitch::Long:
            return "long";
        case RadioSwitch::Burst:
            return "burst";
        case RadioSwitch::Wocd:
            break;
    }
    return "wocd";
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
    std::string line = RadioLine(radio);
    line.append(KeywordOf(field)).append(" ").append(value);
    return ConsoleCommand{std::move(line), ReplyCode::Radio, rereads::Radio};
}

std::optional<ConsoleCommand> RadioSwitchCommand(std::string_view radio, RadioSwitch field,
                                                 bool on) {
    if (radio.empty()) {
        return std::nullopt;
    }
    std::string line = RadioLine(radio);
    line.append(on ? "" : "-").append(KeywordOf(field));
    return ConsoleCommand{std::move(line), ReplyCode::Radio, rereads::Radio};
}

}  // namespace tessel
