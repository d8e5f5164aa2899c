// The real window logged in to the lab router, a child process on free
// loopback ports: the login from the form and from the command line, the
// dialogue's lines, the managed layout, the counts and the error limit,
// logout, "Save all", and the router closing the connection.

#include "app/recent_routers_box.hpp"
#include "core/session/console_log.hpp"
#include "core/session/status_texts.hpp"
#include "core/snmp/snmp_client.hpp"
#include "fake_console.hpp"
#include "fire_timer.hpp"
#include "logged_in_window.hpp"
#include "widgets/application_title.hpp"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace tessel {
namespace {

using test::FireTimer;
using test::LoggedInWindow;
using test::WithoutTables;

constexpr const char* SysNameOid = "1.3.6.1.2.1.1.5.0";

// Each test starts the router and opens the window itself, with the
// router's options and the login it needs.
class SimSession : public LoggedInWindow {
  protected:
    SimSession() : LoggedInWindow({.readAround = WithoutTables}) {}
    void SetUp() override {}

    // The real client, with a switch that makes every exchange fail at once
    // (a silent router would cost the full time-out per read).
    SnmpTransport Transport() override {
        return {[this, port = SnmpPort()](const std::string& oid, const std::string& community,
                                          const std::string& host, std::string& value) {
                    value.clear();
                    return !failSnmp && SnmpGetValue(oid, community, host, port, value);
                },
                [this, port = SnmpPort()](std::string& oid, const std::string& community,
                                          const std::string& host, std::string& value) {
                    value.clear();
                    return !failSnmp && SnmpGetNextValue(oid, community, host, port, value);
                }};
    }

    // A value read from the router past the window.
    bool RouterGet(const std::string& oid, std::string& value) const {
        return SnmpGetValue(oid, "public", "127.0.0.1", SnmpPort(), value);
    }

    std::string RouterName() const {
        std::string name;
        RouterGet(SysNameOid, name);
        return name;
    }

    QTimer* Timer(int number) const {
        return form->findChild<QTimer*>(QStringLiteral("Timer%1").arg(number));
    }

    std::vector<int> RunningTimers() const {
        std::vector<int> running;
        for (int i = 1; i <= 12; ++i) {
            if (const QTimer* timer = Timer(i); timer != nullptr && timer->isActive()) {
                running.push_back(i);
            }
        }
        return running;
    }

    // Status panel 2 as it reads after `sent` requests with that many
    // failures in all and in a row.
    static QString Counts(long sent, long errors, long row) {
        return QStringLiteral("SNMP| Sent: %1/ Errors: %2/Row: %3").arg(sent).arg(errors).arg(row);
    }
    // Requests counted so far: the probe plus the load's reads of every page.
    long Sent() const { return form->CurrentSession().Accounting().Sent(); }

    bool failSnmp = false;
};

TEST_F(SimSession, LoginFromTheFormSendsTheDialogueAndSwitchesLayout) {
    StartRouter();
    OpenWindow();
    ClickLogin();
    ASSERT_TRUE(WaitManaged());
    ASSERT_TRUE(Received("arp view"));
    const auto lines = ConsoleLines();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 4),
              (std::vector<std::string>{"1", "admin", "admin", "arp view"}));

    const QString title = QString::fromLatin1(RouterName()) + ": 127.0.0.1 - Tessel Manager";
    EXPECT_FALSE(RouterName().empty());
    EXPECT_EQ(form->windowTitle(), title);
    EXPECT_EQ(ApplicationTitle(), title);
    EXPECT_EQ(form->size(), QSize(707, 564));
    EXPECT_TRUE(form->pageTabs_->isVisible());
    EXPECT_TRUE(form->statusBar()->isVisible());
    for (QWidget* shown :
         {static_cast<QWidget*>(form->quitButton_), static_cast<QWidget*>(form->refreshAllButton_),
          static_cast<QWidget*>(form->saveAllButton_),
          static_cast<QWidget*>(form->logOutButton_)}) {
        EXPECT_TRUE(shown->isVisible()) << shown->objectName().toStdString();
    }
    for (QWidget* hidden :
         {static_cast<QWidget*>(form->destinationAddressEdit_),
          static_cast<QWidget*>(form->loginButton_), static_cast<QWidget*>(form->loginProgressBar_),
          static_cast<QWidget*>(form->destinationAddressLabel_)}) {
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    }
    EXPECT_EQ(form->loginProgressBar_->value(), 100);
    EXPECT_TRUE(form->CurrentSession().SessionLoaded);
    EXPECT_EQ(form->CurrentSession().RouterHost, "127.0.0.1");
    EXPECT_TRUE(Timer(1)->isActive());
    EXPECT_TRUE(Timer(8)->isActive());
    // The ARP reply ends its reply code.
    EXPECT_TRUE(WaitIdle());
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(SimSession, CountsUptimeAndCpuLoadReachTheStatusBar) {
    StartRouter();
    OpenWindow();
    ClickLogin();
    ASSERT_TRUE(WaitManaged());
    // The probe and the load's reads, all answered.
    const long loaded = Sent();
    EXPECT_GT(loaded, 2);
    EXPECT_EQ(form->PanelText(2), Counts(loaded, 0, 0));
    // The router's clock may tick between these reads: either text will do.
    std::string before;
    std::string after;
    ASSERT_TRUE(RouterGet("1.3.6.1.2.1.1.3.0", before));
    ASSERT_TRUE(FireTimer(Timer(1)));
    ASSERT_TRUE(RouterGet("1.3.6.1.2.1.1.3.0", after));
    const std::string uptime = form->PanelText(0).toStdString();
    EXPECT_TRUE(uptime == UptimeText(before) || uptime == UptimeText(after)) << uptime;
    ASSERT_TRUE(FireTimer(Timer(8)));
    std::string load;
    ASSERT_TRUE(RouterGet("1.3.6.1.4.1.3942.1.1.3.6.0", load));
    EXPECT_FALSE(load.empty());
    EXPECT_EQ(form->PanelText(1).toStdString(), CpuLoadText(load));
    EXPECT_EQ(form->PanelText(2), Counts(loaded + 2, 0, 0));

    failSnmp = true;
    ASSERT_TRUE(FireTimer(Timer(8)));
    EXPECT_EQ(form->PanelText(1), "CPU load:  %");
    EXPECT_EQ(form->PanelText(2), Counts(loaded + 3, 1, 1));
    ASSERT_TRUE(FireTimer(Timer(1)));
    EXPECT_EQ(form->PanelText(0), "Sys uptime: ");
    EXPECT_EQ(form->PanelText(2), Counts(loaded + 4, 2, 2));

    // The widest texts each panel gets in a long session show whole in the
    // managed window: the uptime just short of where the 32-bit TimeTicks
    // wrap (497 days), the CPU load at 100 %, ten million reads with the row
    // one short of the limit.
    Timer(1)->stop();
    Timer(8)->stop();
    QLabel* panels[3];
    for (int i = 0; i < 3; ++i) {
        panels[i] = form->findChild<QLabel*>(QStringLiteral("StatusBar1Panel%1").arg(i));
        ASSERT_NE(panels[i], nullptr);
    }
    const std::int64_t longestUptime = (496 * 86400 + 23 * 3600 + 59 * 60 + 59) * 100LL;
    panels[0]->setText(QString::fromStdString(UptimeTextFromTicks(longestUptime)));
    panels[1]->setText(QString::fromStdString(CpuLoadText("100")));
    form->RequestCountsChanged(9999999, 999999, 20);
    ASSERT_TRUE(QTest::qWaitFor([&] { return panels[2]->text() == Counts(9999999, 999999, 20); }));
    ASSERT_EQ(form->size(), QSize(707, 564));
    for (int i = 0; i < 3; ++i) {
        const QLabel* panel = panels[i];
        // A framed label starts its text half an "x" in from the frame.
        const QFontMetrics metrics = panel->fontMetrics();
        const int indent = panel->indent() >= 0 ? panel->indent()
                                                : metrics.horizontalAdvance(QLatin1Char('x')) / 2;
        EXPECT_GE(panel->contentsRect().width() - indent - 2 * panel->margin(),
                  metrics.horizontalAdvance(panel->text()))
            << "panel " << i << " cuts \"" << panel->text().toStdString() << "\"";
        const QRect inWindow(panel->mapTo(form.get(), QPoint(0, 0)), panel->size());
        EXPECT_TRUE(form->rect().contains(inWindow))
            << "panel " << i << " at " << inWindow.x() << "+" << inWindow.width();
    }
}

TEST_F(SimSession, LoginFromTheCommandLineNeedsNoClick) {
    StartRouter();
    OpenWindow(
        "/usr/bin/tessel-manager --host=127.0.0.1 --login=admin --password=admin "
        "--community=public");
    EXPECT_EQ(form->destinationAddressEdit_->text(), "127.0.0.1");
    EXPECT_EQ(form->communityEdit_->text(), "public");
    ASSERT_TRUE(WaitManaged());
    EXPECT_EQ(form->CurrentSession().SnmpCommunity, "public");
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(SimSession, WrongPasswordIsReportedThenTheRightOneGetsIn) {
    StartRouter();
    OpenWindow();
    ClickLogin("admin", "wrong");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return form->loginStatusLabel_->text() == "Invalid login or password. Try again"; },
        Patience));
    EXPECT_TRUE(form->loginButton_->isEnabled());
    EXPECT_FALSE(form->IsManagedLayout());
    const auto refused = ConsoleLines();
    ASSERT_GE(refused.size(), 3u);
    EXPECT_EQ(refused[2], "wrong");

    ClickLogin("admin", "admin");
    ASSERT_TRUE(WaitManaged());
    EXPECT_TRUE(Received("arp view"));
}

TEST_F(SimSession, ARefusedPasswordGoesOutThreeTimesPerPressThenTheWindowStaysUsable) {
    // A router that would bear five failures on one connection: the window
    // gives up first, closes, and says why.
    StartRouter({"--lockout-after", "5"});
    OpenWindow();
    for (std::size_t press = 1; press <= 2; ++press) {
        ClickLogin("admin", "wrong");
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return Log().Count("console-disconnect") == press &&
                       form->loginButton_->isEnabled();
            },
            Patience));
        const auto lines = ConsoleLines();
        EXPECT_EQ(static_cast<std::size_t>(std::count(lines.begin(), lines.end(), "wrong")),
                  3 * press);
        EXPECT_EQ(form->loginStatusLabel_->text(), "Invalid login or password. Try again");
    }
    ClickLogin();
    ASSERT_TRUE(WaitManaged());
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(SimSession, OnlyAnAcceptedLoginIsRememberedAndNeverItsPassword) {
    QFile::remove(RecentRoutersPath());
    StartRouter({"--login", "oper", "--password", "s3cret"});
    OpenWindow();
    ClickLogin("oper", "wrong");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return form->loginStatusLabel_->text() == "Invalid login or password. Try again"; },
        Patience));
    EXPECT_FALSE(QFile::exists(RecentRoutersPath()));

    ClickLogin("oper", "s3cret");
    ASSERT_TRUE(WaitManaged());
    EXPECT_EQ(LoadRecentRouters(RecentRoutersPath()),
              (RecentRouters{{"127.0.0.1", "oper", "public"}}));
    QFile file(RecentRoutersPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("s3cret"));

    // Logging out leaves the login block as before: nothing is filled in
    // from the list until the operator chooses.
    messages.answers = {true};
    form->logOutButton_->click();
    EXPECT_EQ(form->communityEdit_->text(), "tarnel");
    EXPECT_TRUE(form->loginNameEdit_->text().isEmpty());
}

TEST_F(SimSession, LogoutAsksAndOnYesReturnsToTheLoginLayout) {
    StartRouter();
    OpenWindow();
    ClickLogin();
    ASSERT_TRUE(WaitManaged());

    messages.answers = {false};
    form->logOutButton_->click();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "Are you sure you want to log out?");
    EXPECT_EQ(messages.boxes[0].caption, "Warning");
    EXPECT_TRUE(form->IsManagedLayout());
    EXPECT_EQ(form->Console().Socket()->state(), QAbstractSocket::ConnectedState);

    messages.answers = {true};
    form->logOutButton_->click();
    EXPECT_FALSE(form->IsManagedLayout());
    EXPECT_EQ(form->size(), QSize(269, 340));
    EXPECT_EQ(form->windowTitle(), "Tessel Manager - Login");
    EXPECT_EQ(form->communityEdit_->text(), "tarnel");
    EXPECT_TRUE(form->destinationAddressEdit_->text().isEmpty());
    EXPECT_TRUE(form->loginNameEdit_->text().isEmpty());
    EXPECT_TRUE(form->passwordEdit_->text().isEmpty());
    EXPECT_FALSE(form->pageTabs_->isVisible());
    EXPECT_FALSE(form->statusBar()->isVisible());
    EXPECT_FALSE(Timer(1)->isActive());
    EXPECT_FALSE(Timer(8)->isActive());
    EXPECT_EQ(form->Console().Socket()->state(), QAbstractSocket::UnconnectedState);
    EXPECT_EQ(form->Console().Code(), ReplyCode::Disconnected);
    EXPECT_TRUE(form->loginButton_->isEnabled());
}

TEST_F(SimSession, ASecondLoginStartsTheCountsAfresh) {
    StartRouter();
    OpenWindow();
    ClickLogin();
    ASSERT_TRUE(WaitManaged());
    const long loaded = Sent();
    failSnmp = true;
    FireTimer(Timer(8));
    FireTimer(Timer(8));
    EXPECT_EQ(form->PanelText(2), Counts(loaded + 2, 2, 2));
    failSnmp = false;
    messages.answers = {true};
    form->logOutButton_->click();
    ASSERT_FALSE(form->IsManagedLayout());

    ClickLogin();
    ASSERT_TRUE(WaitManaged());
    EXPECT_EQ(form->PanelText(2), Counts(loaded, 0, 0));
}

TEST_F(SimSession, SaveAllSendsTheLineWithoutThePopup) {
    StartRouter();
    OpenWindow();
    ClickLogin();
    ASSERT_TRUE(WaitManaged());
    ASSERT_TRUE(WaitIdle());
    const ReplyCode state = form->Console().Code();
    form->saveAllButton_->click();
    EXPECT_TRUE(Received("co save"));
    EXPECT_FALSE(form->statusPopupMemo_->isVisible());
    EXPECT_EQ(form->Console().Code(), state);
}

// The error limit: 20 failures in a row are borne, the 21st asks.
class ErrorLimit : public SimSession {
  protected:
    void LogInAndFail(int reads) {
        StartRouter();
        OpenWindow();
        ClickLogin();
        ASSERT_TRUE(WaitManaged());
        loaded = Sent();
        failSnmp = true;
        for (int i = 0; i < reads; ++i) {
            std::string value;
            form->CurrentSession().GetCounted(SysNameOid, value);
        }
    }
    long loaded = 0;  // requests counted by the end of the load
};

TEST_F(ErrorLimit, TwentyFailuresAskNothing) {
    LogInAndFail(20);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(form->PanelText(2), Counts(loaded + 20, 20, 20));
    EXPECT_TRUE(Timer(1)->isActive());
}

TEST_F(ErrorLimit, NoRestartsOnlyTheTimersThatRan) {
    LogInAndFail(20);
    const std::vector<int> before = RunningTimers();
    EXPECT_FALSE(Timer(12)->isActive());
    messages.answers = {false};
    ASSERT_TRUE(FireTimer(Timer(8)));  // the 21st failure
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "Too many errors in a row. Quit?");
    EXPECT_EQ(messages.boxes[0].caption, "Warning");
    EXPECT_EQ(form->PanelText(2), Counts(loaded + 21, 21, 0));
    EXPECT_EQ(RunningTimers(), before);
    EXPECT_TRUE(form->IsManagedLayout());
    // The console log has each failed read by its object, then the question
    // and the answer.
    std::vector<std::string> failed;
    std::vector<std::string> limit;
    for (const ConsoleLogEntry& entry : form->Controller().Log().Entries()) {
        if (entry.kind == ConsoleLogKind::SnmpFailure &&
            entry.text.find(SysNameOid) != std::string::npos) {
            failed.push_back(entry.text);
        }
        if (entry.kind == ConsoleLogKind::ErrorLimit) {
            limit.push_back(entry.text);
        }
    }
    EXPECT_EQ(failed.size(), 20u);
    EXPECT_EQ(limit, (std::vector<std::string>{"asked: Too many errors in a row. Quit?",
                                               "answered No: the reads go on"}));
    // Reads go on.
    failSnmp = false;
    ASSERT_TRUE(FireTimer(Timer(8)));
    EXPECT_EQ(form->PanelText(2), Counts(loaded + 22, 21, 0));
}

TEST_F(ErrorLimit, YesEndsTheSessionAndSuspendsReads) {
    LogInAndFail(20);
    messages.answers = {true};
    ASSERT_TRUE(FireTimer(Timer(8)));  // the 21st failure
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(form->PanelText(2), Counts(loaded + 21, 21, 21));
    EXPECT_FALSE(form->IsManagedLayout());
    EXPECT_TRUE(RunningTimers().empty());
    EXPECT_EQ(form->Console().Socket()->state(), QAbstractSocket::UnconnectedState);

    failSnmp = false;
    std::string value = "as it was";
    form->CurrentSession().GetCounted(SysNameOid, value);
    EXPECT_EQ(value, "as it was");
    EXPECT_EQ(form->PanelText(2), Counts(loaded + 21, 21, 21));
}

TEST_F(ErrorLimit, YesDuringTheLoadStopsItInTheLoginLayout) {
    // The router answers the login's two probes, then only garbles: the
    // load's reads fail at once and the 21st asks.
    StartRouter({"--faults-after", "2", "--malformed-reply", "garbage"});
    OpenWindow();
    messages.answers = {true};
    ClickLogin();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.boxes.empty(); }, Patience));
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "Too many errors in a row. Quit?");
    QTest::qWait(50);  // anything the load left queued
    EXPECT_FALSE(form->IsManagedLayout());
    EXPECT_EQ(form->windowTitle(), "Tessel Manager - Login");
    EXPECT_EQ(form->size(), QSize(269, 340));
    EXPECT_FALSE(form->pageTabs_->isVisible());
    EXPECT_FALSE(form->statusBar()->isVisible());
    EXPECT_FALSE(form->loginProgressBar_->isVisible());
    EXPECT_TRUE(form->destinationAddressEdit_->isVisible());
    EXPECT_TRUE(form->loginButton_->isEnabled());
    EXPECT_TRUE(RunningTimers().empty());
    EXPECT_FALSE(form->CurrentSession().SessionLoaded);
    EXPECT_EQ(form->Console().Code(), ReplyCode::Disconnected);
    EXPECT_EQ(form->Console().Socket()->state(), QAbstractSocket::UnconnectedState);
}

// A router that falls silent after the login: each request waits out the
// client's time-out (shortened here) and the 21st failure in a row asks.
class SilentRouter : public LoggedInWindow {
  protected:
    void SetUp() override {}
    SnmpTransport Transport() override { return SnmpTransport::Client(SnmpPort(), 200); }
};

TEST_F(SilentRouter, YesDuringRefreshAllSendsNothingMoreAndOpensNoBox) {
    // The requests of a whole login, counted on a router that answers them.
    StartWithoutLogin();
    LogIn();
    const std::string login = std::to_string(SnmpRequestsFor(""));
    form.reset();
    StartRouter({"--faults-after", login, "--silent"});
    OpenWindow();
    LogIn();

    std::size_t atQuestion = 0;
    messages.onBox = [&] { atQuestion = SnmpRequestsFor(""); };
    messages.answers = {true};
    form->refreshAllButton_->click();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "Too many errors in a row. Quit?");
    EXPECT_FALSE(form->IsManagedLayout());
    EXPECT_EQ(form->windowTitle(), "Tessel Manager - Login");
    // Neither the timers nor anything left queued reads again.
    for (const char* name : {"Timer1", "Timer2", "Timer3", "Timer8", "Timer12"}) {
        FireTimer(form->findChild<QTimer*>(QLatin1String(name)));
    }
    QTest::qWait(500);
    EXPECT_EQ(SnmpRequestsFor(""), atQuestion);
    EXPECT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The router closing the connection is a disconnect, never a socket error.
TEST_F(SimSession, RouterClosingMidSessionLeavesTheProgramRunning) {
    StartRouter({"--close-after", "2"});
    OpenWindow();
    ClickLogin();
    ASSERT_TRUE(WaitManaged());
    form->saveAllButton_->click();  // the second command: the router hangs up after it
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return form->Console().Socket()->state() == QAbstractSocket::UnconnectedState; },
        Patience));
    EXPECT_EQ(form->Console().Code(), ReplyCode::Disconnected);
    EXPECT_EQ(form->CurrentSession().ConnectionState, ConnectionStates::Disconnected);
    EXPECT_TRUE(form->loginButton_->isEnabled());
    EXPECT_TRUE(form->IsManagedLayout());
    EXPECT_EQ(exitStatus, -1);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(SimSession, RouterClosingSilentlyAfterQuitLeavesTheWindowOpen) {
    test::FakeConsole console(test::FakeConsole::Ending::CloseSilentlyOnQuit);
    StartRouter({}, console.Port());
    OpenWindow();
    bool closed = false;
    QObject::connect(form.get(), &MainWindow::Closed, [&] { closed = true; });
    ClickLogin();
    ASSERT_TRUE(WaitManaged());
    ASSERT_TRUE(WaitIdle());
    form->quitButton_->click();
    EXPECT_EQ(form->Console().Code(), ReplyCode::Quit);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return form->Console().Socket()->state() == QAbstractSocket::UnconnectedState; },
        Patience));
    EXPECT_EQ(console.Lines().back(), "quit");
    EXPECT_EQ(form->Console().Code(), ReplyCode::Disconnected);
    EXPECT_TRUE(form->loginButton_->isEnabled());
    EXPECT_FALSE(closed);
    EXPECT_EQ(exitStatus, -1);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(SimSession, QuitAnsweredByTheRouterClosesTheWindow) {
    StartRouter();
    OpenWindow();
    bool closed = false;
    QObject::connect(form.get(), &MainWindow::Closed, [&] { closed = true; });
    ClickLogin();
    ASSERT_TRUE(WaitManaged());
    ASSERT_TRUE(WaitIdle());
    form->quitButton_->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return closed; }, Patience));
    EXPECT_TRUE(Received("quit"));
}

TEST_F(SimSession, RouterClosingAfterARefusedLoginLeavesTheProgramRunning) {
    test::FakeConsole console(test::FakeConsole::Ending::CloseAfterRefusal);
    StartRouter({}, console.Port());
    OpenWindow();
    ClickLogin("admin", "nope");
    ASSERT_TRUE(QTest::qWaitFor([&] { return console.Lines().size() >= 3; }, Patience));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->loginButton_->isEnabled(); }, Patience));
    EXPECT_EQ(form->Console().Code(), ReplyCode::Disconnected);
    EXPECT_EQ(console.Lines()[2], "nope");
    EXPECT_EQ(exitStatus, -1);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(SimSession, ASecondLoginClosesTheOpenConnectionFirst) {
    StartRouter();
    OpenWindow();
    ClickLogin("admin", "wrong");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return form->Console().Socket()->state() == QAbstractSocket::ConnectedState; },
        Patience));
    form->loginButton_->setEnabled(true);
    ClickLogin();
    ASSERT_TRUE(WaitManaged());
    EXPECT_EQ(Log().Count("console-connect"), 2u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Log().Count("console-disconnect") >= 1; }, Patience));
}

}  // namespace
}  // namespace tessel
