#pragma once

// The "ifc " lines of the interfaces page. Their replies re-read the
// interfaces and the routing table (reply state 50), except "Info show", whose
// reply is the interface description for the information window (100).
// Values go out as shown or typed; check the result with IsSafeConsoleText.

#include "core/console/reply_dispatch.hpp"
#include "core/router/console_text.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessel {

// The message box (OK only) when an alias command is refused: a bad address
// or mask, or no interface to name ("Interface:" without a choice, or a row
// whose interface the router did not name), where "ifc  10.0.0.1/ alias"
// would be another command.
inline constexpr std::string_view kAliasInputError = "IP-address or mask error";
inline constexpr std::string_view kNoInterfaceName = "Interface name is empty";
inline constexpr std::string_view kAliasInputErrorCaption = "Error";

// Why CreateAliasCommand refuses the form, the address and mask checked
// first; empty when it does not.
std::string_view AliasFormError(std::string_view interfaceName, std::string_view address,
                                std::string_view mask);

// "ifc eth0 10.0.0.1/ alias": a blank mask keeps the "/" (the router derives
// the mask). Nothing when AliasFormError finds a fault.
std::optional<ConsoleCommand> CreateAliasCommand(std::string_view interfaceName,
                                                 std::string_view address, std::string_view mask);

// The row's cells as shown: "ifc eth0 10.0.0.1/255.0.0.0 -alias". Nothing
// without an interface name (tell kNoInterfaceName).
std::optional<ConsoleCommand> DeleteAliasCommand(std::string_view interfaceName,
                                                 std::string_view address, std::string_view mask);

// "ifc eth0 mtu 1500 up" / "... down". Nothing without an interface name (no
// row focused).
std::optional<ConsoleCommand> UpdateInterfaceCommand(std::string_view interfaceName,
                                                     std::string_view mtuText, bool enabled);

// "ifc " + name; with no row the line is "ifc " alone: asking for information
// changes nothing on the router, so it is not held back.
ConsoleCommand InterfaceInfoCommand(std::string_view interfaceName);

}  // namespace tessel
