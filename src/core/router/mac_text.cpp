#include "core/router/mac_text.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>

namespace tessel {

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

// The index arcs are what the agent put into the OID: plain digits.
bool ArcValue(std::string_view text, std::uint32_t& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

std::string UpperHex(std::uint32_t value) {
    std::string reversed;
    do {
        reversed.push_back(HexDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    return std::string(reversed.rbegin(), reversed.rend());
}

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

}  // namespace

std::string MacTextFromBytes(std::string_view raw) {
    if (raw.size() != 6) {
        return {};
    }
    std::string text;
    for (const char c : raw) {
        const auto byte = static_cast<unsigned char>(c);
        text.push_back(HexDigits[byte >> 4]);
        text.push_back(HexDigits[byte & 0xF]);
    }
    return text;
}

std::string MacTextFromIndex(std::string_view index) {
    std::string text;
    int pieces = 0;
    while (true) {
        const auto dot = index.find('.');
        std::uint32_t value = 0;
        if (!ArcValue(index.substr(0, dot), value) || ++pieces > 6) {
            return {};
        }
        const std::string hex = UpperHex(value);
        if (hex.size() != 2) {
            text.push_back('0');
        }
        text += hex;
        if (dot == std::string_view::npos) {
            break;
        }
        index.remove_prefix(dot + 1);
    }
    return pieces == 6 ? text : std::string();
}

bool IsValidMac(std::string_view text) {
    if (text.size() != 12 && text.size() != 17) {
        return false;
    }
    const auto hex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
    return std::all_of(text.begin(), text.end(), [&](char c) { return c == ':' || hex(c); }) &&
           std::count_if(text.begin(), text.end(), hex) == 12;
}

std::string OutgoingMac(std::string_view text) {
    std::string out(text);
    std::erase(out, ':');
    return out;
}

bool MacEdited(std::string_view rowMac, std::string_view formMac) {
    return !std::equal(rowMac.begin(), rowMac.end(), formMac.begin(), formMac.end(),
                       [](char a, char b) { return Lower(a) == Lower(b); });
}

}  // namespace tessel
