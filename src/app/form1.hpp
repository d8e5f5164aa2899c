#pragma once

// The main window: login block, page control, status bar and popup, the
// console channel and the session it carries. The window assembles the
// pages; each page owns its own controls and reads through the session.

#include "core/console/reply_dispatch.hpp"
#include "core/session/router_model.hpp"
#include "core/session/runtime_config.hpp"
#include "core/session/session.hpp"
#include "viewkit/page.hpp"
#include "viewkit/page_host.hpp"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTcpSocket;
class QTimer;
class QToolButton;

namespace tessel {

class RecentRoutersBox;
class TForm2;
class TraceLog;

class TForm1 : public QMainWindow, public PageHost, public SessionListener {
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
    void Button1Click();
    void Button29Click();
    void Button9Click();
    void ResetToLoginLayout();
    void DisableConsoleButtons();
    void EnableConsoleButtons();

    // Console channel. Both return false when the text was not sent because
    // it would carry a line break (the operator has been told).
    bool SendConsoleLine(const std::string& text, const std::string& description = {});
    bool RunConsoleCommand(const std::string& command, int replyState,
                           const std::string& description = {});

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
    bool SendCommand(const ConsoleCommand& command) override;
    bool RunCommand(const ConsoleCommand& command) override;
    bool SendLine(const std::string& line) override { return SendConsoleLine(line); }
    void ReportStopped() override;
    void ReplyAbandoned(ReplyCode waitingCode) override;
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
    TForm2* InformationWindow() const { return form2_.get(); }
    RecentRoutersBox* RecentRouterList() const { return recentRouters_; }
    QString PanelText(int panel) const;
    bool IsManagedLayout() const { return managed_; }

    // SessionListener
    void RequestCountsChanged(long sent, long errors, long row) override;
    bool ErrorLimitReached() override;

    // Probe attempts after the first success before giving up.
    static constexpr int ProbeRepeatLimit = 3;

    // Login block.
    QLabel* Label86;
    QLabel* Label87;
    QLabel* Label88;
    QLabel* Label89;
    QLabel* Label93;
    QLineEdit* Edit5;
    QLineEdit* Edit12;
    QLineEdit* Edit13;
    QComboBox* ComboBox13;
    QLineEdit* Edit15;
    QLabel* Label85;
    QPushButton* Button1;
    QProgressBar* ProgressBar3;

    // Managed layout.
    QTabWidget* main;
    QPlainTextEdit* Memo3;
    QPushButton* Button29;
    QPushButton* Button11;
    QPushButton* Button10;
    QPushButton* Button9;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;

    QTcpSocket* ClientSocket1;
    // Timer1 .. Timer12 at index 0 .. 11.
    std::array<QTimer*, 12> Timers{};

  signals:
    // The window was closed (close box or "Quit" answered by the router).
    void Closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildLoginBlock(QWidget* area);
    void BuildManagedLayout(QWidget* area);
    void BuildPages();
    void BuildTimers();
    void SetWindowSize(int width, int height);
    void SetTitle(const QString& title);
    void SetLoginBlockVisible(bool visible);
    void FillSourceAddresses();
    void ShowSessionControls(bool visible);

    // The console line of SendConsoleLine; a secret line shows masked in
    // the trace.
    bool WriteLine(const std::string& text, bool secret);
    void TraceReceived(const std::string& chunk) const;
    std::string DialogueMasked(const std::string& bytes) const;

    bool ProbeRouter(const std::string& host);
    void OpenConsole(const QString& host);
    void BindConsoleSource(const QString& host);
    void CloseConsole();

    void ClientSocket1Connect();
    void ClientSocket1Disconnect();
    void ClientSocket1Error(int error);
    void ClientSocket1Read();
    void ReadConsoleLater();
    void HandleChunk(const std::string& chunk);
    void Timer9Timer();
    void Timer1Timer();
    void Timer8Timer();
    void Timer10Timer();
    void Memo3MouseDown(Qt::MouseButton button);
    void PageShown(int index);
    void ShowRequestCounts();

    QTimer* Timer(int number) const { return Timers[static_cast<std::size_t>(number - 1)]; }

    Session session_;
    RouterModel router_;
    std::vector<Page*> pages_;
    ReadAround readAround_;
    std::unique_ptr<TForm2> form2_;
    std::vector<QAbstractButton*> consoleButtons_;
    RecentRoutersBox* recentRouters_ = nullptr;
    std::array<QLabel*, 3> panels_{};
    // The counts change with every counted read, thousands of times in one
    // load that holds the thread; the panel takes the last of them once the
    // thread is back in the event loop, before anything is painted.
    std::array<long, 3> requestCounts_{};
    QString RequestCountsQText() const;
    QTimer* requestCountsTimer_ = nullptr;
    bool managed_ = false;
    // The console handler runs once at a time; chunks it could not take
    // then wait in the socket for a queued read.
    bool reading_ = false;
    bool readQueued_ = false;
    ReplyCollector collector_;
    // Read once: with the trace off, each line costs one test of this.
    const TraceLog* trace_;
    std::uint16_t consolePort_;
};

}  // namespace tessel
