#pragma once

// Radio rate codes as speed texts, and the other figures the base-station
// and CPE pages show for a radio link.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tessel {

// The rate table for a radio's band code: band 1 has the eight codes
// "6".."54", every other band the four codes "1", "2", "5.5", "11". Entry 0
// (code 0) is the empty text.
std::span<const std::string_view> RateCodeTexts(int band);

// The speed text for a rate code as read; the empty text for code 0, for a
// code beyond the band's table and for a value that is not a number.
std::string RateCodeText(int band, std::string_view code);

// The registration labels add the unit even to an empty speed text.
std::string RateLabelText(int band, std::string_view code);

// The position of a level bar (0..16) for an amplitude as read, or nothing
// when the read was empty and the bar stays hidden. Values outside the bar's
// range are pinned to its ends; a value that is not a number shows 0.
std::optional<int> LevelBarValue(std::string_view amplitude);

// The speeds a base-station record may request on a radio of this band, in
// kbit/s: "6000".."54000" on band 1; "1000", "2000", "5500", "11000"
// otherwise.
bool IsValidBsSpeed(int band, std::string_view speed);

}  // namespace tessel
