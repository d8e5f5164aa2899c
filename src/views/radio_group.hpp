#pragma once

// The "Radio interface" group of the "Interfaces" tab: the settings of one
// radio, each changed with its own "rf " command. The group also fills the
// radio selectors of the other pages and records each radio's band.

#include "core/router/radio_commands.hpp"
#include "core/session/session.hpp"
#include "views/view_services.hpp"

#include <QGroupBox>

#include <array>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace tessel {

class TSpinEditor;
struct ChoiceList;

class TRadioGroup : public QGroupBox {
    Q_OBJECT
  public:
    TRadioGroup(Session& session, ViewServices services, QWidget* parent = nullptr);

    // Once per login, after the interface names are known: every radio
    // selector gets one entry per radio name, the first selected; the bands
    // go into the session.
    void ReadRadioInterfaceList();
    void ReadRadioParameters();

    // Another page's radio selector, filled by ReadRadioInterfaceList. It is
    // filled with its signals blocked: a fill from code is not an operator's
    // choice, so it must not start that page's own reads.
    void AddRadioSelector(QComboBox* selector);
    QComboBox* RadioSelector() const { return ComboBox4; }

    // The base-station page decides whether "Pwrctl mode" may be used; the
    // box keeps its checked state.
    void SetPwrctlEnabled(bool enabled);

    // Refresh, for the window's group of console buttons.
    QPushButton* RefreshButton() const { return Button3; }

    void Button3Click();
    void ComboBox4Change();
    void SpeedButton45Click();
    void SpeedButton46Click();
    void SpeedButton47Click();
    void SpeedButton48Click();
    void SpeedButton49Click();
    void SpeedButton50Click();
    void SpeedButton52Click();
    void SpeedButton53Click();
    void SpeedButton54Click();
    void SpeedButton55Click();

    QComboBox* ComboBox4;
    QComboBox* ComboBox1;
    QComboBox* ComboBox2;
    QComboBox* ComboBox3;
    QLineEdit* Edit2;
    TSpinEditor* SpinEditor2;
    TSpinEditor* SpinEditor1;
    QCheckBox* CheckBox3;
    QCheckBox* CheckBox15;
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QPushButton* Button3;
    // SpeedButton45 .. SpeedButton50, SpeedButton52 .. SpeedButton55.
    std::array<QToolButton*, 10> ChangeButtons{};
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;

  private:
    void BuildRows();
    QToolButton* ChangeButton(int number) const;
    // Sends from change button `button`, or tells why there is nothing to send.
    void Send(int button, const std::optional<ConsoleCommand>& command);
    void SendValue(int button, RadioValue field, const QString& value);
    void SendSwitch(int button, RadioSwitch field, const QCheckBox* box);
    std::string SelectedRadio() const;

    Session& session_;
    ViewServices services_;
    std::vector<QComboBox*> selectors_;
    bool guard_ = false;
};

}  // namespace tessel
