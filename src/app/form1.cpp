// The main window: building it, switching between the login and the managed
// layout, and showing what the session controller reports.

#include "app/form1.hpp"

#include "app/console_log_button.hpp"
#include "app/console_log_feed.hpp"
#include "app/console_log_window.hpp"
#include "app/help_button.hpp"
#include "app/interface_info_window.hpp"
#include "app/local_addresses.hpp"
#include "app/status_panels.hpp"
#include "app/status_popup.hpp"
#include "core/session/command_line.hpp"
#include "core/session/window_caption.hpp"
#include "viewkit/named.hpp"
#include "viewkit/text_bridge.hpp"
#include "widgets/application_title.hpp"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>

#include <array>

namespace tessel {

MainWindow::MainWindow(SnmpTransport transport, QWidget* parent)
    : MainWindow(std::move(transport), ReadProcessRuntimeConfig(), parent) {}

MainWindow::MainWindow(SnmpTransport transport, const RuntimeConfig& config, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint),
      infoWindow_(std::make_unique<InterfaceInfoWindow>()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ToQString(LoginWindowCaption));

    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(area);
    BuildLoginBlock(area);
    controller_ = new SessionController(std::move(transport), config, *this, *this, this);
    connect(loginButton_, &QPushButton::clicked, &controller_->Login(), &LoginFlow::OnLogin);
    BuildManagedLayout(area);
    ShowSessionControls(false);
    BuildPages();
    controller_->AddConsoleButton(saveAllButton_);
    SetWindowSize(269, 340);
}

MainWindow::~MainWindow() = default;

void MainWindow::FormCreate(const std::string& commandLine) {
    SetWindowSize(269, 340);
    controller_->Console().Reset();
    FillSourceAddresses();
    SetCaption(ToQString(LoginWindowCaption));
    statusBar()->hide();
    CommandLineValues values;
    if (ParseCommandLine(commandLine, values)) {
        destinationAddressEdit_->setText(ToQString(values.host));
        loginNameEdit_->setText(ToQString(values.login));
        passwordEdit_->setText(ToQString(values.password));
        communityEdit_->setText(ToQString(values.community));
        OnLogin();
    }
}

void MainWindow::FillSourceAddresses() {
    QStringList addresses;
    ListLocalAddresses(addresses);
    sourceAddressCombo_->clear();
    sourceAddressCombo_->addItems(addresses);
    if (sourceAddressCombo_->count() > 0) {
        sourceAddressCombo_->setCurrentIndex(0);
    }
}

void MainWindow::BuildManagedLayout(QWidget* area) {
    pageTabs_ = Named(new QTabWidget(area), "main");
    pageTabs_->setGeometry(0, 0, 707, 432);
    pageTabs_->hide();

    statusPopup_ = new StatusPopup(area);
    statusPopupMemo_ = statusPopup_->statusPopupMemo_;
    controller_->HoldAtErrorLimit(statusPopup_->statusPopupTimer_);

    const char* names[] = {"Button29", "Button11", "Button10", "Button9"};
    const char* captions[] = {"Log out", "Save all", "Refresh all", "Quit"};
    std::array<QPushButton*, 4> buttons{};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i] = Named(new QPushButton(QLatin1String(captions[i]), area), names[i]);
        buttons[i]->setGeometry(344 + static_cast<int>(i) * 88, 460, 80, 25);
    }
    logOutButton_ = buttons[0];
    saveAllButton_ = buttons[1];
    refreshAllButton_ = buttons[2];
    quitButton_ = buttons[3];
    connect(logOutButton_, &QPushButton::clicked, this, &MainWindow::OnLogOut);
    connect(saveAllButton_, &QPushButton::clicked, this, &MainWindow::OnSaveAll);
    connect(refreshAllButton_, &QPushButton::clicked, this, &MainWindow::OnRefreshAll);
    connect(quitButton_, &QPushButton::clicked, this, &MainWindow::OnQuit);

    statusPanels_ = new StatusPanels(statusBar(), this);
    BuildConsoleLog(area);
}

void MainWindow::BuildConsoleLog(QWidget* area) {
    consoleLog_ = std::make_unique<ConsoleLogWindow>(controller_->Log(), this);
    connect(&controller_->LogFeed(), &ConsoleLogFeed::Added, consoleLog_.get(),
            &ConsoleLogWindow::EntriesAdded);
    // The status popup fills the row left of "Log out" whenever it shows, so
    // the opener sits under "Log out", in the free strip above the status bar.
    LogButton = new ConsoleLogButton(*consoleLog_, area);
    LogButton->setGeometry(344, 493, 168, 25);
}

void MainWindow::SetWindowSize(int width, int height) {
    setFixedSize(width, height);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(width / 2, height / 2));
    }
}

void MainWindow::ShowSessionControls(bool visible) {
    for (QWidget* widget : std::initializer_list<QWidget*>{pageTabs_, quitButton_,
                                                           refreshAllButton_, saveAllButton_}) {
        widget->setVisible(visible);
    }
    // "Log out" stays shown in both layouts but lies outside the small login
    // window, where Tab must not reach it: Space there would offer a logout
    // that empties what the operator has typed. So does the console log's
    // opener, whose Ctrl+L then opens the log during a login too, when what
    // the router said matters most.
    logOutButton_->setFocusPolicy(visible ? Qt::StrongFocus : Qt::NoFocus);
    LogButton->setFocusPolicy(visible ? Qt::StrongFocus : Qt::NoFocus);
}

void MainWindow::ShowLoadProgress(int percent) {
    loginProgressBar_->setRange(0, 100);
    loginProgressBar_->setValue(percent);
}

void MainWindow::ShowStatusBar() {
    statusBar()->show();
}

void MainWindow::ShowManagedLayout() {
    SetLoginBlockVisible(false);
    SetWindowSize(707, 564);
    ShowSessionControls(true);
    managed_ = true;
}

void MainWindow::ShowLoginLayout() {
    SetWindowSize(269, 340);
    FillSourceAddresses();
    ClearLoginFields();
    statusBar()->hide();
    ShowSessionControls(false);
    SetCaption(ToQString(LoginWindowCaption));
    managed_ = false;
}

void MainWindow::SetCaption(const QString& caption) {
    setWindowTitle(caption);
    SetApplicationTitle(caption);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    infoWindow_->hide();
    emit Closed();
}

void MainWindow::PageShown(int index) {
    // The interfaces and routing pages repaint at once when shown; so does
    // the system page, which costs nothing.
    if (QWidget* page = pageTabs_->widget(index)) {
        page->repaint();
    }
}

QToolButton* MainWindow::MakeHelpButton(QWidget* parent, const QString& name) {
    return tessel::MakeHelpButton(parent, name,
                                  [this](const QString& text) { ShowStatusPopup(text); });
}

void MainWindow::ShowStatusPopup(const QString& text) {
    statusPopup_->Show(text);
}

void MainWindow::ShowPanelText(int panel, const QString& text) {
    statusPanels_->SetText(panel, text);
}

QString MainWindow::PanelText(int panel) const {
    return statusPanels_->Text(panel);
}

void MainWindow::RequestCountsChanged(long sent, long errors, long row) {
    statusPanels_->CountsChanged(sent, errors, row);
}

void MainWindow::ShowInterfaceInfo(const QString& text) {
    infoWindow_->ShowInformation(text);
}

}  // namespace tessel
