#include "viewkit/controls.hpp"

#include "core/router/button_names.hpp"
#include "core/router/console_text.hpp"
#include "viewkit/operator_text.hpp"
#include "viewkit/page_host.hpp"

#include <QAbstractItemView>
#include <QFrame>
#include <QSignalBlocker>

namespace tessel {

QLabel* MakeRowLabel(QWidget* parent, const char* caption, int x, int y, int width) {
    auto* label = new QLabel(QLatin1String(caption), parent);
    label->setGeometry(x, y, width, 22);
    return label;
}

void NameAfterCaption(QLabel* caption, QWidget* field) {
    caption->setBuddy(field);
    if (qobject_cast<QAbstractItemView*>(field) != nullptr) {
        field->setAccessibleName(caption->text());
    }
}

QToolButton* MakeChangeButton(QWidget* parent, const char* name, int x, int y) {
    auto* button = Named(new QToolButton(parent), name);
    button->setText(QStringLiteral("OK"));
    button->setAutoRaise(true);
    button->setToolTip(QStringLiteral("Click to change"));
    // The face is only "OK": tools that read the screen need the field's name.
    button->setAccessibleName(QString::fromStdString(FieldButtonAccessibleName(name)));
    button->setAccessibleDescription(QStringLiteral("Sends the field's new value to the router"));
    button->setGeometry(x, y, 24, 22);
    button->setEnabled(false);
    return button;
}

QFrame* MakeLine(QWidget* parent, int y, int width) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(10, y, width - 20, 4);
    return line;
}

void FieldEdited(QToolButton* button, ChangeButtonRule rule, bool guard) {
    button->setEnabled(ChangeButtonAfterEdit(rule, guard, button->isEnabled()));
}

void SendFromChangeButton(PageHost& host, QToolButton* button, const ConsoleCommand& command) {
    if (host.RunCommand(command)) {
        button->setEnabled(false);
    }
}

void SendTextFromChangeButton(PageHost& host, QToolButton* button, const QString& text,
                              ConsoleCommand (*build)(std::string_view)) {
    if (!RefuseUncarriable(host, {text})) {
        SendFromChangeButton(host, button, build(ToBytes(text)));
    }
}

void DisableAll(std::span<QToolButton* const> buttons) {
    for (QToolButton* button : buttons) {
        button->setEnabled(false);
    }
}

void FillSelector(QComboBox* selector, const QStringList& items, int selected) {
    const QSignalBlocker quiet(selector);
    selector->clear();
    selector->addItems(items);
    selector->setCurrentIndex(selected);
}

}  // namespace tessel
