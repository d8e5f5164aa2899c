// The login block from the keyboard: the tab order of its rows, Enter in
// any field pressing "Login" (also against the lab router), and the names
// that accessibility tools read from the buttons whose face says nothing.

#include "app/form1.hpp"
#include "core/router/button_names.hpp"
#include "logged_in_window.hpp"
#include "scripted_messages.hpp"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace tessel {
namespace {

using test::ScriptedMessages;

// An SNMP transport that fails at once: these tests never get past the
// field check, or run against the lab router with the real client.
SnmpTransport Unreachable() {
    return {[](const std::string&, const std::string&, const std::string&, std::string& value) {
                value.clear();
                return false;
            },
            [](std::string&, const std::string&, const std::string&, std::string& value) {
                value.clear();
                return false;
            }};
}

// The widgets that focus visits on Tab (Shift+Tab when back) from the focus
// widget, until it comes round again or `limit` presses; each must be shown
// and lie inside the window, where the operator sees what Space would press.
std::vector<QWidget*> TabRound(MainWindow& form, bool back = false, int limit = 400) {
    std::vector<QWidget*> visited;
    QWidget* start = form.focusWidget();
    for (int i = 0; i < limit; ++i) {
        QTest::keyClick(form.focusWidget(), Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
        QWidget* now = form.focusWidget();
        const QRect inWindow(now->mapTo(&form, QPoint(0, 0)), now->size());
        EXPECT_TRUE(now->isVisible() && form.rect().contains(inWindow))
            << "Tab reached " << now->objectName().toStdString() << " at " << inWindow.x() << ","
            << inWindow.y() << " outside the " << form.width() << "x" << form.height() << " window";
        visited.push_back(now);
        if (now == start) {
            break;
        }
    }
    return visited;
}

class LoginBlock : public ::testing::Test {
  protected:
    LoginBlock() : form(std::make_unique<MainWindow>(Unreachable())) {
        form->FormCreate("tessel-manager");
        form->show();
    }
    ~LoginBlock() override { form.reset(); }

    ScriptedMessages messages;
    std::unique_ptr<MainWindow> form;
};

TEST_F(LoginBlock, TabOrderFollowsTheRowsDownToLogin) {
    // The widgets a Tab can reach, in the window's focus chain from the
    // destination box.
    std::vector<QWidget*> reached;
    QWidget* widget = form->destinationAddressEdit_;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(form.get()) &&
            widget->isEnabled()) {
            reached.push_back(widget);
        }
        widget = widget->nextInFocusChain();
    } while (widget != form->destinationAddressEdit_ && reached.size() < 10);
    const std::vector<QWidget*> rows{form->destinationAddressEdit_, form->loginNameEdit_,
                                     form->passwordEdit_,           form->sourceAddressCombo_,
                                     form->communityEdit_,          form->loginButton_};
    ASSERT_GE(reached.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(reached[i], rows[i])
            << "position " << i << ": " << reached[i]->objectName().toStdString();
    }

    // And the Tab key itself moves along that order.
    form->activateWindow();
    form->destinationAddressEdit_->setFocus();
    for (std::size_t i = 1; i < rows.size(); ++i) {
        QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(form->focusWidget(), rows[i]) << "after Tab number " << i;
    }
    // From "Login" it comes round to the destination box, never reaching
    // "Log out" below the window's edge; Shift+Tab goes the same way back.
    const std::vector<QWidget*> round{form->destinationAddressEdit_, form->loginNameEdit_,
                                      form->passwordEdit_,           form->sourceAddressCombo_,
                                      form->communityEdit_,          form->loginButton_};
    EXPECT_EQ(TabRound(*form), round);
    const std::vector<QWidget*> back{form->communityEdit_,          form->sourceAddressCombo_,
                                     form->passwordEdit_,           form->loginNameEdit_,
                                     form->destinationAddressEdit_, form->loginButton_};
    EXPECT_EQ(TabRound(*form, true), back);
}

TEST_F(LoginBlock, EnterInEveryFieldPressesLogin) {
    // With the boxes empty "Login" answers with its field check, which
    // shows that the key reached it.
    QWidget* fields[] = {form->destinationAddressEdit_, form->loginNameEdit_, form->passwordEdit_,
                         form->sourceAddressCombo_, form->communityEdit_};
    const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Enter};
    std::size_t expected = 0;
    for (QWidget* field : fields) {
        for (const Qt::Key key : keys) {
            QTest::keyClick(field, key);
            ++expected;
            ASSERT_EQ(messages.boxes.size(), expected) << field->objectName().toStdString();
            EXPECT_EQ(messages.boxes.back().text, "Please fill in all fields");
            EXPECT_EQ(messages.boxes.back().caption, "Error");
        }
    }
    // Other keys are typing, not a login.
    QTest::keyClicks(form->destinationAddressEdit_, "10.0.0.1");
    EXPECT_EQ(form->destinationAddressEdit_->text(), "10.0.0.1");
    EXPECT_EQ(messages.boxes.size(), expected);

    // A disabled "Login" (a login under way) is not pressed by Enter.
    form->loginButton_->setEnabled(false);
    QTest::keyClick(form->passwordEdit_, Qt::Key_Return);
    EXPECT_EQ(messages.boxes.size(), expected);
}

TEST_F(LoginBlock, EveryButtonWithoutAWordOnItsFaceHasAnAccessibleName) {
    int fieldButtons = 0;
    for (QAbstractButton* button : form->findChildren<QAbstractButton*>()) {
        // The corner button of an item view without row headers is never
        // shown.
        if (button->isHidden() && qobject_cast<QAbstractItemView*>(button->parentWidget())) {
            continue;
        }
        const QString object = button->objectName();
        QString face = button->text();
        face.remove(QLatin1Char('&'));
        if ((face == QLatin1String("?") || face == QLatin1String("OK")) &&
            qobject_cast<QToolButton*>(button)) {
            ++fieldButtons;
            EXPECT_EQ(button->accessibleName().toStdString(),
                      FieldButtonAccessibleName(object.toStdString()))
                << object.toStdString();
        }
        // What a screen reader says: the accessible name, else the face. It
        // must be more than a symbol or a bare "OK".
        const QString spoken = button->accessibleName().isEmpty() ? face : button->accessibleName();
        qsizetype letters = 0;
        for (const QChar c : spoken) {
            letters += c.isLetter() ? 1 : 0;
        }
        EXPECT_GE(letters, 3) << button->metaObject()->className() << " \"" << object.toStdString()
                              << "\" (parent " << button->parent()->metaObject()->className()
                              << ") would be read as \"" << spoken.toStdString() << "\"";
    }
    // Every help and change button of every page is in the window.
    EXPECT_EQ(fieldButtons, static_cast<int>(AllFieldButtons().size()));
    for (const FieldButton& entry : AllFieldButtons()) {
        const auto* button = form->findChild<QToolButton*>(
            QString::fromLatin1(entry.button.data(), static_cast<qsizetype>(entry.button.size())));
        ASSERT_NE(button, nullptr) << entry.button;
        EXPECT_FALSE(button->accessibleDescription().isEmpty()) << entry.button;
    }
}

// Enter against the lab router: the whole login from the keyboard.
class LoginByKeyboard : public test::LoggedInWindow {
  protected:
    LoginByKeyboard()
        : LoggedInWindow(
              {.arguments = {"--password", "kbd-Secret7"}, .readAround = test::WithoutTables}) {}
    void SetUp() override { StartWithoutLogin(); }
};

TEST_F(LoginByKeyboard, EnterInThePasswordBoxLogsIn) {
    QTest::keyClicks(form->destinationAddressEdit_, "127.0.0.1");
    QTest::keyClicks(form->loginNameEdit_, "admin");
    QTest::keyClicks(form->communityEdit_, "public");
    QTest::keyClicks(form->passwordEdit_, "kbd-Secret7");
    QTest::keyClick(form->passwordEdit_, Qt::Key_Return);
    // The probe ran and the console is opening: a second Enter finds
    // "Login" disabled and starts nothing over.
    EXPECT_FALSE(form->loginButton_->isEnabled());
    QTest::keyClick(form->passwordEdit_, Qt::Key_Return);
    EXPECT_TRUE(WaitManaged()) << "the login did not complete";
    for (const auto& box : messages.boxes) {
        ADD_FAILURE() << box.caption.toStdString() << ": " << box.text.toStdString();
    }
    const test::RouterLog log = Log();
    EXPECT_EQ(log.Count("console-connect"), 1u);
    const std::vector<std::string> lines = log.ConsoleLines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "1");
    EXPECT_EQ(lines[1], "admin");
    EXPECT_EQ(lines[2], "kbd-Secret7");

    // The managed layout's buttons along the bottom are reached by Tab.
    form->activateWindow();
    form->logOutButton_->setFocus();
    const std::vector<QWidget*> managed = TabRound(*form);
    for (QWidget* button :
         {static_cast<QWidget*>(form->saveAllButton_),
          static_cast<QWidget*>(form->refreshAllButton_), static_cast<QWidget*>(form->quitButton_),
          static_cast<QWidget*>(form->logOutButton_)}) {
        EXPECT_NE(std::find(managed.begin(), managed.end(), button), managed.end())
            << button->objectName().toStdString();
    }
    // Back in the login layout only the login block is.
    form->ResetToLoginLayout();
    EXPECT_EQ(form->focusWidget(), form->destinationAddressEdit_);
    EXPECT_EQ(TabRound(*form).size(), 6u);
}

}  // namespace
}  // namespace tessel
