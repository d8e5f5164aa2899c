#pragma once

// The RMA link test: the line that starts it and the grid rows made of its
// result lines.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/router/grid_columns.hpp"

namespace tessel {

// Shown instead of starting when the router reported no radio interface.
inline constexpr std::string_view RmaTestNoInterfaceText =
    "There is no radio interface to test: the router reported none.";

// "rma " + interface + " test " + MAC + " " + packet length, and " mcast "
// (trailing space included) for a multicast test. MAC and length go out as
// typed. Nothing without an interface.
std::optional<std::string> RmaTestCommand(std::string_view interfaceName, std::string_view mac,
                                          std::string_view packetLength, bool multicast);

// A result line makes a row; the echoed command and the heading ("test",
// "replies") do not, nor anything lacking "%", "(", ")" or a space.
bool IsRmaTestRowChunk(std::string_view chunk);

// Grid cells by column for the tokens of one result line: token 1 is the
// replies, tokens 2 and 3 the two levels, each shown as a number and again
// in the bar beside it, tokens 4..8 the losses, quality, time and repeats.
// Tokens beyond 8 are not shown; missing ones leave their cells empty.
std::array<std::string, 11> RmaTestCells(const std::vector<std::string>& tokens);

// The scan asks for this many tokens of a result line.
inline constexpr std::size_t RmaTestTokenLimit = 8;

// The row one received chunk adds while the test reports, or nothing for a
// chunk the filter drops: the chunk scanned into columns and mapped as above.
std::optional<std::array<std::string, 11>> RmaTestRowOf(std::string_view chunk);

// "№", "Replies", two number/bar pairs both headed "Lev->", "LostIn",
// "LostOut", "Quality", "Time", "Repeats".
std::span<const ReportColumn> RmaTestGridColumns();

}  // namespace tessel
