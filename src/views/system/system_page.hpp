#pragma once

// The "System settings" tab: the router's name, location, ICMP limit and
// routing switches, and the switches of its RMA protocol. Each field has a
// "Click to change" button that sends its console command; the router's
// prompt then has the group read again.

#include "core/session/session.hpp"
#include "viewkit/page.hpp"

#include <QStringList>
#include <QWidget>

#include <array>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace tessel {

class PageHost;
class SpinEditor;
struct ConsoleCommand;

class SystemPage : public QWidget, public Page {
    Q_OBJECT
  public:
    // Page
    std::span<const ReadStep> Steps() const override;
    void Read(ReadStep step) override;
    SystemPage(Session& session, PageHost& host, QWidget* parent = nullptr);

    // Also rebuilds the window caption from the router's name.
    void ReadSystemSettings();
    void ReadRmaSettings();

    void OnRefreshSystemSettings();
    void OnRefreshRmaSettings();
    void OnRmaRadioChanged();
    void OnChangeSystemName();  // SpeedButton16
    void OnChangeSystemLocation();
    void OnChangeIcmpLimit();
    void OnChangeFastroute();
    void OnChangeDropRedirects();
    void OnChangeSendRedirects();
    void OnChangeRmaStart();
    void OnChangeRmaAutobitrate();
    void OnChangeRmaPolling();

  signals:
    // The router's name (sysName) as read, byte for byte: its console prompt
    // begins with it.
    void RouterNameRead(const std::string& name);

  public slots:
    // The router's radios for "Radio interface:" of the RMA group; a fill,
    // not an operator's choice, so it reads nothing.
    void SetRadioNames(const QStringList& radios, int selected);

  public:
    QGroupBox* systemSettingsGroup_;
    QLineEdit* systemNameEdit_;
    QLineEdit* systemLocationEdit_;
    SpinEditor* icmpLimitSpin_;
    QCheckBox* fastrouteCheck_;
    QCheckBox* dropRedirectsCheck_;
    QCheckBox* sendRedirectsCheck_;
    QPushButton* refreshSystemSettingsButton_;
    // SpeedButton16 .. 19, 40, 41 in row order.
    std::array<QToolButton*, 6> SystemChangeButtons{};

    QGroupBox* rmaSettingsGroup_;
    QCheckBox* rmaStartCheck_;
    QComboBox* rmaRadioCombo_;
    QCheckBox* rmaAutobitrateCheck_;
    QCheckBox* rmaPollingCheck_;
    QPushButton* refreshRmaSettingsButton_;
    // SpeedButton42 .. 44 in row order.
    std::array<QToolButton*, 3> RmaChangeButtons{};

  private:
    void BuildSystemGroup();
    void BuildRmaGroup();
    void SystemFieldEdited(std::size_t row);
    void RmaSwitchClicked(std::size_t row);
    void Send(QToolButton* button, const ConsoleCommand& command);
    void SendRmaRadioSwitch(std::size_t row, bool autobitrate, const QCheckBox* box);

    Session& session_;
    PageHost& host_;
    bool systemGuard_ = false;
    bool rmaGuard_ = false;
};

}  // namespace tessel
