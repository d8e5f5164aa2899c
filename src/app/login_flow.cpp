#include "app/login_flow.hpp"

#include "app/console_channel.hpp"
#include "app/login_block.hpp"
#include "app/message_service.hpp"
#include "app/process_exit.hpp"
#include "app/recent_routers_box.hpp"
#include "core/session/login_check.hpp"
#include "core/session/session.hpp"
#include "core/snmp/oids.hpp"
#include "viewkit/operator_text.hpp"
#include "viewkit/text_bridge.hpp"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace tessel {

LoginFlow::LoginFlow(Session& session, ConsoleChannel& console, LoginBlock& block, QWidget* window)
    : QObject(window),
      connectTimeoutTimer_(new QTimer(this)),
      session_(session),
      console_(console),
      block_(block),
      window_(window) {
    connectTimeoutTimer_->setObjectName(QStringLiteral("Timer9"));
    connectTimeoutTimer_->setInterval(5000);
    connectTimeoutTimer_->setSingleShot(true);
    connect(connectTimeoutTimer_, &QTimer::timeout, this, &LoginFlow::OnConnectTimeout);
    connect(&console_, &ConsoleChannel::Connected, this, &LoginFlow::OnConsoleConnected);
    connect(&console_, &ConsoleChannel::Disconnected, this, &LoginFlow::OnConsoleDisconnected);
    connect(&console_, &ConsoleChannel::Failed, this, &LoginFlow::OnConsoleError);
    connect(&console_, &ConsoleChannel::Reply, this,
            [this](ReplyAction action, const std::string&) { Replied(action); });
}

void LoginFlow::OnLogin() {
    console_.Close();
    // Taken once: a box edited while the connection opens changes nothing of
    // this login, so SNMP and the console reach the same router.
    const LoginValues values{
        ToBytes(block_.destinationAddressEdit_->text()), ToBytes(block_.loginNameEdit_->text()),
        ToBytes(block_.communityEdit_->text()), ToBytes(block_.sourceAddressCombo_->currentText())};
    if (const auto refusal = CheckLoginFields(values.destination, values.login,
                                              ToBytes(block_.passwordEdit_->text()))) {
        Messages().Inform(window_, ToQString(refusal->text), ToQString(refusal->caption));
        return;
    }
    // The login and password go out on the console, the community in SNMP.
    const QString uncarriable =
        UncarriableTextMessage({block_.loginNameEdit_->text(), block_.passwordEdit_->text(),
                                block_.communityEdit_->text()});
    if (!uncarriable.isEmpty()) {
        Messages().Inform(window_, uncarriable, QStringLiteral("Input error"));
        return;
    }
    values_ = values;
    block_.loginButton_->setEnabled(false);
    block_.loginStatusLabel_->clear();
    passwords_.Start();
    session_.SnmpCommunity = values_.community;
    connectTimeoutTimer_->stop();

    std::string value;
    const bool answered = session_.Probe(oids::CpuLoad, values_.destination, value);
    session_.ConnectionState = ConnectionStates::Connecting;
    if (!answered || !ProbeRouter(values_.destination)) {
        session_.ConnectionState = ConnectionStates::Disconnected;
        Messages().Inform(window_, QStringLiteral("Error while connecting to remote host"),
                          QStringLiteral("SNMP Test Failed"));
        block_.loginButton_->setEnabled(true);
        return;
    }
    console_.Open(ToQString(values_.destination), ToQString(values_.source),
                  ToBytes(block_.passwordEdit_->text()));
    connectTimeoutTimer_->start(5000);
}

bool LoginFlow::ProbeRouter(const std::string& host) {
    // The router answered once; make sure it still does before opening the
    // console, but give up after a few attempts rather than hang the window.
    std::string value;
    for (int attempt = 0; attempt < ProbeRepeatLimit; ++attempt) {
        if (session_.Probe(oids::CpuLoad, host, value)) {
            return true;
        }
    }
    return false;
}

void LoginFlow::OnConsoleConnected() {
    session_.ConnectionState = ConnectionStates::Connected;
}

void LoginFlow::OnConsoleDisconnected() {
    session_.ConnectionState = ConnectionStates::Disconnected;
    block_.loginButton_->setEnabled(true);
}

void LoginFlow::OnConsoleError() {
    Messages().Inform(window_, QStringLiteral("Client Socket Error. Quiting"),
                      QStringLiteral("Error"));
    EndProcessNow(1);
}

void LoginFlow::OnConnectTimeout() {
    connectTimeoutTimer_->stop();
    if (session_.ConnectionState == ConnectionStates::Connecting) {
        Messages().Inform(window_, QStringLiteral("Error while connecting to remote host"),
                          QStringLiteral("Error"));
        block_.loginButton_->setEnabled(true);
    }
}

void LoginFlow::Replied(ReplyAction action) {
    switch (action) {
        case ReplyAction::SendOne:
            console_.SendLine("1");
            break;
        case ReplyAction::SendLoginName:
            console_.SendLine(values_.login);
            break;
        case ReplyAction::SendPassword: {
            const std::string password = ToBytes(block_.passwordEdit_->text());
            passwords_.Sent(password);
            console_.SendSecret(password);
            break;
        }
        case ReplyAction::LoginAccepted:
            // The values that worked, as the dialogue used them; never the
            // password.
            block_.recentRouters_->Record({values_.destination, values_.login, values_.community});
            block_.loginProgressBar_->show();
            emit Accepted();
            break;
        case ReplyAction::LoginRefused:
            Refused();
            break;
        case ReplyAction::EnableLogin:
            block_.loginButton_->setEnabled(true);
            break;
        default:
            break;
    }
}

void LoginFlow::Refused() {
    block_.loginStatusLabel_->setText(QStringLiteral("Invalid login or password. Try again"));
    block_.loginButton_->setEnabled(true);
    // The dialogue starts over with the router's next words; the password
    // box decides whether that is worth it.
    if (!passwords_.MayRetry(ToBytes(block_.passwordEdit_->text()))) {
        console_.Close();
    }
}

}  // namespace tessel
