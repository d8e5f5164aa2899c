#pragma once

// The main window: the login block, the page control, the bottom buttons,
// the status bar and popup. It lays them out and wires them to the session
// controller, which runs the session; it shows what the controller asks.

#include "app/console_channel.hpp"
#include "app/login_block.hpp"
#include "app/login_flow.hpp"
#include "app/session_controller.hpp"
#include "app/session_window.hpp"
#include "core/session/runtime_config.hpp"
#include "core/session/session.hpp"

#include <QMainWindow>

#include <memory>
#include <string>

class QAbstractButton;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace tessel {

class ConsoleLogButton;
class ConsoleLogWindow;
class RecentRoutersBox;
class StatusPanels;
class StatusPopup;
class InterfaceInfoWindow;

class MainWindow : public QMainWindow, public SessionWindow, public LoginBlock {
    Q_OBJECT
  public:
    // transport: the SNMP exchanges of the session (the real client in the
    // program; tests may pass their own). config: the console port and the
    // trace, as read at start-up.
    MainWindow(SnmpTransport transport, const RuntimeConfig& config, QWidget* parent = nullptr);
    // With the configuration the environment gives now.
    explicit MainWindow(SnmpTransport transport, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: login layout, source addresses, and the login at once when
    // commandLine (the whole process command line) names all four values.
    void FormCreate(const std::string& commandLine);

    // The window's buttons and what tests and benchmarks drive by name; the
    // controller does the work.
    void OnLogin() { controller_->Login().OnLogin(); }
    void OnLogOut() { controller_->LogOut(); }
    void OnQuit() { controller_->Quit(); }
    void OnRefreshAll() { controller_->RefreshAll(); }
    void OnSaveAll() { controller_->SaveAll(); }
    void PostLoginLoad() { controller_->PostLoginLoad(); }
    void ResetToLoginLayout() { controller_->ResetToLoginLayout(); }
    void SetConsoleButtonsEnabled(bool on) { controller_->SetConsoleButtonsEnabled(on); }
    void AddConsoleButton(QAbstractButton* button) { controller_->AddConsoleButton(button); }
    bool SendCommand(const ConsoleCommand& command) { return controller_->SendCommand(command); }
    bool RunCommand(const ConsoleCommand& command) { return controller_->RunCommand(command); }
    bool SendLine(const std::string& line) { return controller_->SendLine(line); }
    using ReadAround = SessionController::ReadAround;
    void SetReadAround(ReadAround around) { controller_->SetReadAround(std::move(around)); }

    SessionController& Controller() { return *controller_; }
    Session& CurrentSession() { return controller_->CurrentSession(); }
    ConsoleChannel& Console() { return controller_->Console(); }
    RouterModel& Router() { return controller_->Router(); }
    InterfaceInfoWindow* InformationWindow() const { return infoWindow_.get(); }
    ConsoleLogWindow* ConsoleLogView() const { return consoleLog_.get(); }
    RecentRoutersBox* RecentRouterList() const { return recentRouters_; }
    QString PanelText(int panel) const;
    bool IsManagedLayout() const { return managed_; }

    // SessionWindow
    void ShowLoadProgress(int percent) override;
    void ShowStatusBar() override;
    void ShowManagedLayout() override;
    void ShowLoginLayout() override;
    void SetCaption(const QString& caption) override;
    void ShowStatusPopup(const QString& text) override;
    QToolButton* MakeHelpButton(QWidget* parent, const QString& name) override;
    void ShowPanelText(int panel, const QString& text) override;
    void RequestCountsChanged(long sent, long errors, long row) override;
    void ShowInterfaceInfo(const QString& text) override;
    void CloseWindow() override { close(); }

    static constexpr int ProbeRepeatLimit = LoginFlow::ProbeRepeatLimit;

    // Managed layout.
    QTabWidget* pageTabs_;
    QPlainTextEdit* statusPopupMemo_;
    QPushButton* logOutButton_;
    QPushButton* saveAllButton_;
    QPushButton* refreshAllButton_;
    QPushButton* quitButton_;
    ConsoleLogButton* LogButton;

  signals:
    // The window was closed (close box or "Quit" answered by the router).
    void Closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildManagedLayout(QWidget* area);
    void BuildConsoleLog(QWidget* area);
    void BuildPages();
    void SetWindowSize(int width, int height);
    void FillSourceAddresses();
    void ShowSessionControls(bool visible);
    void PageShown(int index);

    std::unique_ptr<InterfaceInfoWindow> infoWindow_;
    // Destroyed before the window's children, the controller among them,
    // whose log it shows.
    std::unique_ptr<ConsoleLogWindow> consoleLog_;
    StatusPanels* statusPanels_ = nullptr;
    StatusPopup* statusPopup_ = nullptr;
    SessionController* controller_ = nullptr;
    bool managed_ = false;
};

}  // namespace tessel
