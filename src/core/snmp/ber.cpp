#include "core/snmp/ber.hpp"

#include <charconv>

namespace tessel::ber {

bool Cursor::Get(std::size_t n, std::string_view& out) {
    if (n > Remaining()) {
        return false;
    }
    out = data_.substr(pos_, n);
    pos_ += n;
    return true;
}

bool Cursor::GetByte(std::uint8_t& out) {
    std::string_view one;
    if (!Get(1, one)) {
        return false;
    }
    out = static_cast<std::uint8_t>(one[0]);
    return true;
}

std::string_view Cursor::GetUpTo(std::size_t n) {
    std::string_view out;
    Get(n < Remaining() ? n : Remaining(), out);
    return out;
}

bool Cursor::GetLength(std::size_t& out) {
    std::uint8_t first = 0;
    if (!GetByte(first)) {
        return false;
    }
    if (first < 0x80) {
        out = first;
        return true;
    }
    const std::size_t count = first & 0x7F;
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

bool Cursor::GetHeader(std::uint8_t& tag, std::size_t& length) {
    return GetByte(tag) && GetLength(length);
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

void AppendLength(std::string& out, std::size_t length) {
    if (length < 0x80) {
        out.push_back(static_cast<char>(length));
        return;
    }
    int count = 0;
    for (std::size_t rest = length; rest != 0; rest >>= 8) {
        ++count;
    }
    out.push_back(static_cast<char>(0x80 | count));
    for (int i = count - 1; i >= 0; --i) {
        out.push_back(static_cast<char>((length >> (8 * i)) & 0xFF));
    }
}

void AppendHeader(std::string& out, std::uint8_t tag, std::size_t contentLength) {
    out.push_back(static_cast<char>(tag));
    AppendLength(out, contentLength);
}

void AppendElement(std::string& out, std::uint8_t tag, std::string_view content) {
    AppendHeader(out, tag, content.size());
    out.append(content);
}

std::string IntegerContent(std::int64_t value) {
    // Big-endian bytes of the two's-complement value, then drop leading bytes
    // that only repeat the sign.
    unsigned char bytes[8];
    const auto bits = static_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i) {
        bytes[i] = static_cast<unsigned char>(bits >> (8 * (7 - i)));
    }
    int first = 0;
    while (first < 7) {
        const bool redundantZero = bytes[first] == 0x00 && (bytes[first + 1] & 0x80) == 0;
        const bool redundantOnes = bytes[first] == 0xFF && (bytes[first + 1] & 0x80) != 0;
        if (!redundantZero && !redundantOnes) {
            break;
        }
        ++first;
    }
    return std::string(reinterpret_cast<const char*>(bytes + first),
                       static_cast<std::size_t>(8 - first));
}

std::string UnsignedContent(std::uint32_t value) {
    return IntegerContent(static_cast<std::int64_t>(value));
}

namespace {

void AppendBase128(std::string& out, std::uint64_t value) {
    unsigned char groups[10];
    int count = 0;
    do {
        groups[count++] = static_cast<unsigned char>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1) {
        out.push_back(static_cast<char>(groups[--count] | 0x80));
    }
    out.push_back(static_cast<char>(groups[0]));
}

std::uint32_t ArcValue(std::string_view piece) {
    std::uint32_t value = 0;
    const auto* end = piece.data() + piece.size();
    const auto [ptr, ec] = std::from_chars(piece.data(), end, value);
    if (piece.empty() || ec != std::errc() || ptr != end) {
        return 0;
    }
    return value;
}

}  // namespace

std::string OidContent(std::string_view text) {
    std::string out;
    std::uint64_t first = 0;
    std::size_t index = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        auto dot = text.find('.', start);
        if (dot == std::string_view::npos) {
            dot = text.size();
        }
        const std::uint32_t arc = ArcValue(text.substr(start, dot - start));
        if (index == 0) {
            first = arc;
        } else if (index == 1) {
            AppendBase128(out, 40 * first + arc);
        } else {
            AppendBase128(out, arc);
        }
        ++index;
        start = dot + 1;
    }
    if (index == 1) {
        // A lone first arc still becomes one sub-identifier.
        AppendBase128(out, 40 * first);
    }
    return out;
}

std::string OidText(std::string_view content) {
    // Each byte yields at most 3 digits and a dot (the first sub-identifier
    // two arcs), so one reservation holds the whole text.
    std::string out;
    out.reserve(content.size() * 4 + 4);
    char digits[16];
    const auto append = [&](std::uint32_t number) {
        out.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
    };
    std::uint32_t value = 0;
    bool firstDone = false;
    for (const char c : content) {
        const auto byte = static_cast<std::uint8_t>(c);
        value = (value << 7) | (byte & 0x7F);
        if (byte & 0x80) {
            continue;
        }
        if (!firstDone) {
            append(value / 40);
            out += '.';
            append(value % 40);
            firstDone = true;
        } else {
            out += '.';
            append(value);
        }
        value = 0;
    }
    return out;
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
