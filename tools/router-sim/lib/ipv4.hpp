#pragma once

// Strict IPv4 and MAC text forms for the router side. The manager's own
// checks are looser (they let "-1.0.0.1" through); the router refuses
// anything that is not four decimal numbers 0..255.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessel::sim {

using Mac = std::array<std::uint8_t, 6>;

std::optional<std::uint32_t> ParseIpv4(std::string_view text);
std::string Ipv4Text(std::uint32_t address);

// A contiguous net mask (ones then zeros), given as a dotted quad.
std::optional<std::uint32_t> ParseMask(std::string_view text);
bool IsContiguousMask(std::uint32_t mask);
int MaskLength(std::uint32_t mask);
// The classful mask the router picks when none is given.
std::uint32_t ClassfulMask(std::uint32_t address);

// 12 hex digits, optionally with ":" or "-" between the octets.
std::optional<Mac> ParseMac(std::string_view text);
std::string MacText(const Mac& mac);   // 00:0b:22:05:78:ff
std::string MacHex(const Mac& mac);    // 000B220578FF
std::string MacBytes(const Mac& mac);  // the 6 raw bytes

}  // namespace tessel::sim
