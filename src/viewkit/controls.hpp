#pragma once

// The builders every page uses: each control is created with its parent (Qt
// owns it), its object name and its geometry; the settings pages' "Click to
// change" buttons and the rules that move them.

#include "core/router/change_buttons.hpp"
#include "core/router/grid_columns.hpp"
#include "viewkit/column_mapper.hpp"
#include "viewkit/named.hpp"
#include "viewkit/text_bridge.hpp"
#include "widgets/grid_column.hpp"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QToolButton>

#include <span>
#include <string>
#include <string_view>
#include <vector>

class QFrame;

namespace tessel {

class PageHost;
struct ConsoleCommand;

inline QLabel* MakeCaption(QWidget* parent, const QString& text, int x, int y, int width = 120) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, y, width, 17);
    return label;
}

inline QLineEdit* MakeEdit(QWidget* parent, const char* name, int x, int y, int width) {
    auto* edit = Named(new QLineEdit(parent), name);
    edit->setGeometry(x, y, width, 21);
    return edit;
}

inline QComboBox* MakeSelector(QWidget* parent, const char* name, int x, int y, int width) {
    auto* box = Named(new QComboBox(parent), name);
    box->setEditable(false);
    box->setGeometry(x, y, width, 21);
    return box;
}

inline QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int x,
                               int y, int width) {
    auto* button = Named(new QPushButton(caption, parent), name);
    button->setGeometry(x, y, width, 25);
    return button;
}

// The radio number the router's tables use for a selector's position: the
// position counted from 1 (0 when nothing is selected, which names no radio).
inline int RadioNumberOf(const QComboBox* selector) {
    return selector->currentIndex() + 1;
}

// A caption label at x, y (one row high).
QLabel* MakeRowLabel(QWidget* parent, const char* caption, int x, int y, int width);

// Tools that read the screen name field by its caption, as shown, rather than
// by the group around it: the caption becomes the field's buddy, and a table
// or list (whose name Qt takes from nothing else) is given the text itself.
void NameAfterCaption(QLabel* caption, QWidget* field);

// The small flat button right of a field: hint "Click to change", disabled
// until the operator edits the field.
QToolButton* MakeChangeButton(QWidget* parent, const char* name, int x, int y);

// A sunken horizontal line across a group.
QFrame* MakeLine(QWidget* parent, int y, int width);

// An operator's edit of a field moves its change button by the group's rule;
// nothing moves while the group is being filled.
void FieldEdited(QToolButton* button, ChangeButtonRule rule, bool guard);

// A change button's click: the command through the host's status popup; the
// button is disabled once the line went out and stays enabled when it was
// refused, as the edit was not sent.
void SendFromChangeButton(PageHost& host, QToolButton* button, const ConsoleCommand& command);

// The same for a command that carries the operator's text: build turns the
// text's bytes into the command, unless the text holds a character the
// console cannot carry (RefuseUncarriable), when nothing goes out and the
// button stays enabled.
void SendTextFromChangeButton(PageHost& host, QToolButton* button, const QString& text,
                              ConsoleCommand (*build)(std::string_view));

// After a group is read nothing is left to send.
void DisableAll(std::span<QToolButton* const> buttons);

// Fills a selector from code: the items, then selected (-1 for none). The
// selector's signals are blocked meanwhile, since a fill is not the
// operator's choice and must not start the page's own reads.
void FillSelector(QComboBox* selector, const QStringList& items, int selected);

}  // namespace tessel
