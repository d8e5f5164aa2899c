#pragma once

// The lines of the system and RMA settings page: "sys " lines re-read the
// system group (reply state 70), RMA lines the RMA group (60). Texts go out
// exactly as typed, blanks included; check the result with IsSafeConsoleText.

#include "core/console/reply_dispatch.hpp"
#include "core/router/console_text.hpp"

#include <cstdint>
#include <optional>
#include <string_view>

namespace tessel {

ConsoleCommand SystemNameCommand(std::string_view name);
ConsoleCommand SystemLocationCommand(std::string_view location);
ConsoleCommand IcmpLimitCommand(std::string_view limitText);

enum class SystemSwitch { Fastroute, DropRedirects, SendRedirects };
// "sys fastroute" / "sys nofastroute" and the like.
ConsoleCommand SystemSwitchCommand(SystemSwitch field, bool on);

// "rma start" / "rma stop".
ConsoleCommand RmaStartCommand(bool on);

enum class RmaRadioSwitch { Autobitrate, Polling };
// "rma rf5.0 autobitrate" / "rma rf5.0 -poll" and the like. Nothing for an
// empty interface name (a router without radios): "rma  autobitrate" would be
// a different command.
std::optional<ConsoleCommand> RmaRadioSwitchCommand(std::string_view radio, RmaRadioSwitch field,
                                                    bool on);

}  // namespace tessel
