#pragma once

// The auto-update rules shared by the base-station, CPE and QoS pages: a
// button that toggles by its own caption, and a period editor in seconds.

#include <optional>
#include <string_view>

namespace tessel {

inline constexpr std::string_view StartAutoUpdateCaption = "Start autoupdate";
inline constexpr std::string_view StopAutoUpdateCaption = "Stop autoupdate";

struct AutoUpdateState {
    std::string_view caption;
    bool timerEnabled = false;
    int flag = 0;  // the page's auto-update flag
};

// What pressing the button does: any caption but "Stop autoupdate" starts
// (caption "Stop autoupdate", timer on, flag 1), "Stop autoupdate" stops.
AutoUpdateState ToggleAutoUpdate(std::string_view caption);

// The timer interval for a period editor's value: whole seconds, rounded
// (3.6 gives 4000 ms). Nothing before the post-login load has completed,
// when the values written into the editors are not the operator's, nor for
// a value that is not a finite positive number of seconds.
std::optional<int> RefreshIntervalMs(double seconds, bool sessionLoaded);

}  // namespace tessel
