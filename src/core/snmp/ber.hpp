#pragma once

// BER building blocks shared by the SNMP client and the lab router's agent.
//
// Reading goes through one bounded cursor: every byte is taken by Get(), a
// constructed element hands out a sub-cursor over exactly its content, so a
// nested parse can never run past its parent or past the datagram.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessel::ber {

inline constexpr std::uint8_t TagInteger = 0x02;
inline constexpr std::uint8_t TagOctetString = 0x04;
inline constexpr std::uint8_t TagNull = 0x05;
inline constexpr std::uint8_t TagOid = 0x06;
inline constexpr std::uint8_t TagSequence = 0x30;
inline constexpr std::uint8_t TagIpAddress = 0x40;
inline constexpr std::uint8_t TagCounter = 0x41;
inline constexpr std::uint8_t TagGauge = 0x42;
inline constexpr std::uint8_t TagTimeTicks = 0x43;
inline constexpr std::uint8_t TagOpaque = 0x44;
inline constexpr std::uint8_t TagGetRequest = 0xA0;
inline constexpr std::uint8_t TagGetNextRequest = 0xA1;
inline constexpr std::uint8_t TagGetResponse = 0xA2;
inline constexpr std::uint8_t TagSetRequest = 0xA3;
inline constexpr std::uint8_t TagTrap = 0xA4;
inline constexpr std::uint8_t ConstructedBit = 0x20;

class Cursor {
  public:
    Cursor() = default;
    explicit Cursor(std::string_view bytes) : data_(bytes) {}
    // The cursor only views its bytes: refuse a temporary that would die first.
    explicit Cursor(std::string&&) = delete;

    std::size_t Position() const { return pos_; }
    std::size_t Remaining() const { return data_.size() - pos_; }
    bool AtEnd() const { return pos_ >= data_.size(); }
    // The unread bytes.
    std::string_view Rest() const { return data_.substr(pos_); }

    // Takes the next n bytes. False, with nothing consumed, when fewer remain.
    // Inline, as every byte of every reply passes through here.
    bool Get(std::size_t n, std::string_view& out) {
        if (n > Remaining()) {
            return false;
        }
        out = data_.substr(pos_, n);
        pos_ += n;
        return true;
    }
    bool GetByte(std::uint8_t& out) {
        if (pos_ >= data_.size()) {
            return false;
        }
        out = static_cast<std::uint8_t>(data_[pos_++]);
        return true;
    }

    // Takes at most n bytes: all of them, or whatever is left.
    std::string_view GetUpTo(std::size_t n);

    // Reads a definite length: one byte below 0x80, or 0x81..0x84 followed by
    // that many big-endian bytes. Rejects the indefinite form (0x80) and
    // length fields of more than four bytes.
    bool GetLength(std::size_t& out) {
        std::uint8_t first = 0;
        if (!GetByte(first)) {
            return false;
        }
        if (first < 0x80) {
            out = first;
            return true;
        }
        return GetLongLength(first & 0x7F, out);
    }

    // Reads a tag and a length without checking that the content is there.
    bool GetHeader(std::uint8_t& tag, std::size_t& length) {
        return GetByte(tag) && GetLength(length);
    }

    // Reads a whole element and hands out its content as a sub-cursor. False
    // (the cursor then stands wherever the failed read left it) when the
    // header is malformed or the content runs past the end.
    bool GetElement(std::uint8_t& tag, Cursor& content);

  private:
    bool GetLongLength(std::size_t count, std::size_t& out);

    std::string_view data_;
    std::size_t pos_ = 0;
};

// Writing. Lengths use the definite form in as few bytes as possible.
void AppendLength(std::string& out, std::size_t length);
void AppendElement(std::string& out, std::uint8_t tag, std::string_view content);
// Appends the header of an element whose content the caller appends next.
void AppendHeader(std::string& out, std::uint8_t tag, std::size_t contentLength);

// The same for encoders that size the whole message first and then write it
// in one pass: each writes at out, where the caller has made room, and
// returns the end. A header takes at most 10 bytes, an INTEGER element 10.
char* WriteHeader(char* out, std::uint8_t tag, std::size_t contentLength);
char* WriteIntegerElement(char* out, std::int64_t value);

// Content octets of an INTEGER in the fewest two's-complement bytes
// (0x00 in front when a non-negative value's first byte has its top bit set).
std::string IntegerContent(std::int64_t value);
// How many content octets IntegerContent gives for value (1 to 8).
std::size_t IntegerSize(std::int64_t value);
// Appends a whole INTEGER element (tag, length, IntegerContent) in one go.
void AppendInteger(std::string& out, std::int64_t value);
// Content octets of an unsigned 32-bit application value (Counter, Gauge,
// TimeTicks): the same minimal form, read as a non-negative number.
std::string UnsignedContent(std::uint32_t value);

// Dotted text to OID content octets. Each piece between dots is read as a
// decimal number; a piece that is not one (letters, blank, out of 32-bit
// range) counts as 0, and a trailing "." adds nothing. The first two arcs
// are combined as 40 * first + second.
std::string OidContent(std::string_view text);
// Room WriteOidContent may need for text: a piece yields at most one byte per
// character it spans (its dot included), but the first two arcs share up to 6.
inline std::size_t OidContentRoom(std::string_view text) {
    return text.size() + 8;
}
// OidContent written at out (with OidContentRoom(text) bytes of room);
// returns the end.
char* WriteOidContent(char* out, std::string_view text);
// OID content octets to dotted text: base-128 sub-identifiers (top bit = more
// bytes follow); the first splits into value / 40 and value % 40.
std::string OidText(std::string_view content);

// The content read big-endian as two's complement, kept to 32 bits.
std::int32_t SignedValue(std::string_view content);
// The content read big-endian, kept to 32 bits.
std::uint32_t UnsignedValue(std::string_view content);

}  // namespace tessel::ber
