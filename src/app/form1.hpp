#pragma once

// The main window: the login block, the page control, the bottom buttons,
// the status bar and popup. It assembles the pages, implements their host
// and acts on what the console channel reports.

#include "app/console_channel.hpp"
#include "app/login_block.hpp"
#include "app/login_flow.hpp"
#include "core/console/reply_dispatch.hpp"
#include "core/session/router_model.hpp"
#include "core/session/runtime_config.hpp"
#include "core/session/session.hpp"
#include "viewkit/page.hpp"
#include "viewkit/page_host.hpp"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAbstractButton;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTimer;
class QToolButton;

namespace tessel {

class RecentRoutersBox;
class StatusPanels;
class StatusPopup;
class TForm2;

class TForm1 : public QMainWindow, public PageHost, public SessionListener, public LoginBlock {
    Q_OBJECT
  public:
    // transport: the SNMP exchanges of the session (the real client in the
    // program; tests may pass their own). config: the console port and the
    // trace, as read at start-up.
    TForm1(SnmpTransport transport, const RuntimeConfig& config, QWidget* parent = nullptr);
    // With the configuration the environment gives now.
    explicit TForm1(SnmpTransport transport, QWidget* parent = nullptr);
    ~TForm1() override;

    // Start-up: login layout, source addresses, and the login at once when
    // commandLine (the whole process command line) names all four values.
    void FormCreate(const std::string& commandLine);

    // Login, logout, quit.
    void Button1Click() { login_->Button1Click(); }
    void Button29Click();
    void Button9Click();
    void ResetToLoginLayout();
    void DisableConsoleButtons() { SetConsoleButtonsEnabled(false); }
    void EnableConsoleButtons() { SetConsoleButtonsEnabled(true); }

    // Session-wide load and refresh.
    void PostLoginLoad();
    void Button10Click();
    void Button11Click();

    // Every page that has a step in one of the read orders, in tab order.
    void ReadAll(ReadStep step);
    // For tests and benchmarks: runs around each ReadAll (read performs it),
    // to time a step or leave one out.
    using ReadAround = std::function<void(ReadStep step, const std::function<void()>& read)>;
    void SetReadAround(ReadAround around) { readAround_ = std::move(around); }

    // PageHost
    bool SendCommand(const ConsoleCommand& command) override { return console_->Send(command); }
    bool RunCommand(const ConsoleCommand& command) override;
    bool SendLine(const std::string& line) override { return console_->SendLine(line); }
    void ReportStopped() override { console_->StopReport(); }
    void ReplyAbandoned(ReplyCode waitingCode) override { console_->Abandon(waitingCode); }
    void AddConsoleButton(QAbstractButton* button) override;
    void SetConsoleButtonsEnabled(bool enabled) override;
    void Inform(const QString& text, const QString& caption) override;
    bool Ask(const QString& text, const QString& caption) override;
    QToolButton* MakeHelpButton(QWidget* parent, const QString& name) override;
    void ShowStatusPopup(const QString& text) override;
    void SetCaption(const QString& caption) override { SetTitle(caption); }
    QString Title() const override;
    RouterModel& Router() override { return router_; }
    bool SessionLoaded() const override { return session_.SessionLoaded; }

    Session& CurrentSession() { return session_; }
    ConsoleChannel& Console() { return *console_; }
    TForm2* InformationWindow() const { return form2_.get(); }
    RecentRoutersBox* RecentRouterList() const { return recentRouters_; }
    QString PanelText(int panel) const;
    bool IsManagedLayout() const { return managed_; }

    // SessionListener
    void RequestCountsChanged(long sent, long errors, long row) override;
    bool ErrorLimitReached() override;

    static constexpr int ProbeRepeatLimit = LoginFlow::ProbeRepeatLimit;

    // Managed layout.
    QTabWidget* main;
    QPlainTextEdit* Memo3;
    QPushButton* Button29;
    QPushButton* Button11;
    QPushButton* Button10;
    QPushButton* Button9;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;

  signals:
    // The window was closed (close box or "Quit" answered by the router).
    void Closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildManagedLayout(QWidget* area);
    void BuildPages();
    void BuildTimers();
    void SetWindowSize(int width, int height);
    void SetTitle(const QString& title);
    void FillSourceAddresses();
    void ShowSessionControls(bool visible);
    // A reply after the login dialogue: the re-reads it asks for, or the
    // page that owns it.
    void ConsoleReplied(ReplyAction action, const std::string& chunk);
    void PageShown(int index);

    QTimer* Timer(int number) const { return timers_[static_cast<std::size_t>(number - 1)]; }

    Session session_;
    RouterModel router_;
    ConsoleChannel* console_;
    LoginFlow* login_ = nullptr;
    std::vector<Page*> pages_;
    ReadAround readAround_;
    std::unique_ptr<TForm2> form2_;
    std::vector<QAbstractButton*> consoleButtons_;
    StatusPanels* statusPanels_ = nullptr;
    StatusPopup* statusPopup_ = nullptr;
    // Timer1 .. Timer12 at index 0 .. 11, wherever each lives.
    std::array<QTimer*, 12> timers_{};
    bool managed_ = false;
};

}  // namespace tessel
