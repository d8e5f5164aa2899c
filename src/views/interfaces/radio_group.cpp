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

TRadioGroup::TRadioGroup(Session& session, PageHost& host, QWidget* parent)
    : QGroupBox(QStringLiteral("Radio interface"), parent), session_(session), host_(host) {
    setObjectName(QStringLiteral("radio"));
    BuildRows();
    ConnectRows();
    host_.AddConsoleButton(Button3);
}

void TRadioGroup::BuildRows() {
    ComboBox4 = Named(new QComboBox(this), "ComboBox4");
    ComboBox1 = Named(new QComboBox(this), "ComboBox1");
    ComboBox2 = Named(new QComboBox(this), "ComboBox2");
    ComboBox3 = Named(new QComboBox(this), "ComboBox3");
    Edit2 = Named(new QLineEdit(this), "Edit2");
    SpinEditor2 = Named(new TSpinEditor(this), "SpinEditor2");
    SpinEditor2->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    SpinEditor2->setValue(0);
    SpinEditor1 = Named(new TSpinEditor(this), "SpinEditor1");
    SpinEditor1->setRange(1, 16);
    SpinEditor1->setValue(1);
    CheckBox3 = Named(new QCheckBox(QStringLiteral("Pwrctl mode"), this), "CheckBox3");
    CheckBox15 = Named(new QCheckBox(QStringLiteral("Long mode"), this), "CheckBox15");
    CheckBox1 = Named(new QCheckBox(QStringLiteral("Burst mode"), this), "CheckBox1");
    CheckBox2 = Named(new QCheckBox(QStringLiteral("Wocd mode"), this), "CheckBox2");

    // Rows 1 .. 10 have a change button; the selector re-reads instead.
    const FieldRow rows[] = {
        {"Radio interface:", ComboBox4, nullptr, "SpeedButton1"},
        {"Frequency:", ComboBox1, "SpeedButton45", "SpeedButton2"},
        {"Bitrate:", ComboBox2, "SpeedButton46", "SpeedButton3"},
        {"Power levels:", ComboBox3, "SpeedButton47", "SpeedButton4"},
        {"SID:", Edit2, "SpeedButton48", "SpeedButton5"},
        {"Distance:", SpinEditor2, "SpeedButton49", "SpeedButton20"},
        {"Max retries:", SpinEditor1, "SpeedButton50", "SpeedButton21"},
        {nullptr, CheckBox3, "SpeedButton52", "SpeedButton22"},
        {nullptr, CheckBox15, "SpeedButton53", "SpeedButton23"},
        {nullptr, CheckBox1, "SpeedButton54", "SpeedButton24"},
        {nullptr, CheckBox2, "SpeedButton55", "SpeedButton51"},
    };
    FieldRowBuilder builder(this, host_, Columns);
    std::vector<PlacedRow> placed;
    for (int row = 0; row < static_cast<int>(std::size(rows)); ++row) {
        placed.push_back(builder.Place(rows[row], RowY(row)));
    }
    SpeedButton1 = placed[0].help;
    SpeedButton2 = placed[1].help;
    for (std::size_t i = 0; i < ChangeButtons.size(); ++i) {
        ChangeButtons[i] = placed[i + 1].change;
    }

    Button3 = Named(new QPushButton(QStringLiteral("Refresh"), this), "Button3");
    Button3->setGeometry(Columns.fieldX, RowY(11) + 4, 75, 25);
    setFixedSize(Columns.HelpX() + 30, RowY(12) + 8);
    builder.ChainTab(Button3);
}

void TRadioGroup::ConnectRows() {
    connect(Button3, &QPushButton::clicked, this, &TRadioGroup::Button3Click);
    // Only the operator's choice re-reads; a fill from code does not.
    connect(ComboBox4, &QComboBox::activated, this, &TRadioGroup::ComboBox4Change);
    // Any change of the shown radio that is not the list's fill (which
    // announces itself) is passed on, as the other pages follow this one.
    connect(ComboBox4, &QComboBox::currentTextChanged, this, &TRadioGroup::SelectedRadioChanged);

    const auto edited = [this](int number) {
        return [this, number] {
            FieldEdited(ChangeButton(number), ChangeButtonRule::EnableOnEdit, guard_);
        };
    };
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, edited(45));
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, edited(46));
    connect(ComboBox3, &QComboBox::currentIndexChanged, this, edited(47));
    connect(Edit2, &QLineEdit::textChanged, this, edited(48));
    connect(SpinEditor2, &TSpinEditor::Changed, this, edited(49));
    connect(SpinEditor1, &TSpinEditor::Changed, this, edited(50));
    connect(CheckBox3, &QCheckBox::toggled, this, edited(52));
    connect(CheckBox15, &QCheckBox::toggled, this, edited(53));
    connect(CheckBox1, &QCheckBox::toggled, this, edited(54));
    connect(CheckBox2, &QCheckBox::toggled, this, edited(55));

    connect(ChangeButton(45), &QToolButton::clicked, this, &TRadioGroup::SpeedButton45Click);
    connect(ChangeButton(46), &QToolButton::clicked, this, &TRadioGroup::SpeedButton46Click);
    connect(ChangeButton(47), &QToolButton::clicked, this, &TRadioGroup::SpeedButton47Click);
    connect(ChangeButton(48), &QToolButton::clicked, this, &TRadioGroup::SpeedButton48Click);
    connect(ChangeButton(49), &QToolButton::clicked, this, &TRadioGroup::SpeedButton49Click);
    connect(ChangeButton(50), &QToolButton::clicked, this, &TRadioGroup::SpeedButton50Click);
    connect(ChangeButton(52), &QToolButton::clicked, this, &TRadioGroup::SpeedButton52Click);
    connect(ChangeButton(53), &QToolButton::clicked, this, &TRadioGroup::SpeedButton53Click);
    connect(ChangeButton(54), &QToolButton::clicked, this, &TRadioGroup::SpeedButton54Click);
    connect(ChangeButton(55), &QToolButton::clicked, this, &TRadioGroup::SpeedButton55Click);
}

QToolButton* TRadioGroup::ChangeButton(int number) const {
    for (std::size_t i = 0; i < ChangeButtons.size(); ++i) {
        if (ChangeButtonNumbers[i] == number) {
            return ChangeButtons[i];
        }
    }
    return nullptr;
}

void TRadioGroup::SetPwrctlEnabled(bool enabled) {
    CheckBox3->setEnabled(enabled);
}

void TRadioGroup::ReadRadioInterfaceList() {
    RouterModel& router = host_.Router();
    const RadioInterfaceList list = tessel::ReadRadioInterfaceList(session_, router.InterfaceNames);
    QStringList radios;
    for (const std::string& name : list.radios) {
        radios.append(ToQString(name));
    }
    FillSelector(ComboBox4, radios, list.selected);
    router.RadioBand = list.bands;
    emit RadioNamesChanged(radios, list.selected);
    emit SelectedRadioChanged(ComboBox4->currentText());
}

void TRadioGroup::ReadRadioParameters() {
    const GuardScope filling(guard_);
    const RouterModel& router = host_.Router();
    const RadioParameters p =
        tessel::ReadRadioParameters(session_, router.InterfaceNames, SelectedRadio(),
                                    ComboBox4->currentIndex(), router.RadioBand);
    FillChoices(ComboBox2, p.bitrates);
    // As read, also outside the editor's range: clamped, it would show (and
    // send back) a value the router does not have.
    SpinEditor1->SetText(QString::number(p.maxRetries));
    FillChoices(ComboBox3, p.powerLevels);
    Edit2->setText(ToQString(p.sid));
    CheckBox1->setChecked(p.burst);
    SpinEditor2->SetText(QString::number(p.distance));
    // "Wocd mode" only exists on band 1 radios; it comes back when such a
    // radio is chosen again.
    CheckBox2->setVisible(p.wocdApplies);
    ChangeButton(55)->setVisible(p.wocdApplies);
    if (p.wocdApplies) {
        CheckBox2->setChecked(p.wocd);
    }
    CheckBox3->setChecked(p.pwrctl);
    FillChoices(ComboBox1, p.frequencies);
    DisableAll(ChangeButtons);
}

void TRadioGroup::Button3Click() {
    ReadRadioParameters();
}

void TRadioGroup::ComboBox4Change() {
    ReadRadioParameters();
}

std::string TRadioGroup::SelectedRadio() const {
    return ToBytes(ComboBox4->currentText());
}

void TRadioGroup::Send(int button, const std::optional<ConsoleCommand>& command) {
    if (!command) {
        host_.Error(ToQString(std::string(kNoRadioInterface)));
        return;
    }
    SendFromChangeButton(host_, ChangeButton(button), *command);
}

void TRadioGroup::SendValue(int button, RadioValue field, const QString& value) {
    if (RefuseUncarriable(host_, {value})) {
        return;
    }
    Send(button, RadioValueCommand(SelectedRadio(), field, ToBytes(value)));
}

void TRadioGroup::SendSwitch(int button, RadioSwitch field, const QCheckBox* box) {
    Send(button, RadioSwitchCommand(SelectedRadio(), field, box->isChecked()));
}

void TRadioGroup::SpeedButton45Click() {
    SendValue(45, RadioValue::Frequency, ComboBox1->currentText());
}

void TRadioGroup::SpeedButton46Click() {
    SendValue(46, RadioValue::Bitrate, ComboBox2->currentText());
}

void TRadioGroup::SpeedButton47Click() {
    SendValue(47, RadioValue::PowerLevel, ComboBox3->currentText());
}

void TRadioGroup::SpeedButton48Click() {
    SendValue(48, RadioValue::Sid, Edit2->text());
}

void TRadioGroup::SpeedButton49Click() {
    SendValue(49, RadioValue::Distance, SpinEditor2->Text());
}

void TRadioGroup::SpeedButton50Click() {
    SendValue(50, RadioValue::MaxRetries, SpinEditor1->Text());
}

void TRadioGroup::SpeedButton52Click() {
    SendSwitch(52, RadioSwitch::Pwrctl, CheckBox3);
}

void TRadioGroup::SpeedButton53Click() {
    SendSwitch(53, RadioSwitch::Long, CheckBox15);
}

void TRadioGroup::SpeedButton54Click() {
    SendSwitch(54, RadioSwitch::Burst, CheckBox1);
}

void TRadioGroup::SpeedButton55Click() {
    SendSwitch(55, RadioSwitch::Wocd, CheckBox2);
}

}  // namespace tessel
