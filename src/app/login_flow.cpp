// Start-up, login, the console connection's events and the login dialogue's
// replies, logout and quit.

#include "app/form1.hpp"

#include "app/console_channel.hpp"
#include "app/local_addresses.hpp"
#include "app/message_service.hpp"
#include "app/process_exit.hpp"
#include "app/recent_routers_box.hpp"
#include "app/status_panels.hpp"
#include "core/session/command_line.hpp"
#include "core/session/login_check.hpp"
#include "core/snmp/oids.hpp"
#include "viewkit/text_bridge.hpp"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

namespace tessel {

void TForm1::FormCreate(const std::string& commandLine) {
    SetWindowSize(269, 340);
    console_->Reset();
    FillSourceAddresses();
    SetTitle(QStringLiteral("Tessel Manager - Login"));
    statusBar()->hide();
    CommandLineValues values;
    if (ParseCommandLine(commandLine, values)) {
        Edit5->setText(ToQString(values.host));
        Edit12->setText(ToQString(values.login));
        Edit13->setText(ToQString(values.password));
        Edit15->setText(ToQString(values.community));
        Button1Click();
    }
}

void TForm1::FillSourceAddresses() {
    QStringList addresses;
    ListLocalAddresses(addresses);
    ComboBox13->clear();
    ComboBox13->addItems(addresses);
    if (ComboBox13->count() > 0) {
        ComboBox13->setCurrentIndex(0);
    }
}

void TForm1::Button1Click() {
    console_->Close();
    if (const auto refusal = CheckLoginFields(ToBytes(Edit5->text()), ToBytes(Edit12->text()),
                                              ToBytes(Edit13->text()))) {
        Messages().Inform(this, QString::fromLatin1(refusal->text),
                          QString::fromLatin1(refusal->caption));
        return;
    }
    Button1->setEnabled(false);
    Label85->clear();
    session_.SnmpCommunity = ToBytes(Edit15->text());
    Timer(9)->stop();

    const std::string host = ToBytes(Edit5->text());
    std::string value;
    const bool answered = session_.Probe(oids::CpuLoad, host, value);
    session_.ConnectionState = ConnectionStates::Connecting;
    if (!answered || !ProbeRouter(host)) {
        session_.ConnectionState = ConnectionStates::Disconnected;
        Messages().Inform(this, QStringLiteral("Error while connecting to remote host"),
                          QStringLiteral("SNMP Test Failed"));
        Button1->setEnabled(true);
        return;
    }
    console_->Open(Edit5->text(), ComboBox13->currentText(), ToBytes(Edit13->text()));
    Timer(9)->start(5000);
}

bool TForm1::ProbeRouter(const std::string& host) {
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

void TForm1::ConsoleConnected() {
    session_.ConnectionState = ConnectionStates::Connected;
}

void TForm1::ConsoleDisconnected() {
    session_.ConnectionState = ConnectionStates::Disconnected;
    Button1->setEnabled(true);
}

void TForm1::ConsoleFailed() {
    Messages().Inform(this, QStringLiteral("Client Socket Error. Quiting"),
                      QStringLiteral("Error"));
    EndProcessNow(1);
}

void TForm1::Timer9Timer() {
    Timer(9)->stop();
    if (session_.ConnectionState == ConnectionStates::Connecting) {
        Messages().Inform(this, QStringLiteral("Error while connecting to remote host"),
                          QStringLiteral("Error"));
        Button1->setEnabled(true);
    }
}

void TForm1::LoginReplied(ReplyAction action) {
    switch (action) {
        case ReplyAction::SendOne:
            console_->SendLine("1");
            break;
        case ReplyAction::SendLoginName:
            console_->SendLine(ToBytes(Edit12->text()));
            break;
        case ReplyAction::SendPassword:
            console_->SendSecret(ToBytes(Edit13->text()));
            break;
        case ReplyAction::LoginAccepted:
            // The values that worked, as the dialogue used them; never the
            // password.
            recentRouters_->Record(
                {ToBytes(Edit5->text()), ToBytes(Edit12->text()), session_.SnmpCommunity});
            ProgressBar3->show();
            PostLoginLoad();
            break;
        case ReplyAction::LoginRefused:
            Label85->setText(QStringLiteral("Invalid login or password. Try again"));
            Button1->setEnabled(true);
            break;
        case ReplyAction::EnableLogin:
            Button1->setEnabled(true);
            break;
        default:
            break;
    }
}

void TForm1::Button29Click() {
    if (Messages().AskYesNo(this, QStringLiteral("Are you sure you want to log out?"),
                            QStringLiteral("Warning"))) {
        ResetToLoginLayout();
    }
}

void TForm1::ResetToLoginLayout() {
    console_->Close();
    SetWindowSize(269, 340);
    console_->Reset();
    FillSourceAddresses();
    ClearLoginFields();
    statusBar()->hide();
    ShowSessionControls(false);
    statusPanels_->Timer1->stop();
    statusPanels_->Timer8->stop();
    SetTitle(QStringLiteral("Tessel Manager - Login"));
    managed_ = false;
}

void TForm1::Button9Click() {
    console_->Send({"quit", reply::Quit});
}

}  // namespace tessel
