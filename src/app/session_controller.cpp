#include "app/session_controller.hpp"

#include "app/console_channel.hpp"
#include "app/console_log_feed.hpp"
#include "app/error_limit_gate.hpp"
#include "app/live_counters.hpp"
#include "app/login_flow.hpp"
#include "app/message_service.hpp"
#include "app/session_window.hpp"
#include "core/console/console_line.hpp"
#include "core/session/load_order.hpp"
#include "core/session/trace.hpp"
#include "core/session/window_caption.hpp"
#include "core/snmp/oids.hpp"
#include "viewkit/console_buttons.hpp"
#include "viewkit/text_bridge.hpp"
#include "widgets/application_title.hpp"

#include <QAbstractButton>
#include <QTimer>
#include <QWidget>

namespace tessel {

SessionController::SessionController(SnmpTransport transport, const RuntimeConfig& config,
                                     SessionWindow& view, LoginBlock& block, QWidget* window)
    : QObject(window),
      view_(view),
      window_(window),
      session_(std::move(transport), ProcessTrace(config.trace)),
      logFeed_(new ConsoleLogFeed(consoleLog_, this)),
      console_(new ConsoleChannel(ProcessTrace(config.trace), config.consolePort, window)),
      login_(new LoginFlow(session_, *console_, block, window)),
      gate_(new ErrorLimitGate(
          session_, window, [this] { ResetToLoginLayout(); }, this)),
      counters_(new LiveCounters(session_, view, this)) {
    session_.SetListener(this);
    console_->SetObserver(logFeed_);
    connect(gate_, &ErrorLimitGate::Asked, logFeed_, &ConsoleLogFeed::ErrorLimitAsked);
    connect(gate_, &ErrorLimitGate::Answered, logFeed_, &ConsoleLogFeed::ErrorLimitAnswered);
    connect(login_, &LoginFlow::Accepted, this, &SessionController::PostLoginLoad);
    connect(console_, &ConsoleChannel::Reply, this, &SessionController::Replied);
    connect(console_, &ConsoleChannel::Completed, this, &SessionController::ReadSteps);
    AddReadTimer(counters_->uptimeTimer_, [this] { counters_->OnUptimeTick(); });
    AddReadTimer(counters_->cpuLoadTimer_, [this] { counters_->OnCpuLoadTick(); });
    HoldAtErrorLimit(login_->connectTimeoutTimer_);
}

SessionController::~SessionController() {
    // The channel and the login flow outlive the controller by a moment as
    // the window's children; nothing they report may reach it.
    console_->disconnect(this);
    console_->SetObserver(nullptr);
    login_->disconnect(this);
}

void SessionController::AddPage(Page& page) {
    pages_.push_back(&page);
    for (const ReadStep step : page.Steps()) {
        stepOwners_[step] = &page;
    }
    for (const ReplyAction action : page.Replies()) {
        replyOwners_[action] = &page;
    }
}

void SessionController::PostLoginLoad() {
    session_.SessionLoaded = false;
    session_.RouterHost = login_->Values().destination;
    counters_->cpuLoadTimer_->start();
    session_.Accounting().Reset();
    gate_->Reset();
    for (Page* page : pages_) {
        page->PrepareLoad();
    }
    if (!LoadPages()) {
        return;  // "Yes" at the error limit: the login layout stays
    }
    console_->Send({"arp view", ReplyCode::ArpTable});
    view_.ShowLoadProgress(100);
    for (Page* page : pages_) {
        page->ResetAfterLoad();
    }
    view_.ShowManagedLayout();
    counters_->uptimeTimer_->start();
    if (!gate_->Run([this] { ReadCaption(); })) {
        return;
    }
    session_.SessionLoaded = true;
}

bool SessionController::LoadPages() {
    for (const LoadStep& load : PostLoginLoadOrder()) {
        if (!gate_->Run([this, step = load.step] { ReadOnOwner(step); })) {
            return false;
        }
        if (load.progress > 0) {
            view_.ShowLoadProgress(load.progress);
        }
        if (load.step == ReadStep::RadioParameters) {
            view_.ShowStatusBar();
        }
    }
    return true;
}

void SessionController::ReadCaption() {
    std::string name;
    session_.GetCounted(oids::SysName, name);
    view_.SetCaption(ToQString(RouterWindowCaption(name, session_.RouterHost)));
}

void SessionController::RefreshAll() {
    ReadSteps(RefreshAllOrder());
}

void SessionController::ReadNow(ReadStep step) {
    gate_->Run([this, step] { ReadOnOwner(step); });
}

void SessionController::ReadSteps(std::span<const ReadStep> steps) {
    for (const ReadStep step : steps) {
        if (!gate_->Run([this, step] { ReadOnOwner(step); })) {
            return;
        }
    }
}

void SessionController::ReadOnOwner(ReadStep step) {
    const auto owner = stepOwners_.find(step);
    if (owner == stepOwners_.end()) {
        return;
    }
    Page* page = owner->second;
    const auto read = [page, step] { page->Read(step); };
    if (readAround_) {
        readAround_(step, read);
    } else {
        read();
    }
}

void SessionController::SaveAll() {
    console_->SendLine("co save");
}

void SessionController::Quit() {
    console_->Send({"quit", ReplyCode::Quit});
}

void SessionController::LogOut() {
    if (Ask(QStringLiteral("Are you sure you want to log out?"), QStringLiteral("Warning"))) {
        ResetToLoginLayout();
    }
}

void SessionController::ResetToLoginLayout() {
    console_->Close();
    console_->Reset();
    counters_->Stop();
    view_.ShowLoginLayout();
}

void SessionController::Replied(ReplyAction action, const std::string& chunk) {
    if (action == ReplyAction::ShowInterfaceInfo) {
        QString text = ToQString(InterfaceInfoText(chunk));
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        view_.ShowInterfaceInfo(text);
    } else if (action == ReplyAction::CloseWindow) {
        view_.CloseWindow();
    } else if (const auto owner = replyOwners_.find(action); owner != replyOwners_.end()) {
        // Rows, the ARP table, the add line after a delete. The login
        // dialogue's steps are the login flow's.
        owner->second->ConsoleReply(action, chunk);
    }
}

void SessionController::RequestCountsChanged(long sent, long errors, long row) {
    view_.RequestCountsChanged(sent, errors, row);
    if (session_.Accounting().Suspended()) {
        gate_->ReadsSuspended();
    }
}

bool SessionController::SendCommand(const ConsoleCommand& command) {
    return console_->Send(command);
}

bool SessionController::RunCommand(const ConsoleCommand& command) {
    // A refused line is not shown: the operator gets the channel's box.
    if (IsSafeConsoleText(command.line)) {
        view_.ShowStatusPopup(ToQString(command.line));
    }
    return console_->Send(command);
}

bool SessionController::SendLine(const std::string& line) {
    return console_->SendLine(line);
}

void SessionController::LineRefused(const std::string& text, const std::string& why) {
    logFeed_->LineRefused(text, why);
}

void SessionController::ExchangeFailed(SnmpExchangeKind kind, const std::string& oid,
                                       const std::string& host) {
    logFeed_->ExchangeFailed(kind, oid, host);
}

void SessionController::ReportStopped() {
    console_->StopReport();
}

void SessionController::ReplyAbandoned(ReplyCode waitingCode) {
    console_->Abandon(waitingCode);
}

void SessionController::HoldAtErrorLimit(QTimer* timer) {
    gate_->AddTimer(timer);
}

void SessionController::AddReadTimer(QTimer* timer, std::function<void()> tick) {
    gate_->AddTimer(timer);
    connect(timer, &QTimer::timeout, this, [this, tick = std::move(tick)] { gate_->Run(tick); });
}

void SessionController::AddConsoleButton(QAbstractButton* button) {
    consoleButtons_.push_back(button);
}

void SessionController::SetConsoleButtonsEnabled(bool enabled) {
    LockConsoleButtons(consoleButtons_, consoleLocks_, enabled);
}

void SessionController::Inform(const QString& text, const QString& caption) {
    Messages().Inform(window_, text, caption);
}

bool SessionController::Ask(const QString& text, const QString& caption) {
    return Messages().AskYesNo(window_, text, caption);
}

QToolButton* SessionController::MakeHelpButton(QWidget* parent, const QString& name) {
    return view_.MakeHelpButton(parent, name);
}

void SessionController::ShowStatusPopup(const QString& text) {
    view_.ShowStatusPopup(text);
}

void SessionController::SetCaption(const QString& caption) {
    view_.SetCaption(caption);
}

QString SessionController::Title() const {
    return ApplicationTitle();
}

}  // namespace tessel
