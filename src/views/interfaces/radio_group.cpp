#include "views/interfaces/radio_group.hpp"

#include "core/pages/radio_read.hpp"
#include "core/session/router_model.hpp"
#include "viewkit/controls.hpp"
#include "viewkit/field_row.hpp"
#include "viewkit/guard_scope.hpp"
#include "viewkit/operator_text.hpp"
#include "viewkit/page_host.hpp"
#include "viewkit/text_bridge.hpp"
#include "widgets/spin_editor.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <limits>
#include <vector>

namespace tessel {

namespace {

constexpr FieldColumns Columns{10, 114, 150};
constexpr int FirstRowY = 24;
constexpr int RowStep = 27;

// Object names of the change buttons, in the order of ChangeButtons.
constexpr int ChangeButtonNumbers[] = {45, 46, 47, 48, 49, 50, 52, 53, 54, 55};

int RowY(int row) {
    return FirstRowY + row * RowStep;
}

void FillChoices(QComboBox* box, const ChoiceList& choices) {
    box->clear();
    for (const std::string& item : choices.items) {
        box->addItem(ToQString(item));
    }
    box->setCurrentIndex(choices.selected);
}

}  // namespace

RadioGroup::RadioGroup(Session& session, PageHost& host, QWidget* parent)
    : QGroupBox(QStringLiteral("Radio interface"), parent), session_(session), host_(host) {
    setObjectName(QStringLiteral("radio"));
    BuildRows();
    ConnectRows();
    host_.AddConsoleButton(refreshRadioButton_);
}

void RadioGroup::BuildRows() {
    radioInterfaceCombo_ = Named(new QComboBox(this), "ComboBox4");
    frequencyCombo_ = Named(new QComboBox(this), "ComboBox1");
    bitrateCombo_ = Named(new QComboBox(this), "ComboBox2");
    powerLevelCombo_ = Named(new QComboBox(this), "ComboBox3");
    sidEdit_ = Named(new QLineEdit(this), "Edit2");
    distanceSpin_ = Named(new SpinEditor(this), "SpinEditor2");
    distanceSpin_->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    distanceSpin_->setValue(0);
    maxRetriesSpin_ = Named(new SpinEditor(this), "SpinEditor1");
    maxRetriesSpin_->setRange(1, 16);
    maxRetriesSpin_->setValue(1);
    pwrctlModeCheck_ = Named(new QCheckBox(QStringLiteral("Pwrctl mode"), this), "CheckBox3");
    longModeCheck_ = Named(new QCheckBox(QStringLiteral("Long mode"), this), "CheckBox15");
    burstModeCheck_ = Named(new QCheckBox(QStringLiteral("Burst mode"), this), "CheckBox1");
    wocdModeCheck_ = Named(new QCheckBox(QStringLiteral("Wocd mode"), this), "CheckBox2");

    // Rows 1 .. 10 have a change button; the selector re-reads instead.
    const FieldRow rows[] = {
        {"Radio interface:", radioInterfaceCombo_, nullptr, "SpeedButton1"},
        {"Frequency:", frequencyCombo_, "SpeedButton45", "SpeedButton2"},
        {"Bitrate:", bitrateCombo_, "SpeedButton46", "SpeedButton3"},
        {"Power levels:", powerLevelCombo_, "SpeedButton47", "SpeedButton4"},
        {"SID:", sidEdit_, "SpeedButton48", "SpeedButton5"},
        {"Distance:", distanceSpin_, "SpeedButton49", "SpeedButton20"},
        {"Max retries:", maxRetriesSpin_, "SpeedButton50", "SpeedButton21"},
        {nullptr, pwrctlModeCheck_, "SpeedButton52", "SpeedButton22"},
        {nullptr, longModeCheck_, "SpeedButton53", "SpeedButton23"},
        {nullptr, burstModeCheck_, "SpeedButton54", "SpeedButton24"},
        {nullptr, wocdModeCheck_, "SpeedButton55", "SpeedButton51"},
    };
    FieldRowBuilder builder(this, host_, Columns);
    std::vector<PlacedRow> placed;
    for (int row = 0; row < static_cast<int>(std::size(rows)); ++row) {
        placed.push_back(builder.Place(rows[row], RowY(row)));
    }
    radioInterfaceHelpButton_ = placed[0].help;
    frequencyHelpButton_ = placed[1].help;
    for (std::size_t i = 0; i < ChangeButtons.size(); ++i) {
        ChangeButtons[i] = placed[i + 1].change;
    }

    refreshRadioButton_ = Named(new QPushButton(QStringLiteral("Refresh"), this), "Button3");
    refreshRadioButton_->setGeometry(Columns.fieldX, RowY(11) + 4, 75, 25);
    setFixedSize(Columns.HelpX() + 30, RowY(12) + 8);
    builder.ChainTab(refreshRadioButton_);
}

void RadioGroup::ConnectRows() {
    connect(refreshRadioButton_, &QPushButton::clicked, this, &RadioGroup::OnRefreshRadio);
    // Only the operator's choice re-reads; a fill from code does not.
    connect(radioInterfaceCombo_, &QComboBox::activated, this,
            &RadioGroup::OnRadioInterfaceChanged);
    // Any change of the shown radio that is not the list's fill (which
    // announces itself) is passed on, as the other pages follow this one.
    connect(radioInterfaceCombo_, &QComboBox::currentTextChanged, this,
            &RadioGroup::SelectedRadioChanged);

    const auto edited = [this](int number) {
        return [this, number] {
            FieldEdited(ChangeButton(number), ChangeButtonRule::EnableOnEdit, guard_);
        };
    };
    connect(frequencyCombo_, &QComboBox::currentIndexChanged, this, edited(45));
    connect(bitrateCombo_, &QComboBox::currentIndexChanged, this, edited(46));
    connect(powerLevelCombo_, &QComboBox::currentIndexChanged, this, edited(47));
    connect(sidEdit_, &QLineEdit::textChanged, this, edited(48));
    connect(distanceSpin_, &SpinEditor::Changed, this, edited(49));
    connect(maxRetriesSpin_, &SpinEditor::Changed, this, edited(50));
    connect(pwrctlModeCheck_, &QCheckBox::toggled, this, edited(52));
    connect(longModeCheck_, &QCheckBox::toggled, this, edited(53));
    connect(burstModeCheck_, &QCheckBox::toggled, this, edited(54));
    connect(wocdModeCheck_, &QCheckBox::toggled, this, edited(55));

    connect(ChangeButton(45), &QToolButton::clicked, this, &RadioGroup::OnChangeFrequency);
    connect(ChangeButton(46), &QToolButton::clicked, this, &RadioGroup::OnChangeBitrate);
    connect(ChangeButton(47), &QToolButton::clicked, this, &RadioGroup::OnChangePowerLevel);
    connect(ChangeButton(48), &QToolButton::clicked, this, &RadioGroup::OnChangeSid);
    connect(ChangeButton(49), &QToolButton::clicked, this, &RadioGroup::OnChangeDistance);
    connect(ChangeButton(50), &QToolButton::clicked, this, &RadioGroup::OnChangeMaxRetries);
    connect(ChangeButton(52), &QToolButton::clicked, this, &RadioGroup::OnChangePwrctlMode);
    connect(ChangeButton(53), &QToolButton::clicked, this, &RadioGroup::OnChangeLongMode);
    connect(ChangeButton(54), &QToolButton::clicked, this, &RadioGroup::OnChangeBurstMode);
    connect(ChangeButton(55), &QToolButton::clicked, this, &RadioGroup::OnChangeWocdMode);
}

QToolButton* RadioGroup::ChangeButton(int number) const {
    for (std::size_t i = 0; i < ChangeButtons.size(); ++i) {
        if (ChangeButtonNumbers[i] == number) {
            return ChangeButtons[i];
        }
    }
    return nullptr;
}

void RadioGroup::SetPwrctlEnabled(bool enabled) {
    pwrctlModeCheck_->setEnabled(enabled);
}

void RadioGroup::ReadRadioInterfaceList() {
    RouterModel& router = host_.Router();
    const RadioInterfaceList list = tessel::ReadRadioInterfaceList(session_, router.InterfaceNames);
    QStringList radios;
    for (const std::string& name : list.radios) {
        radios.append(ToQString(name));
    }
    FillSelector(radioInterfaceCombo_, radios, list.selected);
    router.RadioBand = list.bands;
    emit RadioNamesChanged(radios, list.selected);
    emit SelectedRadioChanged(radioInterfaceCombo_->currentText());
}

void RadioGroup::ReadRadioParameters() {
    const GuardScope filling(guard_);
    const RouterModel& router = host_.Router();
    const RadioParameters p =
        tessel::ReadRadioParameters(session_, router.InterfaceNames, SelectedRadio(),
                                    radioInterfaceCombo_->currentIndex(), router.RadioBand);
    FillChoices(bitrateCombo_, p.bitrates);
    // As read, also outside the editor's range: clamped, it would show (and
    // send back) a value the router does not have.
    maxRetriesSpin_->SetText(QString::number(p.maxRetries));
    FillChoices(powerLevelCombo_, p.powerLevels);
    sidEdit_->setText(ToQString(p.sid));
    burstModeCheck_->setChecked(p.burst);
    distanceSpin_->SetText(QString::number(p.distance));
    // "Wocd mode" only exists on band 1 radios; it comes back when such a
    // radio is chosen again.
    wocdModeCheck_->setVisible(p.wocdApplies);
    ChangeButton(55)->setVisible(p.wocdApplies);
    if (p.wocdApplies) {
        wocdModeCheck_->setChecked(p.wocd);
    }
    pwrctlModeCheck_->setChecked(p.pwrctl);
    FillChoices(frequencyCombo_, p.frequencies);
    DisableAll(ChangeButtons);
}

void RadioGroup::OnRefreshRadio() {
    ReadRadioParameters();
}

void RadioGroup::OnRadioInterfaceChanged() {
    ReadRadioParameters();
}

std::string RadioGroup::SelectedRadio() const {
    return ToBytes(radioInterfaceCombo_->currentText());
}

void RadioGroup::Send(int button, const std::optional<ConsoleCommand>& command) {
    if (!command) {
        host_.Error(ToQString(std::string(kNoRadioInterface)));
        return;
    }
    SendFromChangeButton(host_, ChangeButton(button), *command);
}

void RadioGroup::SendValue(int button, RadioValue field, const QString& value) {
    if (RefuseUncarriable(host_, {value})) {
        return;
    }
    Send(button, RadioValueCommand(SelectedRadio(), field, ToBytes(value)));
}

void RadioGroup::SendSwitch(int button, RadioSwitch field, const QCheckBox* box) {
    Send(button, RadioSwitchCommand(SelectedRadio(), field, box->isChecked()));
}

void RadioGroup::OnChangeFrequency() {
    SendValue(45, RadioValue::Frequency, frequencyCombo_->currentText());
}

void RadioGroup::OnChangeBitrate() {
    SendValue(46, RadioValue::Bitrate, bitrateCombo_->currentText());
}

void RadioGroup::OnChangePowerLevel() {
    SendValue(47, RadioValue::PowerLevel, powerLevelCombo_->currentText());
}

void RadioGroup::OnChangeSid() {
    SendValue(48, RadioValue::Sid, sidEdit_->text());
}

void RadioGroup::OnChangeDistance() {
    SendValue(49, RadioValue::Distance, distanceSpin_->Text());
}

void RadioGroup::OnChangeMaxRetries() {
    SendValue(50, RadioValue::MaxRetries, maxRetriesSpin_->Text());
}

void RadioGroup::OnChangePwrctlMode() {
    SendSwitch(52, RadioSwitch::Pwrctl, pwrctlModeCheck_);
}

void RadioGroup::OnChangeLongMode() {
    SendSwitch(53, RadioSwitch::Long, longModeCheck_);
}

void RadioGroup::OnChangeBurstMode() {
    SendSwitch(54, RadioSwitch::Burst, burstModeCheck_);
}

void RadioGroup::OnChangeWocdMode() {
    SendSwitch(55, RadioSwitch::Wocd, wocdModeCheck_);
}

}  // namespace tessel
