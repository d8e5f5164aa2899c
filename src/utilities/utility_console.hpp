#pragma once

// What the utilities need from the window's console channel. The window
// fills it at construction; the utilities never see the socket.

#include <QString>

#include <functional>
#include <string>

namespace tessel {

struct UtilityConsole {
    // SendConsoleLine: false when the line was refused (the operator has
    // been told why) and nothing went out.
    std::function<bool(const std::string& line)> SendLine;
    // DisableConsoleButtons / EnableConsoleButtons of the window.
    std::function<void()> DisableConsoleButtons;
    std::function<void()> EnableConsoleButtons;
    // A modal message with OK.
    std::function<void(const QString& text, const QString& caption)> Inform;
};

}  // namespace tessel
