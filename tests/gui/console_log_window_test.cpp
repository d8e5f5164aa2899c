// The "Console log" window over a log fed by hand: its rows follow the
// bounded log, the filter, the marks and the opener's unread count, the saved
// file, and the size and place it keeps between runs.

#include "app/console_log_window.hpp"
#include "app/console_log_button.hpp"
#include "app/console_log_model.hpp"
#include "core/session/console_log.hpp"
#include "core/session/trace.hpp"
#include "scripted_file_dialogs.hpp"

#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include <string>

namespace tessel {
namespace {

using std::chrono::milliseconds;

class ConsoleLogWindowTest : public ::testing::Test {
  protected:
    // A refused change: the command, its echo, the router's word on it
    // (marked) and the prompt.
    void RefusedChange(milliseconds time) {
        log.Sent(time, "sys name x", ReplyCode::System);
        log.Received(time, "sys name x\r\nError: name too short\r\nlab-1> ", ReplyCode::System);
        window.EntriesAdded();
    }
    void Lines(int count, const std::string& text) {
        for (int i = 0; i < count; ++i) {
            log.Event(milliseconds(i), ConsoleLogKind::Connection, text + std::to_string(i));
        }
        window.EntriesAdded();
    }
    QString Cell(int row, int column) const {
        return window.Rows()->index(row, column).data().toString();
    }
    int Rows() const { return window.Rows()->rowCount(); }

    QTemporaryDir folder;
    ConsoleLog log{5};
    ConsoleLogWindow window{log, nullptr, folder.filePath("windows.ini")};
    // The main window's stand-in, which holds the opener.
    QWidget host;
    ConsoleLogButton& button = *new ConsoleLogButton(window, &host);
};

TEST_F(ConsoleLogWindowTest, RowsShowEachLineWithItsTimeAndMarkAndFollowTheBoundedLog) {
    RefusedChange(milliseconds(3'723'004));
    ASSERT_EQ(Rows(), 4);
    EXPECT_EQ(Cell(0, ConsoleLogModel::TimeColumn), "01:02:03.004");
    EXPECT_EQ(Cell(0, ConsoleLogModel::KindColumn), "sent");
    EXPECT_EQ(Cell(0, ConsoleLogModel::TextColumn), "sys name x");
    const QModelIndex error = window.Rows()->index(2, ConsoleLogModel::TextColumn);
    EXPECT_EQ(error.data().toString(), "Error: name too short");
    EXPECT_EQ(Cell(2, ConsoleLogModel::MarkColumn), "!");
    EXPECT_TRUE(error.data(Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(window.Rows()->index(3, 3).data(Qt::FontRole).value<QFont>().bold());

    // The log keeps five lines: the oldest rows go, whether the window hears
    // of every line or of several at once.
    log.Event(milliseconds(1), ConsoleLogKind::Connection, "closed");
    window.EntriesAdded();
    Lines(3, "line ");
    ASSERT_EQ(Rows(), 5);
    EXPECT_EQ(Cell(0, 3), "lab-1> ");
    EXPECT_EQ(Cell(4, 3), "line 2");
    Lines(12, "more ");
    ASSERT_EQ(Rows(), 5);
    EXPECT_EQ(Cell(0, 3), "more 7");
    window.Clear();
    EXPECT_EQ(Rows(), 0);
    Lines(2, "after ");
    ASSERT_EQ(Rows(), 2);
    EXPECT_EQ(Cell(1, 3), "after 1");
}

TEST_F(ConsoleLogWindowTest, TheFilterKeepsMatchingLinesAsTheyCome) {
    RefusedChange(milliseconds(1));
    window.FilterBox->setText("ERROR: NAME");
    ASSERT_EQ(Rows(), 1);
    EXPECT_EQ(Cell(0, 3), "Error: name too short");
    // Lines that come while it filters are judged as they come, also as the
    // oldest go.
    Lines(2, "error: name ");
    Lines(1, "unrelated ");
    ASSERT_EQ(Rows(), 3);
    EXPECT_EQ(Cell(2, 3), "error: name 1");
    Lines(3, "unrelated ");
    EXPECT_EQ(Rows(), 1);
    window.FilterBox->clear();
    EXPECT_EQ(Rows(), 5);
}

TEST_F(ConsoleLogWindowTest, TheOpenerCountsUnseenMarksUntilTheLogIsOpened) {
    EXPECT_EQ(button.text(), "Console log");
    RefusedChange(milliseconds(1));
    RefusedChange(milliseconds(2));
    EXPECT_EQ(button.text(), "Console log (2)");
    EXPECT_TRUE(button.font().bold());

    button.click();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "Console log");
    EXPECT_FALSE(window.isModal());
    EXPECT_EQ(log.Unread(), 0u);
    EXPECT_EQ(button.text(), "Console log");
    EXPECT_FALSE(button.font().bold());
    // What comes while the log is open is seen as it comes.
    RefusedChange(milliseconds(3));
    EXPECT_EQ(button.text(), "Console log");

    window.hide();
    RefusedChange(milliseconds(4));
    EXPECT_EQ(button.text(), "Console log (1)");
    // Ctrl+L in the button's window opens it too.
    host.show();
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    QTest::keyClick(&host, Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(button.text(), "Console log");
}

TEST_F(ConsoleLogWindowTest, SaveWritesTheWholeLogAsUtf8WithoutThePassword) {
    log.SetSecret("s3cret");
    log.Received(milliseconds(1), "Password: ", ReplyCode::SendPassword);
    log.Sent(milliseconds(2), "s3cret", ReplyCode::SkipAfterPassword, true);
    log.Received(milliseconds(3), "s3cret\r\n", ReplyCode::SkipAfterPassword);
    log.Received(milliseconds(4), "Bienvenue \xe0 lab-1\r\n", ReplyCode::AwaitAccept);
    window.EntriesAdded();
    window.FilterBox->setText("bienvenue");  // the file holds every line

    test::ScriptedFileDialogs dialogs;
    dialogs.path = folder.filePath("log.txt");
    window.SaveButton->click();
    ASSERT_EQ(dialogs.asked, 1);
    EXPECT_TRUE(dialogs.failures.isEmpty());
    QFile file(dialogs.path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    EXPECT_EQ(saved.toStdString(), log.SaveText());
    EXPECT_TRUE(saved.contains("received  Bienvenue \xc3\xa0 lab-1\n"));
    EXPECT_EQ(saved.count(QByteArray(MaskedSecret.data(), MaskedSecret.size())), 2);
    EXPECT_FALSE(saved.contains("s3cret"));

    dialogs.path = folder.path();  // a folder cannot become the file
    window.SaveLog();
    ASSERT_EQ(dialogs.failures.size(), 1);
    EXPECT_TRUE(dialogs.failures[0].startsWith("Error|Could not save "));
}

TEST_F(ConsoleLogWindowTest, SizeAndPlaceAreKeptForTheNextRun) {
    window.Open();
    window.setGeometry(140, 120, 640, 310);
    window.close();
    ConsoleLog other;
    ConsoleLogWindow next(other, nullptr, folder.filePath("windows.ini"));
    EXPECT_EQ(next.geometry(), QRect(140, 120, 640, 310));
}

TEST(ConsoleLogWindowLong, TwentyThousandLinesKeepTheSelectionAndFollowTheNewest) {
    QTemporaryDir folder;
    ConsoleLog log;
    ConsoleLogWindow window(log, nullptr, folder.filePath("windows.ini"));
    window.Open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    constexpr int Lines = static_cast<int>(ConsoleLog::DefaultCapacity) + 500;
    for (int line = 0; line < Lines; ++line) {
        log.Event(milliseconds(line), ConsoleLogKind::Connection, "line " + std::to_string(line));
        if (line % 10 == 9) {
            window.EntriesAdded();
        }
        if (line == 1000) {
            window.View->setCurrentIndex(window.Rows()->index(700, 3));
        }
    }
    QTest::qWait(20);
    const int rows = window.Rows()->rowCount();
    ASSERT_EQ(rows, static_cast<int>(ConsoleLog::DefaultCapacity));
    EXPECT_EQ(window.Rows()->index(0, 3).data().toString(), "line 500");
    // The rows were appended, not rebuilt: the line the operator chose is
    // still the current one, 500 rows further up now.
    EXPECT_EQ(window.View->currentIndex().row(), 200);
    EXPECT_EQ(window.View->currentIndex().data().toString(), "line 700");
    const QScrollBar* bar = window.View->verticalScrollBar();
    EXPECT_EQ(bar->value(), bar->maximum());

    // Scrolled up to read, the view stays where it is as lines come.
    window.View->scrollToTop();
    log.Event(milliseconds(1), ConsoleLogKind::Connection, "newest");
    window.EntriesAdded();
    QTest::qWait(20);
    EXPECT_EQ(bar->value(), 0);
}

}  // namespace
}  // namespace tessel
