#include "core/router/radio_rules.hpp"

#include "core/router/number_text.hpp"

#include <cstdint>
#include <limits>

namespace tessel {

bool IsRadioInterfaceName(std::string_view name) {
    return name.find("rf") != std::string_view::npos;
}

int BandOfFirstRadio(std::string_view frequency) {
    return frequency.starts_with("2") ? 2 : 1;
}

int BandOfSecondRadio(std::string_view frequency) {
    return frequency.empty() ? 0 : BandOfFirstRadio(frequency);
}

std::optional<int> BandAt(const RadioBands& bands, int position) {
    if (position < 0 || position >= static_cast<int>(bands.size())) {
        return std::nullopt;
    }
    return bands[static_cast<std::size_t>(position)];
}

bool BitrateMatches(std::string_view choice, std::string_view current) {
    if (choice == current) {
        return true;
    }
    const auto value = ParseInteger(current);
    constexpr std::int64_t kLimit = std::numeric_limits<std::int64_t>::max() / 1000;
    if (!value || *value > kLimit || *value < -kLimit) {
        return false;
    }
    return choice == std::to_string(*value * 1000);
}

std::string SidText(std::string_view value) {
    auto sid = static_cast<std::uint32_t>(WholeNumberOrZero(value));
    if (sid == 0) {
        return "0";
    }
    std::string digits;
    for (; sid != 0; sid >>= 4) {
        digits.insert(digits.begin(), "0123456789ABCDEF"[sid & 0xF]);
    }
    return digits;
}

}  // namespace tessel
