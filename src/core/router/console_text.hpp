#pragma once

// A console command as the pages build it: the line (sent with CR LF
// appended) and the reply code that tells the console parser what the
// router's answer means.

#include "core/console/reply_dispatch.hpp"

#include <string>
#include <string_view>

namespace tessel {

struct ConsoleCommand {
    std::string line;
    ReplyCode replyState = reply::Idle;
};

// True when text can go out as one console line: the router ends a command at
// CR or LF, so an operator's text holding either would smuggle in a second
// command, and a NUL would cut the line short on the router's side.
bool IsSafeConsoleText(std::string_view text);

// What the pages tell the operator instead of sending such a line.
inline constexpr std::string_view kUnsafeConsoleTextMessage =
    "The value must not contain line breaks or NUL characters; nothing was sent.";
inline constexpr std::string_view kUnsafeConsoleTextCaption = "Input error";

// What the operator is told, in UTF-8, when a text holds a character above
// U+00FF: the router takes 8-bit text, so that character has no byte to go
// as. The message names the character and its code point.
std::string UncarriableCharacterMessage(char32_t codePoint);

// Why a command that names a radio gave nothing: the router reported no radio
// interface, and a line with an empty name would be another command.
inline constexpr std::string_view kNoRadioInterface =
    "The router has no radio interface to apply this setting to.";

}  // namespace tessel
