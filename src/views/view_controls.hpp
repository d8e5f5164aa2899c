#pragma once

// Small building blocks shared by the settings pages: named controls, the
// "Click to change" buttons, the group guards and the two ways of sending a
// page's console command.

#include "core/router/change_buttons.hpp"
#include "core/router/console_text.hpp"
#include "core/session/session.hpp"
#include "views/view_services.hpp"

#include <QLabel>
#include <QString>
#include <QToolButton>

#include <span>
#include <string>

class QFrame;

namespace tessel {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A caption label at x, y (one row high).
QLabel* MakeRowLabel(QWidget* parent, const char* caption, int x, int y, int width);

// The small flat button right of a field: hint "Click to change", disabled
// until the operator edits the field.
QToolButton* MakeChangeButton(QWidget* parent, const char* name, int x, int y);

// A sunken horizontal line across a group.
QFrame* MakeLine(QWidget* parent, int y, int width);

// Set while a reader fills its group: filling a control from code raises the
// same change signals as the operator, and the handlers must ignore those.
class GuardScope {
  public:
    explicit GuardScope(bool& guard) : guard_(guard) { guard_ = true; }
    ~GuardScope() { guard_ = false; }
    GuardScope(const GuardScope&) = delete;
    GuardScope& operator=(const GuardScope&) = delete;

  private:
    bool& guard_;
};

// An operator's edit of a field moves its change button by the group's rule;
// nothing moves while the group is being filled.
void FieldEdited(QToolButton* button, ChangeButtonRule rule, bool guard);

// After a group is read nothing is left to send.
void DisableAll(std::span<QToolButton* const> buttons);

// The change buttons' way: popup, reply state, line; the button is disabled
// once the line went out.
void SendFromChangeButton(const ViewServices& services, QToolButton* button,
                          const ConsoleCommand& command);

// The other senders' way: reply state, then the line without the popup. A
// line that is refused leaves the reply state as it was, so that no later
// prompt is taken for this command's answer.
bool SendCommand(Session& session, const ViewServices& services, const ConsoleCommand& command);

}  // namespace tessel
