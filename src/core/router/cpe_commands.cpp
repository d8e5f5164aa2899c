#include "core/router/cpe_commands.hpp"

#include "core/router/address_checks.hpp"
#include "core/router/mac_text.hpp"

namespace tessel {

std::string CpeFormErrorText(const CpeForm& form) {
    std::string text;
    if (!IsValidMac(form.mac)) {
        text += "MAC-address is incorrect\r\n";
    }
    if (!IsValidIpAddress(form.ipAddress)) {
        text += "IP-address is incorrect";
    }
    const auto line = [&text](std::string_view fault) {
        if (!text.empty() && !text.ends_with("\r\n")) {
            text += "\r\n";
        }
        text += fault;
    };
    if (!IsSafeConsoleText(form.name)) {
        line("CPE name is incorrect");
    }
    if (form.interfaceName.empty()) {
        line(kNoRadioInterface);
    }
    return text;
}

std::string NewCpeQuestion(const CpeForm& form) {
    return "Do you wish to configure new CPE?\r\nInterface: " + form.interfaceName +
           "\r\nMAC-address: " + form.mac + "\r\nIP-address: " + form.ipAddress +
           "\r\nName: " + form.name;
}

ConsoleCommand CpeAddCommand(const CpeForm& form) {
    std::string line = "rma ab " + form.interfaceName + " " + OutgoingMac(form.mac) +
                       " ip=" + form.ipAddress + " name=" + form.name;
    line += form.enabled ? " -ena" : " -dis";
    return {std::move(line), ReplyCode::CpeTable, rereads::CpeTable};
}

std::optional<ConsoleCommand> CpeDeleteCommand(std::string_view radioName, const CpeRowKey& row) {
    if (row.mac.empty() || radioName.empty()) {
        return std::nullopt;
    }
    std::string line = "rma ab ";
    line += radioName;
    line += " " + row.mac + " ip=" + row.ipAddress + " name=" + row.name + " -del";
    return ConsoleCommand{std::move(line), ReplyCode::CpeTable, rereads::CpeTable};
}

const std::array<std::string_view, 7> CpeLegendLines = {
    "\"R\" column - CHECKED means BS registration",
    "\"Lev->\" column - amplitude from this CPE (0..16)",
    "\"Lev<-\" column - amplitude to this CPE (0..16)",
    "\"TX\" column - transmit speed",
    "\"RX\" column - receive speed",
    "\"Dist\" column - estimated distance to the CPE",
    "\"E\" column - CHECKED means  that CPE is enabled",
};

std::span<const ReportColumn> CpeGridColumns() {
    using enum ReportColumnKind;
    static constexpr std::array<ReportColumn, 14> Columns = {{
        {"", RowNumber},
        {"R", CheckBox, 0, {}, "0"},
        {"MAC-address", Text},
        {"IP-address", Text},
        {"", Text},
        {"Lev->", LevelBar, 0, {}, "0", true},
        {"", Text},
        {"Lev-<", LevelBar, 0, {}, "0", true},
        {"Name", Text},
        {"TX", Text},
        {"RX", Text},
        {"Dist", Text},
        {"Limit", Text},
        {"E", CheckBox},
    }};
    return Columns;
}

}  // namespace tessel
