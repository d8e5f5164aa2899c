// The main window: building it, switching between the login and the managed
// layout, and showing what the session controller reports.

#include "app/form1.hpp"

#include "app/console_log_button.hpp"
#include "app/console_log_feed.hpp"
#include "app/console_log_window.hpp"
#include "app/form2.hpp"
#include "app/help_button.hpp"
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

TForm1::TForm1(SnmpTransport transport, QWidget* parent)
    : TForm1(std::move(transport), ReadProcessRuntimeConfig(), parent) {}

TForm1::TForm1(SnmpTransport transport, const RuntimeConfig& config, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint),
      form2_(std::make_unique<TForm2>()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ToQString(LoginWindowCaption));

    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(area);
    BuildLoginBlock(area);
    controller_ = new SessionController(std::move(transport), config, *this, *this, this);
    connect(Button1, &QPushButton::clicked, &controller_->Login(), &LoginFlow::Button1Click);
    BuildManagedLayout(area);
    ShowSessionControls(false);
    BuildPages();
    controller_->AddConsoleButton(Button11);
    SetWindowSize(269, 340);
}

TForm1::~TForm1() = default;

void TForm1::FormCreate(const std::string& commandLine) {
    SetWindowSize(269, 340);
    controller_->Console().Reset();
    FillSourceAddresses();
    SetCaption(ToQString(LoginWindowCaption));
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

void TForm1::BuildManagedLayout(QWidget* area) {
    main = Named(new QTabWidget(area), "main");
    main->setGeometry(0, 0, 707, 432);
    main->hide();

    statusPopup_ = new StatusPopup(area);
    Memo3 = statusPopup_->Memo3;
    controller_->HoldAtErrorLimit(statusPopup_->Timer10);

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
    connect(Button29, &QPushButton::clicked, this, &TForm1::Button29Click);
    connect(Button11, &QPushButton::clicked, this, &TForm1::Button11Click);
    connect(Button10, &QPushButton::clicked, this, &TForm1::Button10Click);
    connect(Button9, &QPushButton::clicked, this, &TForm1::Button9Click);

    statusPanels_ = new StatusPanels(statusBar(), this);
    BuildConsoleLog(area);
}

void TForm1::BuildConsoleLog(QWidget* area) {
    consoleLog_ = std::make_unique<ConsoleLogWindow>(controller_->Log(), this);
    connect(&controller_->LogFeed(), &ConsoleLogFeed::Added, consoleLog_.get(),
            &ConsoleLogWindow::EntriesAdded);
    // The status popup fills the row left of "Log out" whenever it shows, so
    // the opener sits under "Log out", in the free strip above the status bar.
    LogButton = new ConsoleLogButton(*consoleLog_, area);
    LogButton->setGeometry(344, 493, 168, 25);
}

void TForm1::SetWindowSize(int width, int height) {
    setFixedSize(width, height);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(width / 2, height / 2));
    }
}

void TForm1::ShowSessionControls(bool visible) {
    for (QWidget* widget : std::initializer_list<QWidget*>{main, Button9, Button10, Button11}) {
        widget->setVisible(visible);
    }
    // "Log out" stays shown in both layouts but lies outside the small login
    // window, where Tab must not reach it: Space there would offer a logout
    // that empties what the operator has typed. So does the console log's
    // opener, whose Ctrl+L then opens the log during a login too, when what
    // the router said matters most.
    Button29->setFocusPolicy(visible ? Qt::StrongFocus : Qt::NoFocus);
    LogButton->setFocusPolicy(visible ? Qt::StrongFocus : Qt::NoFocus);
}

void TForm1::ShowLoadProgress(int percent) {
    ProgressBar3->setRange(0, 100);
    ProgressBar3->setValue(percent);
}

void TForm1::ShowStatusBar() {
    statusBar()->show();
}

void TForm1::ShowManagedLayout() {
    SetLoginBlockVisible(false);
    SetWindowSize(707, 564);
    ShowSessionControls(true);
    managed_ = true;
}

void TForm1::ShowLoginLayout() {
    SetWindowSize(269, 340);
    FillSourceAddresses();
    ClearLoginFields();
    statusBar()->hide();
    ShowSessionControls(false);
    SetCaption(ToQString(LoginWindowCaption));
    managed_ = false;
}

void TForm1::SetCaption(const QString& caption) {
    setWindowTitle(caption);
    SetApplicationTitle(caption);
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

QToolButton* TForm1::MakeHelpButton(QWidget* parent, const QString& name) {
    return tessel::MakeHelpButton(parent, name,
                                  [this](const QString& text) { ShowStatusPopup(text); });
}

void TForm1::ShowStatusPopup(const QString& text) {
    statusPopup_->Show(text);
}

void TForm1::ShowPanelText(int panel, const QString& text) {
    statusPanels_->SetText(panel, text);
}

QString TForm1::PanelText(int panel) const {
    return statusPanels_->Text(panel);
}

void TForm1::RequestCountsChanged(long sent, long errors, long row) {
    statusPanels_->CountsChanged(sent, errors, row);
}

void TForm1::ShowInterfaceInfo(const QString& text) {
    form2_->ShowInformation(text);
}

}  // namespace tessel
