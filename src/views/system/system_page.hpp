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
class TSpinEditor;
struct ConsoleCommand;

class TSystemPage : public QWidget, public Page {
    Q_OBJECT
  public:
    // Page
    std::span<const ReadStep> Steps() const override;
    void Read(ReadStep step) override;
    TSystemPage(Session& session, PageHost& host, QWidget* parent = nullptr);

    // Also rebuilds the window caption from the router's name.
    void ReadSystemSettings();
    void ReadRmaSettings();

    void Button18Click();
    void Button19Click();
    void ComboBox9Change();
    void Click();  // SpeedButton16
    void SpeedButton17Click();
    void SpeedButton18Click();
    void SpeedButton19Click();
    void SpeedButton40Click();
    void SpeedButton41Click();
    void SpeedButton42Click();
    void SpeedButton43Click();
    void SpeedButton44Click();

  signals:
    // The router's name (sysName) as read, byte for byte: its console prompt
    // begins with it.
    void RouterNameRead(const std::string& name);

  public slots:
    // The router's radios for "Radio interface:" of the RMA group; a fill,
    // not an operator's choice, so it reads nothing.
    void SetRadioNames(const QStringList& radios, int selected);

  public:
    QGroupBox* GroupBox6;
    QLineEdit* Edit1;
    QLineEdit* Edit6;
    TSpinEditor* SpinEditor9;
    QCheckBox* CheckBox4;
    QCheckBox* CheckBox6;
    QCheckBox* CheckBox5;
    QPushButton* Button18;
    // SpeedButton16 .. 19, 40, 41 in row order.
    std::array<QToolButton*, 6> SystemChangeButtons{};

    QGroupBox* GroupBox7;
    QCheckBox* CheckBox7;
    QComboBox* ComboBox9;
    QCheckBox* CheckBox10;
    QCheckBox* CheckBox11;
    QPushButton* Button19;
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
