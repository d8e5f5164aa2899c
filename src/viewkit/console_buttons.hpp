#pragma once

// A button that sends console lines answers to two parties: its page, which
// knows whether the button has anything to send now, and the window, which
// locks every such button while a report runs. Each keeps its own say, so
// the end of a report does not wake a button its page has put to rest, and
// a page does not wake a button during a report. A button neither has
// spoken about is enabled.

class QAbstractButton;

namespace tessel {

// The page's say.
void SetConsoleButtonReady(QAbstractButton* button, bool ready);
// The window's say.
void SetConsoleButtonLocked(QAbstractButton* button, bool locked);

}  // namespace tessel
