#include "core/snmp/ber.hpp"

#include <charconv>

namespace tessel::ber {

std::string_view Cursor::GetUpTo(std::size_t n) {
    std::string_view out;
    Get(n < Remaining() ? n : Remaining(), out);
    return out;
}

bool Cursor::GetLongLength(std::size_t count, std::size_t& out) {
    std::string_view bytes;
    if (count == 0 || count > 4 || !Get(count, bytes)) {
        return false;
    }
    std::size_t length = 0;
    for (const char c : bytes) {
        length = (length << 8) | static_cast<std::uint8_t>(c);
    }
    out = length;
    return true;
}

bool Cursor::GetElement(std::uint8_t& tag, Cursor& content) {
    std::size_t length = 0;
    std::string_view bytes;
    if (!GetHeader(tag, length) || !Get(length, bytes)) {
        return false;
    }
    content = Cursor(bytes);
    return true;
}

namespace {

// Writes a definite length at out and returns the end: one byte below 0x80,
// else 0x80 + count and count big-endian bytes. At most 9 bytes.
char* WriteLength(char* out, std::size_t length) {
    if (length < 0x80) {
        *out++ = static_cast<char>(length);
        return out;
    }
    int count = 0;
    for (std::size_t rest = length; rest != 0; rest >>= 8) {
        ++count;
    }
    *out++ = static_cast<char>(0x80 | count);
    for (int i = count - 1; i >= 0; --i) {
        *out++ = static_cast<char>((length >> (8 * i)) & 0xFF);
    }
    return out;
}

}  // namespace

char* WriteHeader(char* out, std::uint8_t tag, std::size_t contentLength) {
    *out++ = static_cast<char>(tag);
    return WriteLength(out, contentLength);
}

void AppendLength(std::string& out, std::size_t length) {
    char bytes[9];
    out.append(bytes, static_cast<std::size_t>(WriteLength(bytes, length) - bytes));
}

void AppendHeader(std::string& out, std::uint8_t tag, std::size_t contentLength) {
    char bytes[10];
    bytes[0] = static_cast<char>(tag);
    out.append(bytes, static_cast<std::size_t>(WriteLength(bytes + 1, contentLength) - bytes));
}

void AppendElement(std::string& out, std::uint8_t tag, std::string_view content) {
    AppendHeader(out, tag, content.size());
    out.append(content);
}

std::size_t IntegerSize(std::int64_t value) {
    // The fewest bytes whose two's-complement range holds the value.
    std::size_t count = 1;
    while (count < 8) {
        const std::int64_t limit = std::int64_t{1} << (8 * count - 1);
        if (value >= -limit && value < limit) {
            break;
        }
        ++count;
    }
    return count;
}

namespace {

char* WriteInteger(char* out, std::int64_t value, std::size_t count) {
    const auto bits = static_cast<std::uint64_t>(value);
    for (std::size_t i = 0; i < count; ++i) {
        *out++ = static_cast<char>(bits >> (8 * (count - 1 - i)));
    }
    return out;
}

}  // namespace

char* WriteIntegerElement(char* out, std::int64_t value) {
    const std::size_t count = IntegerSize(value);
    *out++ = static_cast<char>(TagInteger);
    *out++ = static_cast<char>(count);
    return WriteInteger(out, value, count);
}

std::string IntegerContent(std::int64_t value) {
    char bytes[8];
    const std::size_t count = IntegerSize(value);
    WriteInteger(bytes, value, count);
    return std::string(bytes, count);
}

void AppendInteger(std::string& out, std::int64_t value) {
    char bytes[10] = {static_cast<char>(TagInteger)};
    const std::size_t count = IntegerSize(value);
    bytes[1] = static_cast<char>(count);
    out.append(bytes, static_cast<std::size_t>(WriteInteger(bytes + 2, value, count) - bytes));
}

std::string UnsignedContent(std::uint32_t value) {
    return IntegerContent(static_cast<std::int64_t>(value));
}

namespace {

// Writes value in base 128 at out, most significant group first, and
// returns the end. At most 10 bytes.
char* WriteBase128(char* out, std::uint64_t value) {
    int count = 1;
    for (std::uint64_t rest = value >> 7; rest != 0; rest >>= 7) {
        ++count;
    }
    for (int i = count - 1; i > 0; --i) {
        *out++ = static_cast<char>(((value >> (7 * i)) & 0x7F) | 0x80);
    }
    *out++ = static_cast<char>(value & 0x7F);
    return out;
}

// A scratch area of at least the given size: on the stack when small, as
// typical OIDs are, so that building a text costs one allocation at most.
class Scratch {
  public:
    explicit Scratch(std::size_t size) {
        if (size > sizeof local_) {
            heap_.resize(size);
        }
    }
    char* Data() { return heap_.empty() ? local_ : heap_.data(); }

  private:
    char local_[256];
    std::string heap_;
};

// The arc from p up to the next dot or the end; p is left there. Anything
// but 1 to 10 digits within 32 bits reads as 0.
[[gnu::always_inline]] inline std::uint32_t NextArc(const char*& p, const char* end) {
    // A local cursor: through the reference every step would go to memory.
    const char* at = p;
    std::uint64_t value = 0;
    bool number = true;
    for (; at != end && *at != '.'; ++at) {
        const unsigned digit = static_cast<unsigned char>(*at) - unsigned{'0'};
        value = value * 10 + digit;
        // Past 32 bits it is no arc; stop the sum before it can wrap.
        number = number && digit <= 9 && value <= 0xFFFFFFFFu;
        value = number ? value : 0;
    }
    const bool empty = at == p;
    p = at;
    return number && !empty ? static_cast<std::uint32_t>(value) : 0;
}

}  // namespace

char* WriteOidContent(char* out, std::string_view text) {
    const char* p = text.data();
    const char* const end = p + text.size();
    if (p == end) {
        return out;
    }
    // The first two arcs make one sub-identifier; a lone first arc still
    // makes one.
    const std::uint64_t first = NextArc(p, end);
    std::uint64_t second = 0;
    if (p != end && ++p != end) {
        second = NextArc(p, end);
    }
    out = WriteBase128(out, 40 * first + second);
    while (p != end && ++p != end) {
        const std::uint32_t arc = NextArc(p, end);
        if (arc < 0x80) {
            *out++ = static_cast<char>(arc);
        } else {
            out = WriteBase128(out, arc);
        }
    }
    return out;
}

std::string OidContent(std::string_view text) {
    Scratch scratch(OidContentRoom(text));
    char* const begin = scratch.Data();
    return std::string(begin, static_cast<std::size_t>(WriteOidContent(begin, text) - begin));
}

std::string OidText(std::string_view content) {
    // A sub-identifier of k bytes prints in at most 3k digits and a dot; the
    // first adds one more dot and digit.
    Scratch scratch(content.size() * 4 + 4);
    char* const begin = scratch.Data();
    char* const limit = begin + content.size() * 4 + 4;
    char* end = begin;
    std::uint32_t value = 0;
    bool firstDone = false;
    for (const char c : content) {
        const auto byte = static_cast<std::uint8_t>(c);
        value = (value << 7) | (byte & 0x7F);
        if (byte & 0x80) {
            continue;
        }
        if (!firstDone) {
            end = std::to_chars(end, limit, value / 40).ptr;
            *end++ = '.';
            end = std::to_chars(end, limit, value % 40).ptr;
            firstDone = true;
        } else {
            *end++ = '.';
            end = std::to_chars(end, limit, value).ptr;
        }
        value = 0;
    }
    return std::string(begin, static_cast<std::size_t>(end - begin));
}

std::int32_t SignedValue(std::string_view content) {
    std::uint32_t value = 0;
    if (!content.empty() && (static_cast<std::uint8_t>(content[0]) & 0x80)) {
        value = 0xFFFFFFFFu;
    }
    for (const char c : content) {
        value = (value << 8) | static_cast<std::uint8_t>(c);
    }
    return static_cast<std::int32_t>(value);
}

std::uint32_t UnsignedValue(std::string_view content) {
    std::uint32_t value = 0;
    for (const char c : content) {
        value = (value << 8) | static_cast<std::uint8_t>(c);
    }
    return value;
}

}  // namespace tessel::ber
