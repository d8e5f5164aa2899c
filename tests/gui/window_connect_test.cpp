// The console connection failing: a refused connection ends the program (run
// as a child process), a connection that never completes times out.

#include "app/form1.hpp"
#include "app/process_exit.hpp"
#include "fire_timer.hpp"
#include "scripted_messages.hpp"
#include "support/router_sim_process.hpp"
#include "support/run_program.hpp"

#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace tessel {
namespace {

// A loopback port with nothing listening on it.
quint16 ClosedPort() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    const quint16 port = server.serverPort();
    server.close();
    return port;
}

TEST(ConsoleConnection, RefusedConnectionEndsTheProgramWithItsMessage) {
    test::RouterSim sim;
    setenv("TESSEL_SNMP_PORT", std::to_string(sim.SnmpPort()).c_str(), 1);
    setenv("TESSEL_CONSOLE_PORT", std::to_string(ClosedPort()).c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const test::ProgramResult result =
        test::RunProgram({TESSEL_GUI_SESSION_CHILD, "--host=127.0.0.1", "--login=admin",
                          "--password=admin", "--community=public"},
                         std::chrono::seconds(60));
    EXPECT_EQ(result.exitCode, 1) << result.output;
    EXPECT_NE(result.output.find("Error|Client Socket Error. Quiting"), std::string::npos)
        << result.output;
    // Nothing but the probe reached the router: no console line at all.
    EXPECT_EQ(sim.Log().ConsoleLines(), std::vector<std::string>{});
}

// A listener whose accept queue is full: the kernel drops further SYNs, so a
// connection attempt stays pending.
class CloggedListener {
  public:
    CloggedListener() {
        listener_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(listener_, 0);
        socklen_t length = sizeof address;
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        // Fill the queue (a backlog of 0 still admits one connection).
        for (int& filler : fillers_) {
            filler = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof address);
        }
    }
    ~CloggedListener() {
        for (int filler : fillers_) {
            close(filler);
        }
        close(listener_);
    }
    quint16 Port() const { return port_; }

  private:
    int listener_ = -1;
    int fillers_[2] = {-1, -1};
    quint16 port_ = 0;
};

TEST(ConsoleConnection, StillConnectingAfterTheTimeOutIsReportedAndLoginEnabled) {
    test::RouterSim sim;
    CloggedListener clogged;
    setenv("TESSEL_SNMP_PORT", std::to_string(sim.SnmpPort()).c_str(), 1);
    setenv("TESSEL_CONSOLE_PORT", std::to_string(clogged.Port()).c_str(), 1);
    test::ScriptedMessages messages;
    int exitStatus = -1;
    SetEndProcessFunction([&](int status) { exitStatus = status; });
    {
        MainWindow form(SnmpTransport::Client());
        form.FormCreate("tessel-manager");
        form.destinationAddressEdit_->setText("127.0.0.1");
        form.loginNameEdit_->setText("admin");
        form.passwordEdit_->setText("admin");
        form.communityEdit_->setText("public");
        form.loginButton_->click();
        for (const auto& box : messages.boxes) {
            ADD_FAILURE() << box.caption.toStdString() << ": " << box.text.toStdString();
        }
        QTimer* timer9 = form.findChild<QTimer*>("Timer9");
        EXPECT_TRUE(timer9->isActive());
        EXPECT_EQ(timer9->interval(), 5000);
        EXPECT_FALSE(form.loginButton_->isEnabled());
        // Let the attempt run for a while: it must still be pending.
        QTest::qWait(500);
        ASSERT_EQ(form.Console().Socket()->state(), QAbstractSocket::ConnectingState);
        ASSERT_TRUE(test::FireTimer(timer9));
        EXPECT_FALSE(timer9->isActive());
        ASSERT_EQ(messages.boxes.size(), 1u);
        EXPECT_EQ(messages.boxes[0].text, "Error while connecting to remote host");
        EXPECT_EQ(messages.boxes[0].caption, "Error");
        EXPECT_TRUE(form.loginButton_->isEnabled());
        // The attempt is left running.
        EXPECT_EQ(form.Console().Socket()->state(), QAbstractSocket::ConnectingState);
        form.ResetToLoginLayout();
    }
    SetEndProcessFunction({});
    EXPECT_EQ(exitStatus, -1);
}

}  // namespace
}  // namespace tessel
