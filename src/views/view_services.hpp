#pragma once

// What a page needs from the main window, handed in at construction. The
// pages sit below the window, so they reach it only through these calls:
// the console channel, the help buttons, the message boxes and the caption.

#include <QString>

#include <functional>
#include <string>

class QToolButton;
class QWidget;

namespace tessel {

struct ViewServices {
    // Shows the command in the status popup, sets ReplyState and sends the
    // line. False when the line was not sent (the operator has been told).
    std::function<bool(const std::string& command, int replyState, const std::string& description)>
        runConsoleCommand;
    // Sends the line without the popup; false as above.
    std::function<bool(const std::string& text, const std::string& description)> sendConsoleLine;
    // A help button named name (e.g. "SpeedButton6") showing its field help.
    std::function<QToolButton*(QWidget* parent, const QString& name)> makeHelpButton;
    // An OK message box.
    std::function<void(const QString& text, const QString& caption)> inform;
    // Window caption and application title.
    std::function<void(const QString& caption)> setCaption;
};

}  // namespace tessel
