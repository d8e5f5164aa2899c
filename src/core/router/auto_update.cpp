#include "core/router/auto_update.hpp"

#include <cmath>

namespace tessel {

namespace {

// A day; far beyond any period the editors offer, and well inside an int.
constexpr double LongestPeriodSeconds = 86400;

}  // namespace

AutoUpdateState ToggleAutoUpdate(std::string_view caption) {
    if (caption == StopAutoUpdateCaption) {
        return {StartAutoUpdateCaption, false, 0};
    }
    return {StopAutoUpdateCaption, true, 1};
}

std::optional<int> RefreshIntervalMs(double seconds, bool sessionLoaded) {
    if (!sessionLoaded || !std::isfinite(seconds)) {
        return std::nullopt;
    }
    const double whole = std::round(seconds);
    if (whole < 1 || whole > LongestPeriodSeconds) {
        return std::nullopt;
    }
    return static_cast<int>(whole) * 1000;
}

}  // namespace tessel
