#pragma once

// Texts that go out on, or come in from, the router console.

#include <string>
#include <string_view>

namespace tessel {

// The bytes that go out for one line: the text and CR LF. Whether a text may
// go out at all is IsSafeConsoleText's business (core/router/console_text.hpp).
std::string ConsoleLineBytes(std::string_view text);

// The body of an interface information reply: screen-control sequences
// (ESC "[K") removed, the echoed command line and the prompt line cut off.
std::string InterfaceInfoText(std::string_view chunk);

}  // namespace tessel
