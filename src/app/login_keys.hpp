#pragma once

// Enter or Return in any field of the login block presses "Login", as in a
// dialog; the main window has no default button of its own.

#include <initializer_list>

class QAbstractButton;
class QWidget;

namespace tessel {

// Enter/Return in any of fields clicks button (nothing while it is disabled
// or hidden). The watcher is owned by button.
void PressOnEnter(QAbstractButton* button, std::initializer_list<QWidget*> fields);

}  // namespace tessel
