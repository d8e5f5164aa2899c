// Building the main window: the login block, the page control with its tabs,
// the bottom buttons, the status popup and bar, the timers.

#include "app/form1.hpp"

#include "app/form2.hpp"
#include "app/help_button.hpp"
#include "app/login_keys.hpp"
#include "app/message_service.hpp"
#include "app/placeholder_page.hpp"
#include "app/recent_routers_box.hpp"
#include "core/session/status_texts.hpp"
#include "core/session/trace.hpp"
#include "viewkit/text_bridge.hpp"
#include "widgets/application_title.hpp"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTcpSocket>
#include <QTimer>

namespace tessel {

namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption, int y) {
    auto* label = Named(new QLabel(QLatin1String(caption), parent), name);
    label->setGeometry(8, y, 142, 21);
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, int y) {
    auto* edit = Named(new QLineEdit(parent), name);
    edit->setGeometry(150, y, 111, 21);
    return edit;
}

}  // namespace

TForm1::TForm1(SnmpTransport transport, QWidget* parent)
    : TForm1(std::move(transport), ReadProcessRuntimeConfig(), parent) {}

TForm1::TForm1(SnmpTransport transport, const RuntimeConfig& config, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint),
      session_(std::move(transport), ProcessTrace(config.trace)),
      form2_(std::make_unique<TForm2>()),
      trace_(ProcessTrace(config.trace)),
      consolePort_(config.consolePort) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tessel Manager - Login"));
    session_.SetListener(this);

    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(area);
    BuildLoginBlock(area);
    BuildManagedLayout(area);
    ShowSessionControls(false);
    // The pages take the timers they drive, so the timers come first.
    BuildTimers();
    BuildPages();

    ClientSocket1 = Named(new QTcpSocket(this), "ClientSocket1");
    connect(ClientSocket1, &QTcpSocket::connected, this, &TForm1::ClientSocket1Connect);
    connect(ClientSocket1, &QTcpSocket::disconnected, this, &TForm1::ClientSocket1Disconnect);
    connect(ClientSocket1, &QTcpSocket::errorOccurred, this,
            [this](QAbstractSocket::SocketError error) { ClientSocket1Error(error); });
    connect(ClientSocket1, &QTcpSocket::readyRead, this, &TForm1::ClientSocket1Read);

    AddConsoleButton(Button11);
    SetWindowSize(269, 340);
}

TForm1::~TForm1() {
    // The socket's own signals must not reach a half-destroyed window.
    ClientSocket1->disconnect(this);
}

void TForm1::BuildLoginBlock(QWidget* area) {
    Label86 = MakeLabel(area, "Label86", "Destination IP-address:", 24);
    Edit5 = MakeEdit(area, "Edit5", 24);
    Label87 = MakeLabel(area, "Label87", "Login:", 56);
    Edit12 = MakeEdit(area, "Edit12", 56);
    Label88 = MakeLabel(area, "Label88", "Password:", 88);
    Edit13 = MakeEdit(area, "Edit13", 88);
    Edit13->setEchoMode(QLineEdit::Password);
    Label89 = MakeLabel(area, "Label89", "Source IP-address:", 120);
    ComboBox13 = Named(new QComboBox(area), "ComboBox13");
    ComboBox13->setEditable(false);
    ComboBox13->setGeometry(150, 120, 111, 21);
    Label93 = MakeLabel(area, "Label93", "Community:", 152);
    Edit15 = MakeEdit(area, "Edit15", 152);
    recentRouters_ = new RecentRoutersBox(Edit5, Edit12, Edit15);
    Label85 = Named(new QLabel(area), "Label85");
    Label85->setGeometry(16, 184, 237, 34);
    Label85->setWordWrap(true);
    Label85->setAlignment(Qt::AlignCenter);
    Button1 = Named(new QPushButton(QStringLiteral("Login"), area), "Button1");
    Button1->setGeometry(97, 228, 75, 25);
    Button1->setDefault(true);
    ProgressBar3 = Named(new QProgressBar(area), "ProgressBar3");
    ProgressBar3->setGeometry(16, 268, 237, 17);
    ProgressBar3->setRange(0, 100);
    ProgressBar3->setTextVisible(false);
    ProgressBar3->hide();

    setTabOrder(Edit5, Edit12);
    setTabOrder(Edit12, Edit13);
    setTabOrder(Edit13, ComboBox13);
    setTabOrder(ComboBox13, Edit15);
    setTabOrder(Edit15, Button1);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    PressOnEnter(Button1, {Edit5, Edit12, Edit13, ComboBox13, Edit15});
}

void TForm1::BuildManagedLayout(QWidget* area) {
    main = Named(new QTabWidget(area), "main");
    main->setGeometry(0, 0, 707, 432);
    main->hide();

    Memo3 = Named(new QPlainTextEdit(area), "Memo3");
    Memo3->setGeometry(8, 440, 321, 67);
    Memo3->setReadOnly(true);
    Memo3->setFrameShape(QFrame::NoFrame);
    Memo3->setBackgroundRole(QPalette::Window);
    Memo3->viewport()->setBackgroundRole(QPalette::Window);
    Memo3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont popupFont(QStringLiteral("Verdana"));
    popupFont.setPixelSize(10);
    Memo3->setFont(popupFont);
    Memo3->viewport()->installEventFilter(this);
    Memo3->hide();

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

    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = new QLabel(bar);
        panels_[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        panels_[i]->setFrameShape(QFrame::StyledPanel);
    }
    // Panels of 300, 200 and 300 pixels would overrun the 707-pixel window
    // and cut off the counts, whose row figure tells the operator how near
    // the error limit the session is. Each panel is sized by the widest text
    // it gets in a long session: an uptime just short of where the 32-bit
    // TimeTicks wrap (497 days), a full CPU load, ten million reads. The CPU
    // load takes exactly its share; the uptime and the counts share the
    // rest in proportion to theirs. Their widths do not follow their texts,
    // so the panels stay put while the numbers grow.
    const std::array<QString, 3> widest = {ToQString(UptimeTextFromTicks(4294079900)),
                                           ToQString(CpuLoadText("100")),
                                           ToQString(RequestCountsText(9999999, 999999, 21))};
    std::array<int, 3> needed{};
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        panels_[i]->setText(widest[i]);
        needed[i] = panels_[i]->sizeHint().width();
        panels_[i]->clear();
    }
    panels_[1]->setFixedWidth(needed[1]);
    for (const std::size_t i : {std::size_t{0}, std::size_t{2}}) {
        panels_[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        panels_[i]->setMinimumWidth(0);
    }
    bar->addWidget(panels_[0], needed[0]);
    bar->addWidget(panels_[1]);
    bar->addWidget(panels_[2], needed[2]);
    bar->hide();
}

void TForm1::BuildTimers() {
    // Intervals at start-up; the auto-update periods change with their editors.
    const int intervals[] = {6000, 5000, 5000, 1000, 1000, 1000,
                             1000, 3000, 5000, 1000, 1000, 3000};
    for (std::size_t i = 0; i < Timers.size(); ++i) {
        Timers[i] = new QTimer(this);
        Timers[i]->setObjectName(QStringLiteral("Timer%1").arg(i + 1));
        Timers[i]->setInterval(intervals[i]);
    }
    Timer(9)->setSingleShot(true);
    Timer(10)->setSingleShot(true);
    connect(Timer(1), &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(Timer(8), &QTimer::timeout, this, &TForm1::Timer8Timer);
    connect(Timer(9), &QTimer::timeout, this, &TForm1::Timer9Timer);
    connect(Timer(10), &QTimer::timeout, this, &TForm1::Timer10Timer);
    requestCountsTimer_ = new QTimer(this);
    requestCountsTimer_->setSingleShot(true);
    requestCountsTimer_->setInterval(0);
    connect(requestCountsTimer_, &QTimer::timeout, this, &TForm1::ShowRequestCounts);
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

void TForm1::SetConsoleButtonsEnabled(bool enabled) {
    for (QAbstractButton* button : consoleButtons_) {
        button->setEnabled(enabled);
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

QString TForm1::Title() const {
    return ApplicationTitle();
}

QString TForm1::PanelText(int panel) const {
    if (panel < 0 || panel >= static_cast<int>(panels_.size())) {
        return {};
    }
    if (panel == 2 && requestCountsTimer_->isActive()) {
        // The newest counts, even before the panel has taken them.
        return RequestCountsQText();
    }
    return panels_[static_cast<std::size_t>(panel)]->text();
}

QString TForm1::RequestCountsQText() const {
    return ToQString(RequestCountsText(requestCounts_[0], requestCounts_[1], requestCounts_[2]));
}

void TForm1::PageShown(int index) {
    // The interfaces and routing pages repaint at once when shown; so does
    // the system page, which costs nothing.
    if (QWidget* page = main->widget(index)) {
        page->repaint();
    }
}

}  // namespace tessel
