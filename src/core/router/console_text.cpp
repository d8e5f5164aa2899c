#include "core/router/console_text.hpp"

#include <cstdio>

namespace tessel {

namespace {

constexpr char32_t LastCodePoint = 0x10FFFF;

bool IsSurrogate(char32_t codePoint) {
    return codePoint >= 0xD800 && codePoint <= 0xDFFF;
}

// The character in UTF-8; empty for what is no character (a lone surrogate,
// a number beyond Unicode).
std::string Utf8(char32_t c) {
    if (IsSurrogate(c) || c > LastCodePoint) {
        return {};
    }
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    if (c < 0x80) {
        return {byte(c)};
    }
    if (c < 0x800) {
        return {byte(0xC0 | (c >> 6)), byte(0x80 | (c & 0x3F))};
    }
    if (c < 0x10000) {
        return {byte(0xE0 | (c >> 12)), byte(0x80 | ((c >> 6) & 0x3F)), byte(0x80 | (c & 0x3F))};
    }
    return {byte(0xF0 | (c >> 18)), byte(0x80 | ((c >> 12) & 0x3F)), byte(0x80 | ((c >> 6) & 0x3F)),
            byte(0x80 | (c & 0x3F))};
}

// "U+20AC".
std::string CodePointText(char32_t codePoint) {
    char number[16];
    std::snprintf(number, sizeof number, "U+%04X", static_cast<unsigned>(codePoint));
    return number;
}

}  // namespace

bool IsSafeConsoleText(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

std::string UncarriableCharacterMessage(char32_t codePoint) {
    const std::string number = CodePointText(codePoint);
    const std::string character = Utf8(codePoint);
    const std::string named = character.empty() ? number : "\"" + character + "\" (" + number + ")";
    return "The character " + named +
           " cannot be sent to the router, which takes 8-bit (Latin-1) text only. "
           "Nothing was sent.";
}

std::string UncarriableCharacterReason(char32_t codePoint) {
    return CodePointText(codePoint) + " has no 8-bit form";
}

}  // namespace tessel
