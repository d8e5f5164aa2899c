// Start-up, login, the console connection's events, logout and quit.

#include "app/form1.hpp"

#include "app/form2.hpp"
#include "app/local_addresses.hpp"
#include "app/message_service.hpp"
#include "app/process_exit.hpp"
#include "core/console/reply_dispatch.hpp"
#include "core/session/command_line.hpp"
#include "core/session/login_check.hpp"
#include "core/session/source_address.hpp"
#include "core/session/trace.hpp"
#include "core/snmp/oids.hpp"
#include "viewkit/text_bridge.hpp"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHostAddress>
#include <QHostInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QTcpSocket>
#include <QTimer>

namespace tessel {

void TForm1::FormCreate(const std::string& commandLine) {
    SetWindowSize(269, 340);
    session_.ReplyState = reply::Disconnected;
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
    CloseConsole();
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
    OpenConsole(Edit5->text());
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

void TForm1::OpenConsole(const QString& host) {
    BindConsoleSource(host);
    ClientSocket1->connectToHost(host, consolePort_);
    Timer(9)->start(5000);
}

void TForm1::BindConsoleSource(const QString& host) {
    // A source that cannot reach the router would make the connect fail
    // with a socket error, which ends the program: such a source is not
    // bound, and the routing table picks one.
    QString destination;
    if (QHostAddress(host).protocol() == QAbstractSocket::IPv4Protocol) {
        destination = host;
    } else {
        for (const QHostAddress& address : QHostInfo::fromName(host).addresses()) {
            if (address.protocol() == QAbstractSocket::IPv4Protocol) {
                destination = address.toString();
                break;
            }
        }
    }
    QStringList present;
    ListLocalAddresses(present);
    std::vector<std::string> hostAddresses;
    for (const QString& address : present) {
        hostAddresses.push_back(address.toStdString());
    }
    const std::string source = ToBytes(ComboBox13->currentText());
    SourceBinding decision = DecideSourceBinding(source, destination.toStdString(), hostAddresses);
    if (decision == SourceBinding::Bind) {
        // A failed bind reports a socket error too; it only means unbound.
        const QSignalBlocker quiet(ClientSocket1);
        if (!ClientSocket1->bind(QHostAddress(ComboBox13->currentText()), 0)) {
            ClientSocket1->abort();
            decision = SourceBinding::NotOnHost;
        }
    }
    if (trace_ != nullptr) {
        trace_->Write(SourceBindingTraceText(decision, source, destination.toStdString()));
    }
}

void TForm1::CloseConsole() {
    if (ClientSocket1->state() != QAbstractSocket::UnconnectedState) {
        ClientSocket1->abort();
    }
}

void TForm1::ClientSocket1Connect() {
    session_.ReplyState = reply::Disconnected;
    session_.ConnectionState = ConnectionStates::Connected;
}

void TForm1::ClientSocket1Disconnect() {
    session_.ReplyState = reply::Disconnected;
    session_.ConnectionState = ConnectionStates::Disconnected;
    Button1->setEnabled(true);
}

void TForm1::ClientSocket1Error(int error) {
    // The router closing its end is a disconnect, which the disconnected
    // signal reports; only real failures end the program.
    if (error == QAbstractSocket::RemoteHostClosedError) {
        return;
    }
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

void TForm1::Button29Click() {
    if (Messages().AskYesNo(this, QStringLiteral("Are you sure you want to log out?"),
                            QStringLiteral("Warning"))) {
        ResetToLoginLayout();
    }
}

void TForm1::ResetToLoginLayout() {
    CloseConsole();
    SetWindowSize(269, 340);
    session_.ReplyState = reply::Disconnected;
    FillSourceAddresses();
    ProgressBar3->hide();
    Edit5->show();
    Edit5->clear();
    Edit15->setText(QStringLiteral("tarnel"));
    Edit15->show();
    Edit12->show();
    Edit12->clear();
    Edit13->show();
    statusBar()->hide();
    Edit13->clear();
    Label85->show();
    Edit5->setFocus();
    for (QWidget* widget :
         std::initializer_list<QWidget*>{ComboBox13, Button1, Label86, Label87, Label88, Label89}) {
        widget->show();
    }
    ShowSessionControls(false);
    Timer(1)->stop();
    Timer(8)->stop();
    SetTitle(QStringLiteral("Tessel Manager - Login"));
    managed_ = false;
}

void TForm1::ShowSessionControls(bool visible) {
    for (QWidget* widget : std::initializer_list<QWidget*>{main, Button9, Button10, Button11}) {
        widget->setVisible(visible);
    }
    // "Log out" stays shown in both layouts but lies outside the small login
    // window, where Tab must not reach it: Space there would offer a logout
    // that empties what the operator has typed.
    Button29->setFocusPolicy(visible ? Qt::StrongFocus : Qt::NoFocus);
}

void TForm1::SetLoginBlockVisible(bool visible) {
    for (QWidget* widget :
         std::initializer_list<QWidget*>{ProgressBar3, Edit5, Edit15, Edit12, Edit13, Label85,
                                         ComboBox13, Button1, Label86, Label87, Label88, Label89}) {
        widget->setVisible(visible);
    }
}

void TForm1::Button9Click() {
    SendConsoleLine("quit", "Quit");
    session_.ReplyState = reply::Quit;
}

void TForm1::closeEvent(QCloseEvent* event) {
    event->accept();
    form2_->hide();
    emit Closed();
}

void TForm1::AddConsoleButton(QAbstractButton* button) {
    consoleButtons_.push_back(button);
}

void TForm1::DisableConsoleButtons() {
    SetConsoleButtonsEnabled(false);
}

void TForm1::EnableConsoleButtons() {
    SetConsoleButtonsEnabled(true);
}

}  // namespace tessel
