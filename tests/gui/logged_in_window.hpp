#pragma once

// The real main window logged in to a lab router child process of its own:
// the one fixture of the window tests. The window reaches the router through
// its own configuration (no environment); what the router received is read
// back from its log; waits poll the event loop instead of sleeping.
//
// SetUp runs the steps StartRouter, OpenWindow and LogIn; a fixture that
// tests one of them overrides SetUp and calls the steps before it itself.

#include "app/form1.hpp"
#include "app/process_exit.hpp"
#include "core/session/runtime_config.hpp"
#include "scripted_messages.hpp"
#include "support/router_sim_process.hpp"
#include "wait_for.hpp"
#include "widgets/grid_view.hpp"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tessel::test {

// A report "second" of the lab router, for tests that wait for reports.
constexpr int TickMs = 40;

// The lab router a fixture starts, and how the window reaches it.
struct LabRouter {
    // The router's own options (faults, login, address, ports).
    std::vector<std::string> arguments{};
    // One of the bundled data files; empty: the router's default state.
    std::string data{};
    // How long a report "second" lasts; 0: the router's default.
    int tickMs = 0;
    // Runs the router elsewhere ("ip netns exec NS"); empty: a plain child.
    std::vector<std::string> launcher{};
    // The address the window logs in to.
    std::string host = "127.0.0.1";
    // The source entry to select; empty: the first entry of the list the
    // window made, as the operator gets it.
    QString source = QStringLiteral("127.0.0.1");
    // Runs around each step of the load, e.g. to leave one out.
    MainWindow::ReadAround readAround{};
    // How long the login and the load may take (sanitizer builds on a busy
    // machine).
    int loginMs = 60000;
};

// For tests that count the session's own reads: the pages' tables are
// tested on their own.
inline void WithoutTables(ReadStep step, const std::function<void()>& read) {
    if (step != ReadStep::RoutingTable && step != ReadStep::QosTable) {
        read();
    }
}

class LoggedInWindow : public ::testing::Test {
  protected:
    // Enough for any one wait on a loaded machine, in ms.
    static constexpr int Patience = 20000;

    explicit LoggedInWindow(LabRouter router = {}) : router_(std::move(router)) {
        SetEndProcessFunction([this](int status) { exitStatus = status; });
    }
    ~LoggedInWindow() override {
        form.reset();
        SetEndProcessFunction({});
    }

    void SetUp() override {
        StartWithoutLogin();
        LogIn();
    }
    void TearDown() override {
        form.reset();
        EXPECT_EQ(exitStatus, -1) << "the window tried to end the process";
    }

    // The fixture's router options, as StartRouter takes them.
    std::vector<std::string> RouterArguments() const {
        std::vector<std::string> arguments = router_.arguments;
        if (!router_.data.empty()) {
            arguments.insert(arguments.end(),
                             {"--data", std::string(TESSEL_SIM_DATA_DIR) + "/" + router_.data});
        }
        if (router_.tickMs > 0) {
            arguments.insert(arguments.end(), {"--tick-ms", std::to_string(router_.tickMs)});
        }
        return arguments;
    }

    // The router with the fixture's options and the window on it.
    void StartWithoutLogin() {
        StartRouter(RouterArguments());
        OpenWindow();
    }

    // Starts the router; the window opens its console on consolePort instead
    // when that is given (a console of the test's own).
    void StartRouter(std::vector<std::string> arguments = {}, int consolePort = 0) {
        sim_ = std::make_unique<RouterSim>(std::move(arguments), std::chrono::seconds(15),
                                           router_.launcher);
        consolePort_ = consolePort != 0 ? consolePort : sim_->ConsolePort();
    }

    // The window on the router's ports, shown.
    void OpenWindow(const std::string& commandLine = "tessel-manager") {
        RuntimeConfig config;
        config.snmpPort = SnmpPort();
        config.consolePort = static_cast<std::uint16_t>(consolePort_);
        form = std::make_unique<MainWindow>(Transport(), config);
        if (router_.readAround) {
            form->SetReadAround(router_.readAround);
        }
        form->FormCreate(commandLine);
        if (!router_.source.isEmpty()) {
            // The console leaves from this address, whatever addresses the host has.
            form->sourceAddressCombo_->clear();
            form->sourceAddressCombo_->addItem(router_.source);
        }
        form->show();
    }

    // The window's SNMP exchanges: the real client.
    virtual SnmpTransport Transport() { return SnmpTransport::Client(SnmpPort()); }
    std::string SnmpPort() const { return std::to_string(sim_->SnmpPort()); }

    // Fills the login block and clicks "Login".
    void ClickLogin(const QString& login = "admin", const QString& password = "admin") {
        form->destinationAddressEdit_->setText(QString::fromStdString(router_.host));
        form->loginNameEdit_->setText(login);
        form->passwordEdit_->setText(password);
        form->communityEdit_->setText(QStringLiteral("public"));
        form->loginButton_->click();
    }

    // Waits for the managed layout, which the post-login load ends with.
    bool WaitManaged() {
        return WaitFor([this] { return form->IsManagedLayout() || exitStatus != -1; },
                       router_.loginMs) &&
               exitStatus == -1;
    }

    // Waits until the window expects no reply from the console.
    bool WaitIdle(int timeoutMs = Patience) {
        return WaitFor([this] { return form->Console().Code() == ReplyCode::Idle; }, timeoutMs);
    }

    // Logs in; returns when the post-login load is complete.
    void LogIn() {
        ClickLogin();
        ASSERT_TRUE(WaitManaged()) << "the login to the lab router did not complete";
        // The load ends with "arp view"; its reply must be in before a test
        // sends, or both replies may arrive as one chunk under the test's code.
        ASSERT_TRUE(WaitIdle()) << "the reply to \"arp view\" did not arrive";
    }

    // What the router has logged so far.
    RouterLog Log() const { return sim_->Log(); }
    // Every console line the router received, in order.
    std::vector<std::string> ConsoleLines() const { return Log().ConsoleLines(); }

    // The lines received after the first `skip` ones.
    std::vector<std::string> LinesAfter(std::size_t skip) const {
        const std::vector<std::string> all = ConsoleLines();
        return skip < all.size() ? std::vector<std::string>(all.begin() + skip, all.end())
                                 : std::vector<std::string>{};
    }

    // Waits until the router has received `count` lines after the first `skip`.
    std::vector<std::string> WaitForLines(std::size_t skip, std::size_t count) const {
        WaitFor([&] { return LinesAfter(skip).size() >= count; });
        return LinesAfter(skip);
    }

    // Every line after the first `skip`, once the router has all that the
    // test sent: a marker line, "co save", goes last and ends the list.
    std::vector<std::string> LinesThroughMarker(std::size_t skip) const {
        const std::string marker = "co save";
        form->SendLine(marker);
        WaitFor([&] {
            const std::vector<std::string> lines = LinesAfter(skip);
            return !lines.empty() && lines.back() == marker;
        });
        return LinesAfter(skip);
    }

    // Sends command as another hand would, past the pages, and waits until
    // the window has read the router's answer.
    bool SendAndWaitIdle(const ConsoleCommand& command) {
        return form->SendCommand(command) && WaitIdle();
    }

    // Waits until the router has received line.
    bool Received(const std::string& line) const {
        return WaitFor([&] { return Log().ReceivedLine(line); }, Patience);
    }

    std::size_t SnmpRequestsFor(const std::string& prefix) const {
        return Log().SnmpRequestsFor(prefix);
    }

    // Waits until the router has logged count requests below prefix, and no
    // more: the log line may trail the reply by a moment.
    bool RequestsReach(const std::string& prefix, std::size_t count) const {
        return WaitFor([&] { return SnmpRequestsFor(prefix) >= count; }, 5000) &&
               SnmpRequestsFor(prefix) == count;
    }

    template <typename Widget>
    Widget* Find(const char* name) const {
        auto* widget = form->findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Selects entry text of a selector as the operator does (which raises
    // the operator-only signal).
    static void Choose(QComboBox* box, const QString& text) {
        const int index = box->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    static void TypeInto(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    // Presses row of grid with the mouse, as the operator picks an entry;
    // the grid's tab must be in front.
    static void ClickRow(GridView* grid, int row) {
        ASSERT_GE(row, 0);
        const QModelIndex cell = grid->model()->index(row, 1);
        grid->scrollTo(cell);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
    }

    // A double click as the window system delivers it: a press and a
    // release, then the double-click press and its release. (QTest's own
    // sends the double-click event alone to a widget.)
    static void DoubleClick(QWidget* widget) {
        QTest::mousePress(widget, Qt::LeftButton);
        QTest::mouseRelease(widget, Qt::LeftButton);
        QTest::mouseDClick(widget, Qt::LeftButton);
        QTest::mouseRelease(widget, Qt::LeftButton);
    }

    // Brings the tab to the front (which shows it).
    void ShowPage(QWidget* tab) { form->pageTabs_->setCurrentWidget(tab); }

    // With TESSEL_SCREENSHOT_DIR set, brings the tab to the front and saves
    // the window as file; otherwise does nothing, so the tests run unchanged.
    void SaveScreenshot(QWidget* tab, const char* file) {
        const char* dir = std::getenv("TESSEL_SCREENSHOT_DIR");
        if (dir == nullptr || *dir == '\0') {
            return;
        }
        ShowPage(tab);
        QCoreApplication::processEvents();
        EXPECT_TRUE(form->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(file)));
    }

    LabRouter router_;
    std::unique_ptr<RouterSim> sim_;
    ScriptedMessages messages;
    std::unique_ptr<MainWindow> form;
    int exitStatus = -1;

  private:
    int consolePort_ = 0;
};

}  // namespace tessel::test
