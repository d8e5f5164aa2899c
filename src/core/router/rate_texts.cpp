#include "core/router/rate_texts.hpp"

#include <algorithm>
#include <array>

#include "core/router/number_text.hpp"

namespace tessel {

namespace {

constexpr std::array<std::string_view, 9> Band1Rates = {"",   "6",  "9",  "12", "18",
                                                        "24", "36", "48", "54"};
constexpr std::array<std::string_view, 5> OtherBandRates = {"", "1", "2", "5.5", "11"};

constexpr int LevelBarMaximum = 16;

}  // namespace

std::span<const std::string_view> RateCodeTexts(int band) {
    if (band == 1) {
        return Band1Rates;
    }
    return OtherBandRates;
}

std::string RateCodeText(int band, std::string_view code) {
    const auto table = RateCodeTexts(band);
    const auto value = ParseInteger(code);
    if (!value || *value < 0 || *value >= static_cast<std::int64_t>(table.size())) {
        return {};
    }
    return std::string(table[static_cast<std::size_t>(*value)]);
}

std::string RateLabelText(int band, std::string_view code) {
    return RateCodeText(band, code) + " Mbps";
}

std::optional<int> LevelBarValue(std::string_view amplitude) {
    if (amplitude.empty()) {
        return std::nullopt;
    }
    const auto value = WholeNumberOrZero(amplitude);
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, LevelBarMaximum));
}

bool IsValidBsSpeed(int band, std::string_view speed) {
    // The band's rates in kbit/s: the rate texts followed by "000", where the
    // "5.5" of the other band is written 5500.
    static constexpr std::array<std::string_view, 8> Band1Speeds = {
        "6000", "9000", "12000", "18000", "24000", "36000", "48000", "54000"};
    static constexpr std::array<std::string_view, 4> OtherBandSpeeds = {"1000", "2000", "5500",
                                                                        "11000"};
    const auto has = [speed](const auto& speeds) {
        return std::find(speeds.begin(), speeds.end(), speed) != speeds.end();
    };
    return band == 1 ? has(Band1Speeds) : has(OtherBandSpeeds);
}

}  // namespace tessel
