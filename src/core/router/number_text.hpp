#pragma once

// The router's numbers arrive as text (SNMP value texts, operator entries).
// One conversion serves every page so that an address part, a retry count and
// a SID are all read by the same rules.

#include <cstdint>
#include <optional>
#include <string_view>

namespace tessel {

// The whole text as one integer: leading blanks are skipped, then an optional
// "+" or "-", then either decimal digits or hexadecimal digits (either case)
// after "$", "x" or "0x". Anything else (trailing blanks included), no digits
// at all, or a value outside the signed 64-bit range gives nothing.
std::optional<std::int64_t> ParseInteger(std::string_view text);

// A "whole-number value" as the pages show it: 0 for the empty text (a failed
// read) and for a text that is not a number, else the value.
std::int64_t WholeNumberOrZero(std::string_view text);

}  // namespace tessel
