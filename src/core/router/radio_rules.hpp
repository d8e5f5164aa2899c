#pragma once

// Rules of the radio interface page that need no widget.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tessel {

// RadioBand: one code per radio in selector order. 1 and 2 are the router's
// two band families; 0 means there is no second radio.
using RadioBands = std::array<int, 2>;

// Radio interfaces are the ones whose name holds "rf" anywhere ("rf5.0",
// "prf0"; not "RF1").
bool IsRadioInterfaceName(std::string_view name);

// The band of a radio from its current frequency text: 2 when the text begins
// with "2", else 1. For the second radio a failed (empty) read means there is
// no such radio: 0.
int BandOfFirstRadio(std::string_view frequency);
int BandOfSecondRadio(std::string_view frequency);

// The band of the radio at selector position, or nothing outside the two
// recorded radios (no selection, or a third radio).
std::optional<int> BandAt(const RadioBands& bands, int position);

// Whether a bitrate choice is the current bitrate: the texts are equal, or
// the current value is in the unit a thousand times smaller ("54" matches
// "54000"). A current value that is empty or not a whole number matches only
// by equality.
bool BitrateMatches(std::string_view choice, std::string_view current);

// The SID as shown: the value as an unsigned 32-bit number in upper-case
// hexadecimal without leading zeros ("0" for zero, for a failed read and for
// a text that is not a number).
std::string SidText(std::string_view value);

}  // namespace tessel
