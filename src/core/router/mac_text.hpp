#pragma once

// MAC addresses as the pages show them (12 upper-case hex digits, no
// separators) and as the operator may type them.

#include <string>
#include <string_view>

namespace tessel {

// 12 upper-case hex digits for the 6 raw bytes of an OCTET STRING value;
// empty when raw is not exactly 6 bytes long (a failed or foreign read).
std::string MacTextFromBytes(std::string_view raw);

// The CPE table indexes its rows by the MAC's octets as six decimal numbers
// ("0.11.34.5.120.255" gives "000B220578FF"). Each number becomes upper-case
// hex; a piece that is not exactly two digits long gets one "0" in front.
// An index that is not six decimal numbers gives the empty text, so that the
// row shows no MAC and cannot be deleted by a command naming a wrong one.
std::string MacTextFromIndex(std::string_view index);

// Exactly 12 or 17 characters, each a hex digit or ":", of which exactly 12
// are hex digits: the command takes the text without its colons, so twelve
// colons would name no MAC at all. Where the colons stand is not checked.
bool IsValidMac(std::string_view text);

// The form in which the router's commands take a typed MAC: every ":"
// removed, case kept ("00:0b:22:05:78:ff" goes out as "000b220578ff").
std::string OutgoingMac(std::string_view text);

// Whether the MAC in the form is another one than the selected row's,
// compared without regard to case.
bool MacEdited(std::string_view rowMac, std::string_view formMac);

}  // namespace tessel
