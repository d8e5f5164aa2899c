#pragma once

// The "Radio interface" group of the "Interfaces" tab: the settings of one
// radio, each changed with its own "rf " command. The group reads the
// router's radio list, records each radio's band for the other pages and
// announces the list and its own choice of radio.

#include "core/router/radio_commands.hpp"
#include "core/session/session.hpp"

#include <QGroupBox>
#include <QStringList>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace tessel {

class PageHost;
class SpinEditor;
struct ChoiceList;

class RadioGroup : public QGroupBox {
    Q_OBJECT
  public:
    RadioGroup(Session& session, PageHost& host, QWidget* parent = nullptr);

    // Once per login, after the interface names are known: "Radio
    // interface:" gets one entry per radio name, the first selected, and the
    // bands go into the host's router model; then RadioNamesChanged.
    void ReadRadioInterfaceList();
    void ReadRadioParameters();

    void OnRefreshRadio();
    void OnRadioInterfaceChanged();
    void OnChangeFrequency();
    void OnChangeBitrate();
    void OnChangePowerLevel();
    void OnChangeSid();
    void OnChangeDistance();
    void OnChangeMaxRetries();
    void OnChangePwrctlMode();
    void OnChangeLongMode();
    void OnChangeBurstMode();
    void OnChangeWocdMode();

  public slots:
    // The base-station page decides whether "Pwrctl mode" may be used; the
    // box keeps its checked state.
    void SetPwrctlEnabled(bool enabled);

  signals:
    // The router's radios, for the other pages' radio selectors (to be
    // filled as a fill from code, which starts none of their reads).
    void RadioNamesChanged(const QStringList& radios, int selected);
    // The radio this group shows, after the list is read and on the
    // operator's choice.
    void SelectedRadioChanged(const QString& radio);

  public:
    QComboBox* radioInterfaceCombo_;
    QComboBox* frequencyCombo_;
    QComboBox* bitrateCombo_;
    QComboBox* powerLevelCombo_;
    QLineEdit* sidEdit_;
    SpinEditor* distanceSpin_;
    SpinEditor* maxRetriesSpin_;
    QCheckBox* pwrctlModeCheck_;
    QCheckBox* longModeCheck_;
    QCheckBox* burstModeCheck_;
    QCheckBox* wocdModeCheck_;
    QPushButton* refreshRadioButton_;
    // SpeedButton45 .. SpeedButton50, SpeedButton52 .. SpeedButton55.
    std::array<QToolButton*, 10> ChangeButtons{};
    QToolButton* radioInterfaceHelpButton_ = nullptr;
    QToolButton* frequencyHelpButton_ = nullptr;

  private:
    void BuildRows();
    void ConnectRows();
    QToolButton* ChangeButton(int number) const;
    // Sends from change button `button`, or tells why there is nothing to send.
    void Send(int button, const std::optional<ConsoleCommand>& command);
    void SendValue(int button, RadioValue field, const QString& value);
    void SendSwitch(int button, RadioSwitch field, const QCheckBox* box);
    std::string SelectedRadio() const;

    Session& session_;
    PageHost& host_;
    bool guard_ = false;
};

}  // namespace tessel
