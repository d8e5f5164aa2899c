#pragma once

// What the utilities need from the window's console channel. The window
// fills it at construction; the utilities never see the socket.

#include "core/router/console_text.hpp"

#include <QString>

#include <functional>
#include <string>

namespace tessel {

struct UtilityConsole {
    // A line that keeps the reply code: false when it was refused (the
    // operator has been told why) and nothing went out.
    std::function<bool(const std::string& line)> SendLine;
    // The line under its reply code; a refused line leaves the code.
    std::function<bool(const ConsoleCommand& command)> SendCommand;
    // A running report was stopped (its code takes its stopped form).
    std::function<void()> ReportStopped;
    // DisableConsoleButtons / EnableConsoleButtons of the window.
    std::function<void()> DisableConsoleButtons;
    std::function<void()> EnableConsoleButtons;
    // A modal message with OK.
    std::function<void(const QString& text, const QString& caption)> Inform;
};

}  // namespace tessel
