#pragma once

// SNMP value texts: the views only ever see values as text, rendered from the
// BER tag of the value, and the encoder turns such a text back into content.

#include <cstdint>
#include <string>
#include <string_view>

namespace tessel {

// The text of a value with the given BER tag and content octets:
// INTEGER/BOOLEAN/ENUMERATED as signed 32-bit decimal, Counter/Gauge/TimeTicks
// as unsigned 32-bit decimal, IpAddress as its bytes in dotted decimal, OBJECT
// IDENTIFIER as dotted text, NULL as the empty text, and everything else
// (strings, Opaque, unknown and constructed tags) as the raw bytes.
std::string RenderValue(std::uint8_t tag, std::string_view content);

// The content octets that render back to text under the given tag: the
// inverse of RenderValue for every text RenderValue produces. Numbers that
// do not parse count as 0; NULL has no content whatever the text.
std::string ValueContent(std::uint8_t tag, std::string_view text);
// True when ValueContent(tag, text) is text itself, as for octet strings,
// so that an encoder can copy the text without converting it.
bool ValueContentIsText(std::uint8_t tag);

}  // namespace tessel
