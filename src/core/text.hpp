#pragma once

// Case-sensitive helpers over 8-bit text. The router's replies and SNMP values
// are bytes, so everything here works on std::string (embedded NUL allowed).

#include <cstddef>
#include <string>
#include <string_view>

namespace tessel {

// The text before the first occurrence of sep; empty when sep does not occur.
std::string TextBefore(std::string_view s, std::string_view sep);

// The text after the first occurrence of sep, at most TextAfterLimit characters;
// empty when sep does not occur.
inline constexpr std::size_t TextAfterLimit = 64000;
std::string TextAfter(std::string_view s, std::string_view sep);

// As above, about the last occurrence of sep (TextAfterLast has no limit).
std::string TextBeforeLast(std::string_view s, std::string_view sep);
std::string TextAfterLast(std::string_view s, std::string_view sep);

// Positions at which sub starts, overlapping matches included ("aaa", "aa" -> 2).
std::size_t CountOccurrences(std::string_view s, std::string_view sub);

// Walks the positions left to right, as many steps as s had characters, and
// deletes sub where it starts at the current position before moving on by
// one. Of two adjacent occurrences the second is therefore kept: the router's
// screen-control sequences never come doubled, and the console readers rely
// on exactly this behaviour.
std::string RemoveOccurrences(std::string s, std::string_view sub);

// The router's 8-bit text as UTF-8, each byte taken as its Latin-1 character:
// the same reading the window gives it, for text that leaves the program.
std::string Latin1ToUtf8(std::string_view bytes);

}  // namespace tessel
