// The window on its own, with a scripted SNMP transport: layouts, captions,
// the login checks that come before any connection, the popup and the
// console-line guard.

#include "app/form1.hpp"
#include "app/interface_info_window.hpp"
#include "app/process_exit.hpp"
#include "core/console/help_texts.hpp"
#include "fire_timer.hpp"
#include "scripted_messages.hpp"
#include "widgets/application_title.hpp"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace tessel {
namespace {

using test::ScriptedMessages;

struct ProbeLog {
    std::vector<std::string> hosts;
    std::vector<std::string> communities;
    std::deque<bool> outcomes;  // empty: every probe fails
};

SnmpTransport Scripted(ProbeLog& log) {
    return {[&log](const std::string&, const std::string& community, const std::string& host,
                   std::string& value) {
                log.hosts.push_back(host);
                log.communities.push_back(community);
                const bool ok = !log.outcomes.empty() && log.outcomes.front();
                if (!log.outcomes.empty()) {
                    log.outcomes.pop_front();
                }
                value = ok ? "12" : "";
                return ok;
            },
            [](std::string&, const std::string&, const std::string&, std::string& value) {
                value.clear();
                return false;
            }};
}

// The next widget that the Tab key reaches from widget.
QWidget* NextTabStop(QWidget* widget) {
    QWidget* next = widget->nextInFocusChain();
    while (next != widget && !(next->focusPolicy() & Qt::TabFocus)) {
        next = next->nextInFocusChain();
    }
    return next;
}

class Window : public ::testing::Test {
  protected:
    Window() : form(Scripted(probes)) {
        // Nothing here may end the test process.
        SetEndProcessFunction([this](int status) { exitStatus = status; });
        form.FormCreate("tessel-manager");
    }
    ~Window() override { SetEndProcessFunction({}); }

    void FillLogin(const QString& host, const QString& login, const QString& password) {
        form.destinationAddressEdit_->setText(host);
        form.loginNameEdit_->setText(login);
        form.passwordEdit_->setText(password);
    }

    ScriptedMessages messages;
    ProbeLog probes;
    MainWindow form;
    int exitStatus = -1;
};

TEST_F(Window, StartsInTheLoginLayout) {
    EXPECT_EQ(form.size(), QSize(269, 340));
    EXPECT_EQ(form.windowTitle(), "Tessel Manager - Login");
    EXPECT_EQ(ApplicationTitle(), "Tessel Manager - Login");
    EXPECT_EQ(form.Console().Code(), ReplyCode::Disconnected);
    form.show();
    EXPECT_FALSE(form.statusBar()->isVisible());
    EXPECT_FALSE(form.pageTabs_->isVisible());
    EXPECT_FALSE(form.loginProgressBar_->isVisible());
    EXPECT_FALSE(form.statusPopupMemo_->isVisible());
    for (QPushButton* hidden : {form.quitButton_, form.refreshAllButton_, form.saveAllButton_}) {
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    }
    // The login block, in tab order, with its captions.
    QWidget* order[] = {form.destinationAddressEdit_, form.loginNameEdit_, form.passwordEdit_,
                        form.sourceAddressCombo_,     form.communityEdit_, form.loginButton_};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        EXPECT_EQ(NextTabStop(order[i]), order[i + 1]) << i;
    }
    EXPECT_EQ(form.destinationAddressLabel_->text(), "Destination IP-address:");
    EXPECT_EQ(form.loginNameLabel_->text(), "Login:");
    EXPECT_EQ(form.passwordLabel_->text(), "Password:");
    EXPECT_EQ(form.sourceAddressLabel_->text(), "Source IP-address:");
    EXPECT_EQ(form.communityLabel_->text(), "Community:");
    EXPECT_EQ(form.loginButton_->text(), "Login");
    EXPECT_EQ(form.passwordEdit_->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(form.communityEdit_->text().isEmpty());
    EXPECT_FALSE(form.sourceAddressCombo_->isEditable());
    // The "Log out" button lies outside the login window's area.
    EXPECT_FALSE(form.rect().contains(form.logOutButton_->geometry().topLeft()));
}

TEST_F(Window, PagesAndBottomButtonsAreNamedAndCaptioned) {
    const QStringList tabs = {"System settings",   "Interfaces", "BS", "CPE", "Utilities", "QoS",
                              "Routing/ARP tables"};
    ASSERT_EQ(form.pageTabs_->count(), tabs.size());
    for (int i = 0; i < tabs.size(); ++i) {
        EXPECT_EQ(form.pageTabs_->tabText(i), tabs[i]);
    }
    auto* utilities = qobject_cast<QTabWidget*>(form.pageTabs_->widget(4));
    ASSERT_NE(utilities, nullptr);
    EXPECT_EQ(utilities->tabText(0), "Load Meter");
    EXPECT_EQ(utilities->tabText(1), "RMA Test");
    EXPECT_EQ(form.pageTabs_->widget(1)->objectName(), "TabSheet2");
    EXPECT_EQ(form.pageTabs_->widget(6)->objectName(), "TabSheet13");
    EXPECT_EQ(form.logOutButton_->text(), "Log out");
    EXPECT_EQ(form.saveAllButton_->text(), "Save all");
    EXPECT_EQ(form.refreshAllButton_->text(), "Refresh all");
    EXPECT_EQ(form.quitButton_->text(), "Quit");
    EXPECT_EQ(form.InformationWindow()->windowTitle(), "Interface information view");
    EXPECT_FALSE(form.InformationWindow()->isVisible());
}

TEST_F(Window, EmptyFieldsAreRefusedBeforeAnyProbe) {
    const QString filled[][3] = {{"", "l", "p"}, {"h", "", "p"}, {"h", "l", ""}};
    for (const auto& fields : filled) {
        messages.boxes.clear();
        FillLogin(fields[0], fields[1], fields[2]);
        form.OnLogin();
        ASSERT_EQ(messages.boxes.size(), 1u);
        EXPECT_EQ(messages.boxes[0].text, "Please fill in all fields");
        EXPECT_EQ(messages.boxes[0].caption, "Error");
        EXPECT_TRUE(form.loginButton_->isEnabled());
    }
    EXPECT_TRUE(probes.hosts.empty());
}

TEST_F(Window, LineBreakOrNulInLoginOrPasswordIsRefusedBeforeAnyProbe) {
    const QString unsafe[][2] = {
        {"ad\rmin", "admin"}, {"admin", "ad\nmin"}, {"admin", QString(QChar(0)) + "x"}};
    for (const auto& fields : unsafe) {
        messages.boxes.clear();
        FillLogin("127.0.0.1", fields[0], fields[1]);
        form.OnLogin();
        ASSERT_EQ(messages.boxes.size(), 1u);
        EXPECT_EQ(messages.boxes[0].caption, "Input error");
        EXPECT_EQ(messages.boxes[0].text,
                  "The value must not contain line breaks or NUL characters; nothing was sent.");
        EXPECT_TRUE(form.loginButton_->isEnabled());
    }
    // The same values from the command line.
    MainWindow started(Scripted(probes));
    started.FormCreate(
        "tessel-manager --host=127.0.0.1 --login=admin --password=ad\rmin --community=public");
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[1].caption, "Input error");
    EXPECT_TRUE(probes.hosts.empty());
    EXPECT_EQ(started.Console().Socket()->state(), QAbstractSocket::UnconnectedState);
    EXPECT_EQ(started.CurrentSession().ConnectionState, ConnectionStates::Disconnected);
}

// The login and password go out on the console, the community in SNMP.
TEST_F(Window, CharacterAboveLatin1InTheLoginIsRefusedByNameBeforeAnyProbe) {
    FillLogin("127.0.0.1", "admin", QStringLiteral("p\u20acss"));
    form.communityEdit_->setText(QStringLiteral("gr\u00fcn"));
    form.OnLogin();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].caption, "Input error");
    EXPECT_TRUE(messages.boxes[0].text.startsWith(QStringLiteral("The character \"\u20ac\"")));
    EXPECT_TRUE(probes.hosts.empty());
    // Latin-1 goes byte for byte.
    form.passwordEdit_->setText(QStringLiteral("pass"));
    form.OnLogin();
    ASSERT_FALSE(probes.communities.empty());
    EXPECT_EQ(probes.communities.front(), "gr\xfcn");
}

TEST_F(Window, FailedProbeReportsAndOpensNoConnection) {
    FillLogin("127.0.0.1", "admin", "admin");
    form.communityEdit_->setText("");  // an empty community is sent as it is
    form.OnLogin();
    ASSERT_EQ(probes.hosts.size(), 1u);
    EXPECT_EQ(probes.hosts[0], "127.0.0.1");
    EXPECT_EQ(probes.communities[0], "");
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "Error while connecting to remote host");
    EXPECT_EQ(messages.boxes[0].caption, "SNMP Test Failed");
    EXPECT_EQ(form.CurrentSession().ConnectionState, ConnectionStates::Disconnected);
    EXPECT_TRUE(form.loginButton_->isEnabled());
    EXPECT_EQ(form.Console().Socket()->state(), QAbstractSocket::UnconnectedState);
}

TEST_F(Window, RepeatedProbeIsBoundedThenTakesTheFailurePath) {
    FillLogin("127.0.0.1", "admin", "admin");
    form.communityEdit_->setText("public");
    probes.outcomes = {true};  // answers once, then never again
    form.OnLogin();
    EXPECT_EQ(probes.hosts.size(), 1u + MainWindow::ProbeRepeatLimit);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].caption, "SNMP Test Failed");
    EXPECT_EQ(form.Console().Socket()->state(), QAbstractSocket::UnconnectedState);

    // A router that answers again after a miss is accepted.
    messages.boxes.clear();
    probes.hosts.clear();
    probes.outcomes = {true, false, true};
    form.OnLogin();
    EXPECT_EQ(probes.hosts.size(), 3u);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(form.CurrentSession().ConnectionState, ConnectionStates::Connecting);
    EXPECT_FALSE(form.loginButton_->isEnabled());
    form.ResetToLoginLayout();  // drop the attempt before it can fail
    EXPECT_EQ(exitStatus, -1);
}

TEST_F(Window, PopupShowsOneTextForItsLengthAndHidesOnLeftClick) {
    form.show();
    QTimer* timer10 = form.findChild<QTimer*>("Timer10");
    form.ShowStatusPopup("rma start");
    EXPECT_TRUE(form.statusPopupMemo_->isVisible());
    EXPECT_EQ(timer10->interval(), 2700);
    EXPECT_TRUE(timer10->isActive());
    form.ShowStatusPopup("A system name of a router");
    EXPECT_EQ(form.statusPopupMemo_->toPlainText(), "A system name of a router");
    EXPECT_EQ(timer10->interval(), 7500);

    // Right and middle presses leave it; a left press hides it, the timer runs on.
    QTest::mouseClick(form.statusPopupMemo_->viewport(), Qt::RightButton);
    QTest::mouseClick(form.statusPopupMemo_->viewport(), Qt::MiddleButton);
    EXPECT_TRUE(form.statusPopupMemo_->isVisible());
    QTest::mouseClick(form.statusPopupMemo_->viewport(), Qt::LeftButton);
    EXPECT_FALSE(form.statusPopupMemo_->isVisible());
    EXPECT_TRUE(timer10->isActive());

    form.ShowStatusPopup("x");
    EXPECT_TRUE(form.statusPopupMemo_->isVisible());
    ASSERT_TRUE(test::FireTimer(timer10));
    EXPECT_FALSE(form.statusPopupMemo_->isVisible());
    EXPECT_FALSE(timer10->isActive());
}

TEST_F(Window, HelpButtonsShowTheirTextAndCarryTheirHints) {
    form.show();
    form.ShowStatusPopup("rf freq 5100");
    auto* radioNameHelp = form.findChild<QToolButton*>(QStringLiteral("SpeedButton1"));
    auto* frequencyHelp = form.findChild<QToolButton*>(QStringLiteral("SpeedButton2"));
    ASSERT_NE(radioNameHelp, nullptr);
    ASSERT_NE(frequencyHelp, nullptr);
    frequencyHelp->click();
    EXPECT_EQ(form.statusPopupMemo_->toPlainText().toStdString(), HelpTextFor("SpeedButton2"));
    EXPECT_EQ(radioNameHelp->toolTip(), "Name of the radio interface to be configured");
    EXPECT_EQ(frequencyHelp->toolTip(),
              "The list of available frequencies for \nthe selected radio interface ");
    EXPECT_EQ(radioNameHelp->size(), QSize(18, 18));
}

TEST_F(Window, CommandsWithLineBreaksAreNotSentAndTheOperatorIsTold) {
    form.show();
    const ReplyCode before = form.Console().Code();
    EXPECT_FALSE(form.RunCommand({"sys name a\r\nco save", ReplyCode::System}));
    EXPECT_EQ(form.Console().Code(), before);
    EXPECT_FALSE(form.statusPopupMemo_->isVisible());
    EXPECT_FALSE(form.SendLine(std::string("x\0y", 3)));
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[0].caption, "Input error");
    // A plain line on a closed connection is dropped without a word.
    EXPECT_TRUE(form.SendLine("co save"));
    EXPECT_EQ(messages.boxes.size(), 2u);
}

TEST_F(Window, ErrorLimitHoldsTheReadTimersThePagesRegister) {
    // A timer a page registers, as the auto-update pages do, and one that
    // reads nothing.
    QWidget* page = form.pageTabs_->widget(2);
    ASSERT_NE(page, nullptr);
    auto* pageTimer = new QTimer(page);
    form.Controller().AddReadTimer(pageTimer, [] {});
    auto* other = new QTimer(page);
    pageTimer->start(60000);
    other->start(60000);
    QTimer* cpuLoad = form.findChild<QTimer*>(QStringLiteral("Timer8"));
    QTimer* qos = form.findChild<QTimer*>(QStringLiteral("Timer12"));
    ASSERT_NE(cpuLoad, nullptr);
    ASSERT_NE(qos, nullptr);
    // Every read fails: the CPU-load tick reaches the limit on its 21st.
    const auto failTwentyOne = [&] {
        for (int i = 0; i < 21; ++i) {
            ASSERT_TRUE(test::FireTimer(cpuLoad));
        }
    };
    form.CurrentSession().Accounting().Reset();

    // Carry on: what ran runs again, what was off stays off.
    messages.answers = {false};
    failTwentyOne();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_TRUE(pageTimer->isActive());
    EXPECT_FALSE(qos->isActive());

    // Quit: every read timer stops; the others are none of its business.
    messages.answers = {true};
    failTwentyOne();
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_FALSE(pageTimer->isActive());
    EXPECT_TRUE(other->isActive());
    EXPECT_EQ(messages.boxes.back().text, QStringLiteral("Too many errors in a row. Quit?"));
}

TEST_F(Window, ConsoleButtonsAreDisabledAndEnabledAsAGroup) {
    QPushButton extra;
    form.AddConsoleButton(&extra);
    form.SetConsoleButtonsEnabled(false);
    EXPECT_FALSE(form.saveAllButton_->isEnabled());
    EXPECT_FALSE(extra.isEnabled());
    EXPECT_TRUE(form.refreshAllButton_->isEnabled());
    form.SetConsoleButtonsEnabled(true);
    EXPECT_TRUE(form.saveAllButton_->isEnabled());
    EXPECT_TRUE(extra.isEnabled());
}

}  // namespace
}  // namespace tessel
