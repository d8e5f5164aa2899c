// The console log of the real window, fed by a session with the lab router:
// a setting the router takes leaves nothing unread, one it refuses is marked
// and counted on the opener until Ctrl+L opens the log, and the login's
// password shows in no entry and in no saved log.

#include "app/console_log_button.hpp"
#include "app/console_log_window.hpp"
#include "core/session/console_log.hpp"
#include "logged_in_window.hpp"
#include "scripted_file_dialogs.hpp"
#include "views/system/system_page.hpp"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>

namespace tessel {
namespace {

constexpr const char* Password = "Kz7-pass";

class ConsoleLogSession : public test::LoggedInWindow {
  protected:
    ConsoleLogSession() : LoggedInWindow({.arguments = {"--password", Password}}) {}
    void SetUp() override { StartWithoutLogin(); }

    const ConsoleLog& Log() { return form->Controller().Log(); }

    // Types text into a row of the system page and sends it.
    void SendSystemRow(QLineEdit* edit, QToolButton* send, const QString& text) {
        TypeInto(edit, text);
        send->click();
        ASSERT_TRUE(WaitIdle());
    }
};

TEST_F(ConsoleLogSession, ARefusalIsMarkedUntilSeenAndThePasswordShowsNowhere) {
    // Ctrl+L opens the log from the login layout too, where its opener lies
    // outside the small window.
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(form->ConsoleLogView()->isVisible());
    form->ConsoleLogView()->close();
    ClickLogin(QStringLiteral("admin"), QString::fromLatin1(Password));
    ASSERT_TRUE(WaitManaged());
    ASSERT_TRUE(WaitIdle());

    // The opener is in sight and covers nothing, the popup's place included.
    const QRect opener = form->LogButton->geometry();
    EXPECT_TRUE(form->centralWidget()->rect().contains(opener));
    for (const QWidget* other : std::initializer_list<const QWidget*>{
             form->pageTabs_, form->statusPopupMemo_, form->logOutButton_, form->saveAllButton_,
             form->refreshAllButton_, form->quitButton_}) {
        EXPECT_FALSE(opener.intersects(other->geometry())) << other->objectName().toStdString();
    }
    auto* page = Find<SystemPage>("system");
    SendSystemRow(page->systemLocationEdit_, page->SystemChangeButtons[1],
                  QStringLiteral("Pump house"));
    EXPECT_EQ(Log().Unread(), 0u) << "a setting the router took is no news";
    SendSystemRow(page->systemNameEdit_, page->SystemChangeButtons[0],
                  QString(65, QLatin1Char('n')));

    const auto& entries = Log().Entries();
    const auto refusal = std::find_if(entries.begin(), entries.end(), [](const auto& entry) {
        return entry.text.starts_with("Error: sys name");
    });
    ASSERT_NE(refusal, entries.end());
    EXPECT_EQ(refusal->kind, ConsoleLogKind::Received);
    EXPECT_TRUE(refusal->marked);
    EXPECT_EQ(form->LogButton->text(), "Console log (1)");
    EXPECT_TRUE(form->LogButton->font().bold());

    const auto masked = std::count_if(entries.begin(), entries.end(), [](const auto& entry) {
        return entry.kind == ConsoleLogKind::Sent && entry.text == "********";
    });
    EXPECT_EQ(masked, 1) << "the dialogue's password line";
    for (const ConsoleLogEntry& entry : entries) {
        EXPECT_EQ(entry.text.find(Password), std::string::npos) << entry.text;
    }
    const QTemporaryDir dir;
    test::ScriptedFileDialogs dialogs;
    dialogs.path = dir.filePath(QStringLiteral("console.txt"));
    form->ConsoleLogView()->SaveButton->click();
    QFile saved(dialogs.path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray text = saved.readAll();
    EXPECT_TRUE(text.contains("Error: sys name"));
    EXPECT_FALSE(text.contains(Password));

    form->LogButton->click();
    EXPECT_TRUE(form->ConsoleLogView()->isVisible());
    EXPECT_EQ(form->LogButton->text(), "Console log");
    EXPECT_EQ(Log().Unread(), 0u);
}

}  // namespace
}  // namespace tessel
