#include "core/router/address_checks.hpp"

#include "core/router/number_text.hpp"
#include "core/text.hpp"

#include <string>

namespace tessel {
namespace {

bool IsAddressPart(std::string_view part) {
    const auto value = ParseInteger(part);
    return value && *value <= 255;
}

}  // namespace

bool IsValidIpAddress(std::string_view text) {
    const std::string p1 = TextBefore(text, ".");
    const std::string p2 = TextBefore(TextAfter(text, "."), ".");
    const std::string p3 = TextBefore(TextAfter(TextAfter(text, "."), "."), ".");
    const std::string p4 = TextAfterLast(text, ".");
    return IsAddressPart(p1) && IsAddressPart(p2) && IsAddressPart(p3) && IsAddressPart(p4) &&
           p1 + "." + p2 + "." + p3 + "." + p4 == text;
}

bool IsValidMaskOrBlank(std::string_view text) {
    return text.empty() || IsValidIpAddress(text);
}

}  // namespace tessel
