#pragma once

// What a page needs from the main window, handed in at construction. The
// pages sit below the window, so they reach it only through these calls:
// the console channel, the help buttons, the message boxes and the caption.

#include "core/router/console_text.hpp"

#include <QString>

#include <functional>
#include <string>

class QToolButton;
class QWidget;

namespace tessel {

struct ViewServices {
    // Shows the command in the status popup, sets its reply code and sends
    // the line. False when the line was not sent (the operator has been
    // told; the code is as it was).
    std::function<bool(const ConsoleCommand& command)> runCommand;
    // The same without the popup.
    std::function<bool(const ConsoleCommand& command)> sendCommand;
    // A help button named name (e.g. "SpeedButton6") showing its field help.
    std::function<QToolButton*(QWidget* parent, const QString& name)> makeHelpButton;
    // An OK message box.
    std::function<void(const QString& text, const QString& caption)> inform;
    // Window caption and application title.
    std::function<void(const QString& caption)> setCaption;
};

}  // namespace tessel
