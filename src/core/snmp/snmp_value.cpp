#include "core/snmp/snmp_value.hpp"

#include <charconv>

#include "core/snmp/ber.hpp"

namespace tessel {

namespace {

template <typename Number>
std::string Decimal(Number value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, result.ptr);
}

template <typename Number>
Number ParseNumber(std::string_view text) {
    Number value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end) {
        return 0;
    }
    return value;
}

std::string DottedBytes(std::string_view content) {
    std::string out;
    out.reserve(content.size() * 4);
    char digits[4];
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (i != 0) {
            out.push_back('.');
        }
        const auto result =
            std::to_chars(digits, digits + sizeof digits, static_cast<std::uint8_t>(content[i]));
        out.append(digits, result.ptr);
    }
    return out;
}

std::string DottedToBytes(std::string_view text) {
    std::string out;
    if (text.empty()) {
        return out;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t dot = text.find('.', start);
        const std::size_t end = dot == std::string_view::npos ? text.size() : dot;
        out.push_back(
            static_cast<char>(ParseNumber<std::uint8_t>(text.substr(start, end - start))));
        if (dot == std::string_view::npos) {
            return out;
        }
        start = dot + 1;
    }
}

bool IsSignedTag(std::uint8_t tag) {
    return tag == ber::TagInteger || tag == 0x01 || tag == 0x0A;
}

bool IsUnsignedTag(std::uint8_t tag) {
    return tag == ber::TagCounter || tag == ber::TagGauge || tag == ber::TagTimeTicks;
}

}  // namespace

std::string RenderValue(std::uint8_t tag, std::string_view content) {
    if (tag & ber::ConstructedBit) {
        return std::string(content);
    }
    if (IsSignedTag(tag)) {
        return Decimal(ber::SignedValue(content));
    }
    if (IsUnsignedTag(tag)) {
        return Decimal(ber::UnsignedValue(content));
    }
    switch (tag) {
        case ber::TagIpAddress:
            return DottedBytes(content);
        case ber::TagOid:
            return ber::OidText(content);
        case ber::TagNull:
            return std::string();
        default:
            return std::string(content);
    }
}

std::string ValueContent(std::uint8_t tag, std::string_view text) {
    if (tag & ber::ConstructedBit) {
        return std::string(text);
    }
    if (IsSignedTag(tag)) {
        return ber::IntegerContent(ParseNumber<std::int32_t>(text));
    }
    if (IsUnsignedTag(tag)) {
        return ber::UnsignedContent(ParseNumber<std::uint32_t>(text));
    }
    switch (tag) {
        case ber::TagIpAddress:
            return DottedToBytes(text);
        case ber::TagOid:
            return ber::OidContent(text);
        case ber::TagNull:
            return std::string();
        default:
            return std::string(text);
    }
}

bool ValueContentIsText(std::uint8_t tag) {
    if (tag & ber::ConstructedBit) {
        return true;
    }
    if (IsSignedTag(tag) || IsUnsignedTag(tag)) {
        return false;
    }
    return tag != ber::TagIpAddress && tag != ber::TagOid && tag != ber::TagNull;
}

}  // namespace tessel
