#include "core/router/system_commands.hpp"

#include <string>

namespace tessel {
namespace {

ConsoleCommand SystemText(std::string_view keyword, std::string_view text) {
    std::string line = "sys ";
    line.append(keyword).append(" ").append(text);
    return {std::move(line), ReplyCode::System, rereads::System};
}

}  // namespace

ConsoleCommand SystemNameCommand(std::string_view name) {
    return SystemText("name", name);
}

ConsoleCommand SystemLocationCommand(std::string_view location) {
    return SystemText("location", location);
}

ConsoleCommand IcmpLimitCommand(std::string_view limitText) {
    return SystemText("icmplimit", limitText);
}

ConsoleCommand SystemSwitchCommand(SystemSwitch field, bool on) {
    std::string_view keyword = "sendredirects";
    if (field == SystemSwitch::Fastroute) {
        keyword = "fastroute";
    } else if (field == SystemSwitch::DropRedirects) {
        keyword = "dropredirects";
    }
    std::string line = on ? "sys " : "sys no";
    line.append(keyword);
    return {std::move(line), ReplyCode::System, rereads::System};
}

ConsoleCommand RmaStartCommand(bool on) {
    return ConsoleCommand{on ? "rma start" : "rma stop", ReplyCode::Rma, rereads::Rma};
}

std::optional<ConsoleCommand> RmaRadioSwitchCommand(std::string_view radio, RmaRadioSwitch field,
                                                    bool on) {
    if (radio.empty()) {
        return std::nullopt;
    }
    const bool autobitrate = field == RmaRadioSwitch::Autobitrate;
    std::string line = "rma ";
    line.append(radio).append(on ? " " : " -").append(autobitrate ? "autobitrate" : "poll");
    return ConsoleCommand{std::move(line), ReplyCode::Rma, rereads::Rma};
}

}  // namespace tessel
