#pragma once

// The opener of the "Console log" window for the managed layout's button
// row: Ctrl+L does the same while its window is active, and the caption
// counts the router's marked answers not yet seen ("Console log (2)", in
// bold) until the log is opened.

#include <QPushButton>

namespace tessel {

class ConsoleLogWindow;

class ConsoleLogButton : public QPushButton {
    Q_OBJECT
  public:
    ConsoleLogButton(ConsoleLogWindow& window, QWidget* parent = nullptr);

  private:
    void ShowUnread(int unread);
};

}  // namespace tessel
