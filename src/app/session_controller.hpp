#pragma once

// One session with the router, run by an object that is not a widget: it
// owns the SNMP session, the console channel, the router model, the login
// flow and the list of pages, and runs every read pass (the post-login load,
// "Refresh all", the reads after a console command, the timers' ticks),
// asking at the error limit between their steps. The pages reach it as their
// PageHost; what needs the window goes through SessionWindow.

#include "core/console/reply_dispatch.hpp"
#include "core/session/console_log.hpp"
#include "core/session/router_model.hpp"
#include "core/session/runtime_config.hpp"
#include "core/session/session.hpp"
#include "viewkit/page.hpp"
#include "viewkit/page_host.hpp"

#include <QObject>

#include <functional>
#include <map>
#include <span>
#include <string>
#include <vector>

class QWidget;

namespace tessel {

class ConsoleChannel;
class ConsoleLogFeed;
class ErrorLimitGate;
class LiveCounters;
class LoginFlow;
class SessionWindow;
struct LoginBlock;

class SessionController : public QObject, public PageHost, private SessionListener {
    Q_OBJECT
  public:
    // transport: the SNMP exchanges; config: the console port and the trace.
    // block: the login fields, which "Login" reads. window: the parent of the
    // controller and of its boxes.
    SessionController(SnmpTransport transport, const RuntimeConfig& config, SessionWindow& view,
                      LoginBlock& block, QWidget* window);
    ~SessionController() override;

    // The pages in tab order. Each read step and each console reply goes to
    // the page that owns it.
    void AddPage(Page& page);

    // The post-login load, run when the router has accepted the login.
    void PostLoginLoad();
    void RefreshAll();
    void SaveAll();
    void Quit();
    // "Log out", asked first; the return to the login layout it and "Yes" at
    // the error limit end in.
    void LogOut();
    void ResetToLoginLayout();
    // One step on its page (the radio after the registration changed): as a
    // pass of its own, or within the pass that is running.
    void ReadNow(ReadStep step);

    // A timer that reads nothing but stops while the operator is asked at
    // the error limit, as every timer of the session does (the popup's).
    void HoldAtErrorLimit(QTimer* timer);

    // For tests and benchmarks: runs around each step (read performs it), to
    // time a step or leave one out.
    using ReadAround = std::function<void(ReadStep step, const std::function<void()>& read)>;
    void SetReadAround(ReadAround around) { readAround_ = std::move(around); }

    LoginFlow& Login() { return *login_; }
    Session& CurrentSession() { return session_; }
    ConsoleChannel& Console() { return *console_; }
    // What the console said, and the SNMP failures and the error limit
    // beside it, for the whole run; LogFeed tells when it grows.
    ConsoleLog& Log() { return consoleLog_; }
    ConsoleLogFeed& LogFeed() { return *logFeed_; }

    // PageHost
    bool SendCommand(const ConsoleCommand& command) override;
    bool RunCommand(const ConsoleCommand& command) override;
    bool SendLine(const std::string& line) override;
    void LineRefused(const std::string& text, const std::string& why) override;
    void ReportStopped() override;
    void ReplyAbandoned(ReplyCode waitingCode) override;
    void AddReadTimer(QTimer* timer, std::function<void()> tick) override;
    void AddConsoleButton(QAbstractButton* button) override;
    void SetConsoleButtonsEnabled(bool enabled) override;
    void Inform(const QString& text, const QString& caption) override;
    bool Ask(const QString& text, const QString& caption) override;
    QToolButton* MakeHelpButton(QWidget* parent, const QString& name) override;
    void ShowStatusPopup(const QString& text) override;
    void SetCaption(const QString& caption) override;
    QString Title() const override;
    RouterModel& Router() override { return router_; }
    bool SessionLoaded() const override { return session_.SessionLoaded; }

  private:
    // The load's reads; false when the operator ended the session meanwhile.
    bool LoadPages();
    void ReadCaption();
    // Each of steps as a step of one pass.
    void ReadSteps(std::span<const ReadStep> steps);
    void ReadOnOwner(ReadStep step);
    void Replied(ReplyAction action, const std::string& chunk);
    void RequestCountsChanged(long sent, long errors, long row) override;
    void ExchangeFailed(SnmpExchangeKind kind, const std::string& oid,
                        const std::string& host) override;

    SessionWindow& view_;
    QWidget* window_;
    Session session_;
    RouterModel router_;
    ConsoleLog consoleLog_;
    ConsoleLogFeed* logFeed_;
    ConsoleChannel* console_;
    LoginFlow* login_;
    ErrorLimitGate* gate_;
    LiveCounters* counters_;
    std::vector<Page*> pages_;
    std::map<ReadStep, Page*> stepOwners_;
    std::map<ReplyAction, Page*> replyOwners_;
    std::vector<QAbstractButton*> consoleButtons_;
    int consoleLocks_ = 0;
    ReadAround readAround_;
};

}  // namespace tessel
