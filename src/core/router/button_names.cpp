#include "core/router/button_names.hpp"

namespace tessel {

namespace {

using enum FieldButtonKind;

// Fields with the same caption on different groups are told apart by the
// group ("RMA radio interface", "CPE radio interface").
constexpr FieldButton FieldButtons[] = {
    // System settings: system group.
    {"SpeedButton6", Help, "System name"},
    {"SpeedButton16", Change, "System name"},
    {"SpeedButton7", Help, "System location"},
    {"SpeedButton17", Change, "System location"},
    {"SpeedButton8", Help, "ICMP limit"},
    {"SpeedButton18", Change, "ICMP limit"},
    {"SpeedButton9", Help, "Fastroute option"},
    {"SpeedButton19", Change, "Fastroute option"},
    {"SpeedButton10", Help, "Dropredirects option"},
    {"SpeedButton40", Change, "Dropredirects option"},
    {"SpeedButton11", Help, "Sendredirects option"},
    {"SpeedButton41", Change, "Sendredirects option"},
    // System settings: RMA group.
    {"SpeedButton12", Help, "RMA start"},
    {"SpeedButton42", Change, "RMA start"},
    {"SpeedButton13", Help, "RMA radio interface"},
    {"SpeedButton14", Help, "Autobitrate on"},
    {"SpeedButton43", Change, "Autobitrate on"},
    {"SpeedButton15", Help, "Polling on (BS only)"},
    {"SpeedButton44", Change, "Polling on (BS only)"},
    // Interfaces: radio interface group.
    {"SpeedButton1", Help, "Radio interface"},
    {"SpeedButton2", Help, "Frequency"},
    {"SpeedButton45", Change, "Frequency"},
    {"SpeedButton3", Help, "Bitrate"},
    {"SpeedButton46", Change, "Bitrate"},
    {"SpeedButton4", Help, "Power levels"},
    {"SpeedButton47", Change, "Power levels"},
    {"SpeedButton5", Help, "SID"},
    {"SpeedButton48", Change, "SID"},
    {"SpeedButton20", Help, "Distance"},
    {"SpeedButton49", Change, "Distance"},
    {"SpeedButton21", Help, "Max retries"},
    {"SpeedButton50", Change, "Max retries"},
    {"SpeedButton22", Help, "Pwrctl mode"},
    {"SpeedButton52", Change, "Pwrctl mode"},
    {"SpeedButton23", Help, "Long mode"},
    {"SpeedButton53", Change, "Long mode"},
    {"SpeedButton24", Help, "Burst mode"},
    {"SpeedButton54", Change, "Burst mode"},
    {"SpeedButton51", Help, "Wocd mode"},
    {"SpeedButton55", Change, "Wocd mode"},
    // Interfaces: IP table and interfaces groups.
    {"SpeedButton25", Help, "IP table interface"},
    {"SpeedButton26", Help, "IP-address"},
    {"SpeedButton27", Help, "Mask"},
    {"SpeedButton28", Help, "MTU"},
    {"SpeedButton29", Help, "Enable interface"},
    // BS: CPE configuration.
    {"SpeedButton30", Help, "CPE radio interface"},
    {"SpeedButton31", Help, "CPE name"},
    {"SpeedButton32", Help, "CPE MAC-address"},
    {"SpeedButton33", Help, "IP-address (BS)"},
    {"SpeedButton34", Help, "CPE RMA enabled"},
    // CPE: base station configuration.
    {"SpeedButton35", Help, "RF frequencies"},
    {"SpeedButton36", Help, "BS frequencies"},
    {"SpeedButton37", Help, "Base station radio interface"},
    {"SpeedButton38", Help, "BS SID"},
    {"SpeedButton39", Help, "BS requested speed"},
};

}  // namespace

std::span<const FieldButton> AllFieldButtons() {
    return FieldButtons;
}

std::string FieldButtonAccessibleName(std::string_view button) {
    for (const FieldButton& entry : FieldButtons) {
        if (entry.button == button) {
            return std::string(entry.kind == Help ? "Help on " : "Change ") +
                   std::string(entry.field);
        }
    }
    return {};
}

}  // namespace tessel
