// The main window: building it, switching between the login and the managed
// layout, and what it does for its pages (the page host, the console's
// replies, the error limit).

#include "app/form1.hpp"

#include "app/console_channel.hpp"
#include "app/form2.hpp"
#include "app/help_button.hpp"
#include "app/local_addresses.hpp"
#include "app/message_service.hpp"
#include "app/status_panels.hpp"
#include "app/status_popup.hpp"
#include "core/console/console_line.hpp"
#include "core/session/command_line.hpp"
#include "core/session/trace.hpp"
#include "core/session/window_caption.hpp"
#include "viewkit/console_buttons.hpp"
#include "viewkit/named.hpp"
#include "viewkit/text_bridge.hpp"
#include "widgets/application_title.hpp"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

namespace tessel {

TForm1::TForm1(SnmpTransport transport, QWidget* parent)
    : TForm1(std::move(transport), ReadProcessRuntimeConfig(), parent) {}

TForm1::TForm1(SnmpTransport transport, const RuntimeConfig& config, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint),
      session_(std::move(transport), ProcessTrace(config.trace)),
      console_(new ConsoleChannel(ProcessTrace(config.trace), config.consolePort, this)),
      form2_(std::make_unique<TForm2>()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ToQString(LoginWindowCaption));
    session_.SetListener(this);

    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(area);
    BuildLoginBlock(area);
    login_ = new LoginFlow(session_, *console_, *this, this);
    connect(Button1, &QPushButton::clicked, login_, &LoginFlow::Button1Click);
    connect(login_, &LoginFlow::Accepted, this, &TForm1::PostLoginLoad);
    BuildManagedLayout(area);
    ShowSessionControls(false);
    // The pages own the timers they drive; the window makes the rest.
    BuildPages();
    BuildTimers();

    connect(console_, &ConsoleChannel::Reply, this, &TForm1::ConsoleReplied);

    AddConsoleButton(Button11);
    SetWindowSize(269, 340);
}

TForm1::~TForm1() {
    // The channel's signals must not reach a half-destroyed window.
    console_->disconnect(this);
}

void TForm1::FormCreate(const std::string& commandLine) {
    SetWindowSize(269, 340);
    console_->Reset();
    FillSourceAddresses();
    SetTitle(ToQString(LoginWindowCaption));
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
    SetTitle(ToQString(LoginWindowCaption));
    managed_ = false;
}

void TForm1::Button9Click() {
    console_->Send({"quit", reply::Quit});
}

void TForm1::BuildManagedLayout(QWidget* area) {
    main = Named(new QTabWidget(area), "main");
    main->setGeometry(0, 0, 707, 432);
    main->hide();

    statusPopup_ = new StatusPopup(area);
    Memo3 = statusPopup_->Memo3;

    const char* names[] = {"Button29", "Button11", "Button10", "Button9"};
    const char* captions[] = {"Log out", "Save all", "Refresh all", "Quit"};
    std::array<QPushButton*, 4> buttons{};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i] = Named(new QPushButton(QLatin1String(captions[i]), area), names[i]);
        buttons[i]->setGeometry(344 + static_cast<int>(i) * 88, 460, 80, 25);
    }
    Button29 = buttons[0];
    Button11 = buttons[1];
    Button10 = buttons[2];
    Button9 = buttons[3];
    for (QPushButton* hiddenAtStart : {Button11, Button10, Button9}) {
        hiddenAtStart->hide();
    }
    connect(Button29, &QPushButton::clicked, this, &TForm1::Button29Click);
    connect(Button11, &QPushButton::clicked, this, &TForm1::Button11Click);
    connect(Button10, &QPushButton::clicked, this, &TForm1::Button10Click);
    connect(Button9, &QPushButton::clicked, this, &TForm1::Button9Click);

    statusPanels_ = new StatusPanels(statusBar(), session_, this);
}

void TForm1::BuildTimers() {
    // The window's timers at their start-up intervals (the auto-update
    // periods change with their editors); the login, the status bar and the
    // popup bring their own.
    const int intervals[] = {6000, 5000, 5000, 1000, 1000, 1000,
                             1000, 3000, 5000, 1000, 1000, 3000};
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        const QString name = QStringLiteral("Timer%1").arg(i + 1);
        timers_[i] = findChild<QTimer*>(name);
        if (timers_[i] == nullptr) {
            timers_[i] = new QTimer(this);
            timers_[i]->setObjectName(name);
            timers_[i]->setInterval(intervals[i]);
        }
    }
}

void TForm1::SetWindowSize(int width, int height) {
    setFixedSize(width, height);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(width / 2, height / 2));
    }
}

void TForm1::SetTitle(const QString& title) {
    setWindowTitle(title);
    SetApplicationTitle(title);
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

void TForm1::closeEvent(QCloseEvent* event) {
    event->accept();
    form2_->hide();
    emit Closed();
}

void TForm1::PageShown(int index) {
    // The interfaces and routing pages repaint at once when shown; so does
    // the system page, which costs nothing.
    if (QWidget* page = main->widget(index)) {
        page->repaint();
    }
}

bool TForm1::RunCommand(const ConsoleCommand& command) {
    // A refused line is not shown: the operator gets the channel's box.
    if (IsSafeConsoleText(command.line)) {
        ShowStatusPopup(ToQString(command.line));
    }
    return console_->Send(command);
}

void TForm1::AddConsoleButton(QAbstractButton* button) {
    consoleButtons_.push_back(button);
}

void TForm1::SetConsoleButtonsEnabled(bool enabled) {
    for (QAbstractButton* button : consoleButtons_) {
        SetConsoleButtonLocked(button, !enabled);
    }
}

void TForm1::Inform(const QString& text, const QString& caption) {
    Messages().Inform(this, text, caption);
}

bool TForm1::Ask(const QString& text, const QString& caption) {
    return Messages().AskYesNo(this, text, caption);
}

QToolButton* TForm1::MakeHelpButton(QWidget* parent, const QString& name) {
    return tessel::MakeHelpButton(parent, name,
                                  [this](const QString& text) { ShowStatusPopup(text); });
}

void TForm1::ShowStatusPopup(const QString& text) {
    statusPopup_->Show(text);
}

QString TForm1::Title() const {
    return ApplicationTitle();
}

QString TForm1::PanelText(int panel) const {
    return statusPanels_->Text(panel);
}

void TForm1::RequestCountsChanged(long sent, long errors, long row) {
    statusPanels_->CountsChanged(sent, errors, row);
}

bool TForm1::ErrorLimitReached() {
    // Every timer of the window, the pages' own included. Only those that
    // were running go again if the operator carries on: an auto-update the
    // operator switched off stays off.
    const QList<QTimer*> timers =
        findChildren<QTimer*>(QRegularExpression(QStringLiteral("^Timer\\d+$")));
    std::vector<QTimer*> running;
    for (QTimer* timer : timers) {
        if (timer->isActive()) {
            running.push_back(timer);
        }
        timer->stop();
    }
    if (Messages().AskYesNo(this, QStringLiteral("Too many errors in a row. Quit?"),
                            QStringLiteral("Warning"))) {
        ResetToLoginLayout();
        return true;
    }
    for (QTimer* timer : running) {
        timer->start();
    }
    return false;
}

void TForm1::ConsoleReplied(ReplyAction action, const std::string& chunk) {
    switch (action) {
        case ReplyAction::SendOne:
        case ReplyAction::SendLoginName:
        case ReplyAction::SendPassword:
        case ReplyAction::LoginAccepted:
        case ReplyAction::LoginRefused:
        case ReplyAction::EnableLogin:
            return;  // the login flow's
        case ReplyAction::ShowInterfaceInfo: {
            QString text = ToQString(InterfaceInfoText(chunk));
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            form2_->ShowInformation(text);
            return;
        }
        case ReplyAction::CloseWindow:
            close();
            return;
        default:
            break;
    }
    const auto reads = ReadsAfterReply(action);
    for (const ReadStep read : reads) {
        ReadAll(read);
    }
    if (reads.empty()) {
        // The page that owns the reply: rows, the ARP table, the add line
        // after a delete (which sets its own code).
        for (Page* page : pages_) {
            page->ConsoleReply(action, chunk);
        }
    }
}

}  // namespace tessel
