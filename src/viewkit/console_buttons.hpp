#pragma once

// A button that sends console lines answers to two parties: its page, which
// knows whether the button has anything to send now, and the window, which
// locks every such button while a report runs. Each keeps its own say, so
// the end of a report does not wake a button its page has put to rest, and
// a page does not wake a button during a report. A button neither has
// spoken about is enabled.

#include <span>

class QAbstractButton;

namespace tessel {

// The page's say.
void SetConsoleButtonReady(QAbstractButton* button, bool ready);
// The window's say.
void SetConsoleButtonLocked(QAbstractButton* button, bool locked);

// The window's say over all its console buttons, which the running reports
// give: each report holds a lock of its own (enabled false takes one, true
// gives one back), so that one report's end, or the end of its pause after
// ESC, does not free the buttons while another report runs. locks: the
// count the window keeps.
void LockConsoleButtons(std::span<QAbstractButton* const> buttons, int& locks, bool enabled);

}  // namespace tessel
