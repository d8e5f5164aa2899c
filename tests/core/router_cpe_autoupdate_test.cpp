#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/router/auto_update.hpp"

namespace tessel {
namespace {

TEST(AutoUpdate, ButtonTogglesByItsOwnCaption) {
    const auto started = ToggleAutoUpdate(StartAutoUpdateCaption);
    EXPECT_EQ(started.caption, "Stop autoupdate");
    EXPECT_TRUE(started.timerEnabled);
    EXPECT_EQ(started.flag, 1);
    const auto stopped = ToggleAutoUpdate(started.caption);
    EXPECT_EQ(stopped.caption, "Start autoupdate");
    EXPECT_FALSE(stopped.timerEnabled);
    EXPECT_EQ(stopped.flag, 0);
    EXPECT_EQ(ToggleAutoUpdate("").caption, "Stop autoupdate");
}

TEST(AutoUpdate, PeriodInWholeSecondsOnlyAfterTheLoad) {
    EXPECT_EQ(RefreshIntervalMs(5, true), 5000);
    EXPECT_EQ(RefreshIntervalMs(3.6, true), 4000);
    EXPECT_EQ(RefreshIntervalMs(3.4, true), 3000);
    EXPECT_FALSE(RefreshIntervalMs(5, false).has_value());
    EXPECT_FALSE(RefreshIntervalMs(0.2, true).has_value());
    EXPECT_FALSE(RefreshIntervalMs(-4, true).has_value());
    EXPECT_FALSE(RefreshIntervalMs(1e12, true).has_value());
    EXPECT_FALSE(RefreshIntervalMs(std::nan(""), true).has_value());
    EXPECT_FALSE(RefreshIntervalMs(std::numeric_limits<double>::infinity(), true).has_value());
}

}  // namespace
}  // namespace tessel
