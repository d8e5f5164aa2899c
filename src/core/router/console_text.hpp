#pragma once

// A console command as the pages build it: the line (sent with CR LF
// appended), the reply code that tells the console parser what the router's
// answer means, and what is read again once the router has carried it out.

#include "core/console/reply_dispatch.hpp"
#include "core/pages/read_step.hpp"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace tessel {

// What a change command leaves to read again after the router's prompt: the
// group that changed, and what depends on it.
namespace rereads {
inline constexpr std::array<ReadStep, 1> System{ReadStep::SystemSettings};
inline constexpr std::array<ReadStep, 1> Rma{ReadStep::RmaSettings};
inline constexpr std::array<ReadStep, 1> Radio{ReadStep::RadioParameters};
// The routing table names interfaces by their descriptions.
inline constexpr std::array<ReadStep, 2> Interfaces{ReadStep::Interfaces, ReadStep::RoutingTable};
inline constexpr std::array<ReadStep, 1> CpeTable{ReadStep::CpeTable};
// A base-station record changes the RMA switches the router reports.
inline constexpr std::array<ReadStep, 2> BsList{ReadStep::BsList, ReadStep::RmaSettings};
}  // namespace rereads

struct ConsoleCommand {
    std::string line;
    ReplyCode replyState = ReplyCode::Idle;
    // Read, each on the page that owns it, once the router's prompt has
    // completed the reply. Empty for a command whose reply is itself the
    // answer (a report, a table, a text) or is followed by another line.
    std::span<const ReadStep> rereads{};
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

// The same reason for the console log, which keeps 8-bit text and so names
// the character by its code point alone.
std::string UncarriableCharacterReason(char32_t codePoint);

// Why a command that names a radio gave nothing: the router reported no radio
// interface, and a line with an empty name would be another command.
inline constexpr std::string_view kNoRadioInterface =
    "The router has no radio interface to apply this setting to.";

}  // namespace tessel
