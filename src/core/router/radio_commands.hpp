#pragma once

// The "rf " lines of the radio page's ten "Click to change" buttons. Their
// replies re-read the radio page (reply state 30). Values go out as shown or
// typed, untrimmed; check the result with IsSafeConsoleText. Without a radio
// name (a router without radios) they give nothing: tell kNoRadioInterface.

#include "core/console/reply_dispatch.hpp"
#include "core/router/console_text.hpp"

#include <cstdint>
#include <optional>
#include <string_view>

namespace tessel {

enum class RadioValue { Frequency, Bitrate, PowerLevel, Sid, Distance, MaxRetries };
enum class RadioSwitch { Pwrctl, Long, Burst, Wocd };

// "rf rf5.0 freq 5180"; a list with no selection gives the empty value.
std::optional<ConsoleCommand> RadioValueCommand(std::string_view radio, RadioValue field,
                                                std::string_view value);

// "rf rf5.0 burst" / "rf rf5.0 -burst".
std::optional<ConsoleCommand> RadioSwitchCommand(std::string_view radio, RadioSwitch field,
                                                 bool on);

}  // namespace tessel
