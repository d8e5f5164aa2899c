#include "ipv4.hpp"

#include <cstdio>

namespace tessel::sim {

std::optional<std::uint32_t> ParseIpv4(std::string_view text) {
    std::uint32_t out = 0;
    int parts = 0;
    std::size_t pos = 0;
    while (parts < 4) {
        std::uint32_t value = 0;
        std::size_t digits = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && digits < 4) {
            value = value * 10 + static_cast<std::uint32_t>(text[pos] - '0');
            ++pos;
            ++digits;
        }
        if (digits == 0 || digits > 3 || value > 255) {
            return std::nullopt;
        }
        out = (out << 8) | value;
        ++parts;
        if (parts < 4) {
            if (pos >= text.size() || text[pos] != '.') {
                return std::nullopt;
            }
            ++pos;
        }
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    return out;
}

std::string Ipv4Text(std::uint32_t address) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%u.%u.%u.%u", (address >> 24) & 0xFF,
                  (address >> 16) & 0xFF, (address >> 8) & 0xFF, address & 0xFF);
    return buffer;
}

bool IsContiguousMask(std::uint32_t mask) {
    const std::uint32_t inverted = ~mask;
    return (inverted & (inverted + 1)) == 0;
}

std::optional<std::uint32_t> ParseMask(std::string_view text) {
    const auto mask = ParseIpv4(text);
    if (!mask || !IsContiguousMask(*mask)) {
        return std::nullopt;
    }
    return mask;
}

int MaskLength(std::uint32_t mask) {
    int length = 0;
    while (length < 32 && (mask & (0x80000000u >> length)) != 0) {
        ++length;
    }
    return length;
}

std::uint32_t ClassfulMask(std::uint32_t address) {
    const std::uint32_t top = address >> 24;
    if (top < 128) {
        return 0xFF000000u;
    }
    if (top < 192) {
        return 0xFFFF0000u;
    }
    return 0xFFFFFF00u;
}

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

std::optional<Mac> ParseMac(std::string_view text) {
    Mac mac{};
    std::size_t pos = 0;
    for (std::size_t octet = 0; octet < 6; ++octet) {
        if (octet != 0 && pos < text.size() && (text[pos] == ':' || text[pos] == '-') &&
            text.size() == 17) {
            ++pos;
        }
        if (pos + 2 > text.size()) {
            return std::nullopt;
        }
        const int high = HexDigit(text[pos]);
        const int low = HexDigit(text[pos + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        mac[octet] = static_cast<std::uint8_t>(high * 16 + low);
        pos += 2;
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    return mac;
}

std::string MacText(const Mac& mac) {
    char buffer[18];
    std::snprintf(buffer, sizeof buffer, "%02x:%02x:%02x:%02x:%02x:%02x", mac[0], mac[1], mac[2],
                  mac[3], mac[4], mac[5]);
    return buffer;
}

std::string MacHex(const Mac& mac) {
    char buffer[13];
    std::snprintf(buffer, sizeof buffer, "%02X%02X%02X%02X%02X%02X", mac[0], mac[1], mac[2], mac[3],
                  mac[4], mac[5]);
    return buffer;
}

std::string MacBytes(const Mac& mac) {
    return std::string(mac.begin(), mac.end());
}

}  // namespace tessel::sim
