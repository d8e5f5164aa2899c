#include "core/router/system_commands.hpp"

#include <string>

namespace tessel {
namespace {

ConsoleCommand SystemText(std::string_view keyword, std::string_view text,
                          std::string_view description) {
    std::string line = "sys ";
    line.append(keyword).append(" ").append(text);
    return {std::move(line), reply::System, std::string(description)};
}

}  // namespace

ConsoleCommand SystemNameCommand(std::string_view name) {
    return SystemText("name", name, "Set new System Name");
}

ConsoleCommand SystemLocationCommand(std::string_view location) {
    return SystemText("location", location, "Set new Location");
}

ConsoleCommand IcmpLimitCommand(std::string_view limitText) {
    return SystemText("icmplimit", limitText, "Set new ICMPLimit");
}

ConsoleCommand SystemSwitchCommand(SystemSwitch field, bool on) {
    std::string_view keyword = "sendredirects";
    std::string_view name = "SENDREDIRECTS";
    if (field == SystemSwitch::Fastroute) {
        keyword = "fastroute";
        name = "FASTROUTE";
    } else if (field == SystemSwitch::DropRedirects) {
        keyword = "dropredirects";
        name = "DROPREDIRECTS";
    }
    std::string line = on ? "sys " : "sys no";
    line.append(keyword);
    std::string description = "Turn ";
    description.append(name).append(on ? " on" : " off");
    return {std::move(line), reply::System, std::move(description)};
}

ConsoleCommand RmaStartCommand(bool on) {
    return on ? ConsoleCommand{"rma start", reply::Rma, "Start RMA protocol"}
              : ConsoleCommand{"rma stop", reply::Rma, "Stop RMA protocol"};
}

std::optional<ConsoleCommand> RmaRadioSwitchCommand(std::string_view radio, RmaRadioSwitch field,
                                                    bool on) {
    if (radio.empty()) {
        return std::nullopt;
    }
    const bool autobitrate = field == RmaRadioSwitch::Autobitrate;
    std::string line = "rma ";
    line.append(radio).append(on ? " " : " -").append(autobitrate ? "autobitrate" : "poll");
    std::string description = autobitrate ? "Turn Autobitrate mechanism " : "Turn Polling mode ";
    description.append(on ? "on" : "off");
    return ConsoleCommand{std::move(line), reply::Rma, std::move(description)};
}

}  // namespace tessel
