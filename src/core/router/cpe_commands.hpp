#pragma once

// The base station's CPE form: its checks, its questions and the "rma ab "
// lines it sends.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/console/reply_dispatch.hpp"
#include "core/router/console_text.hpp"
#include "core/router/grid_columns.hpp"

namespace tessel {

// What the operator typed into the "Configuration" group.
struct CpeForm {
    std::string interfaceName;  // the radio chosen in the form
    std::string name;
    std::string mac;
    std::string ipAddress;
    bool enabled = true;
};

inline constexpr std::string_view CpeInputErrorCaption = "Input error";
inline constexpr std::string_view NewCpeCaption = "Create new CPE?";
inline constexpr std::string_view MacChangedCaption = "Warning";
inline constexpr std::string_view MacChangedQuestion =
    "MAC-address had changed. Create a new CPE record?";

// The text of the "Input error" box, one line per fault with the MAC first;
// empty when the form may be sent. A name holding CR, LF or NUL is refused
// too: it would end the command early and send the rest as another one; so is
// a form without a radio (kNoRadioInterface), whose line would name none.
std::string CpeFormErrorText(const CpeForm& form);

// The "Create new CPE?" question listing interface, MAC, IP and name.
std::string NewCpeQuestion(const CpeForm& form);

// "rma ab IFACE MAC ip=IP name=NAME -ena" (or "-dis"), the MAC without its
// colons.
ConsoleCommand CpeAddCommand(const CpeForm& form);

// One row of the CPE grid as the Delete button sees it.
struct CpeRowKey {
    std::string mac;
    std::string ipAddress;
    std::string name;
};

// "rma ab RADIO MAC ip=IP name=NAME -del" for the selected row, where RADIO
// is the radio whose table is shown; nothing for a row without a MAC, nor
// without a radio (tell kNoRadioInterface then).
std::optional<ConsoleCommand> CpeDeleteCommand(std::string_view radioName, const CpeRowKey& row);

// The fixed lines of the "Displayed parameters" legend.
extern const std::array<std::string_view, 7> CpeLegendLines;

// The CPE grid: row number, "R", "MAC-address", "IP-address", level number
// and bar from the CPE, level number and bar to it, "Name", "TX", "RX",
// "Dist", "Limit", "E".
std::span<const ReportColumn> CpeGridColumns();

// Grid column positions the CPE page writes by name.
namespace cpe_column {
inline constexpr int Registered = 1;
inline constexpr int Mac = 2;
inline constexpr int IpAddress = 3;
inline constexpr int LevelFrom = 4;
inline constexpr int LevelFromBar = 5;
inline constexpr int LevelTo = 6;
inline constexpr int LevelToBar = 7;
inline constexpr int Name = 8;
inline constexpr int Transmit = 9;
inline constexpr int Receive = 10;
inline constexpr int Distance = 11;
inline constexpr int Limit = 12;
inline constexpr int Enabled = 13;
}  // namespace cpe_column

}  // namespace tessel
