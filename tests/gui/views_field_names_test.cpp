// What a screen reader calls each field of the window, asked through the
// accessibility interface: the caption placed beside the field, in the login
// layout and on every page of the managed layout, and not the title of the
// group the field sits in.

#include "logged_in_window.hpp"
#include "views/system/system_page.hpp"
#include "widgets/spin_editor.hpp"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QLabel>
#include <QStackedWidget>

#include <cstdlib>
#include <string>

namespace tessel {
namespace {

// The caption placed beside field: a label of the same parent that ends just
// left of it on its row, or stands just above it from the same x.
const QLabel* CaptionBeside(const QWidget* field) {
    const QRect f = field->geometry();
    for (const QLabel* label :
         field->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QRect l = label->geometry();
        const bool left = l.right() < f.left() && f.left() - l.right() <= 8 &&
                          l.top() < f.bottom() && f.top() < l.bottom();
        const bool above =
            std::abs(l.left() - f.left()) <= 2 && l.bottom() < f.top() && f.top() - l.bottom() <= 4;
        if (!label->text().isEmpty() && (left || above)) {
            return label;
        }
    }
    return nullptr;
}

// What a reader announces field as (as bytes, which a failed check prints). A selector's own name
// is its current entry; its caption is the label it is labelled by, the first of them (the group's
// title comes after).
std::string SpokenName(QWidget* field) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(field);
    if (qobject_cast<QComboBox*>(field) == nullptr) {
        return face->text(QAccessible::Name).toStdString();
    }
    const auto labels = face->relations(QAccessible::Label);
    return labels.isEmpty() ? std::string()
                            : labels.first().first->text(QAccessible::Name).toStdString();
}

// Part of the window's present layout once its tab is in front: hidden by
// nothing but a tab stack.
bool InLayout(const QWidget* widget, const QWidget* window) {
    for (const QWidget* w = widget; w != window; w = w->parentWidget()) {
        if (w->isHidden() && qobject_cast<const QStackedWidget*>(w->parentWidget()) == nullptr) {
            return false;
        }
    }
    return true;
}

// What the operator types into or chooses from, without the editors and
// headers that are part of another field.
bool IsField(const QWidget* w) {
    const QWidget* parent = w->parentWidget();
    const bool part = qobject_cast<const QAbstractSpinBox*>(parent) != nullptr ||
                      qobject_cast<const QComboBox*>(parent) != nullptr ||
                      qobject_cast<const QAbstractItemView*>(parent) != nullptr;
    return !part && (qobject_cast<const QLineEdit*>(w) != nullptr ||
                     qobject_cast<const QComboBox*>(w) != nullptr ||
                     qobject_cast<const QAbstractSpinBox*>(w) != nullptr ||
                     qobject_cast<const QAbstractItemView*>(w) != nullptr);
}

class FieldNames : public test::LoggedInWindow {
  protected:
    void SetUp() override { StartWithoutLogin(); }

    void ExpectNamedByCaptions() {
        for (QWidget* field : form->findChildren<QWidget*>()) {
            const QLabel* caption =
                IsField(field) && InLayout(field, form.get()) ? CaptionBeside(field) : nullptr;
            if (caption != nullptr) {
                EXPECT_EQ(SpokenName(field), caption->text().toStdString())
                    << field->objectName().toStdString();
            }
        }
    }
};

TEST_F(FieldNames, EveryFieldIsAnnouncedByTheCaptionBesideIt) {
    ExpectNamedByCaptions();
    EXPECT_EQ(SpokenName(form->sourceAddressCombo_), "Source IP-address:");

    LogIn();
    ASSERT_FALSE(HasFatalFailure());
    ExpectNamedByCaptions();
    // All three were called "System settings", the title of their group.
    const auto* system = Find<SystemPage>("system");
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(SpokenName(system->systemNameEdit_), "System name:");
    EXPECT_EQ(SpokenName(system->systemLocationEdit_), "System location:");
    EXPECT_EQ(SpokenName(system->icmpLimitSpin_), "ICMP limit:");
}

}  // namespace
}  // namespace tessel
