#include "views/system/system_page.hpp"

#include "core/pages/system_read.hpp"
#include "core/router/system_commands.hpp"
#include "viewkit/controls.hpp"
#include "viewkit/field_row.hpp"
#include "viewkit/guard_scope.hpp"
#include "viewkit/page_host.hpp"
#include "viewkit/text_bridge.hpp"
#include "widgets/spin_editor.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <limits>

namespace tessel {

namespace {

constexpr int GroupWidth = 313;
constexpr int GroupHeight = 353;
constexpr FieldColumns Columns{10, 122, 128};
constexpr int RowStep = 30;

int RowY(int row) {
    return 24 + row * RowStep;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const char* caption) {
    return Named(new QCheckBox(QLatin1String(caption), parent), name);
}

}  // namespace

TSystemPage::TSystemPage(Session& session, PageHost& host, QWidget* parent)
    : QWidget(parent), session_(session), host_(host) {
    setObjectName(QStringLiteral("system"));
    BuildSystemGroup();
    BuildRmaGroup();
    // The re-reads answer a router prompt too, so a running report locks them.
    host_.AddConsoleButton(Button18);
    host_.AddConsoleButton(Button19);
}

void TSystemPage::BuildSystemGroup() {
    GroupBox6 = Named(new QGroupBox(QStringLiteral("System settings"), this), "GroupBox6");
    GroupBox6->setGeometry(8, 8, GroupWidth, GroupHeight);
    Edit1 = Named(new QLineEdit(GroupBox6), "Edit1");
    Edit6 = Named(new QLineEdit(GroupBox6), "Edit6");
    SpinEditor9 = Named(new TSpinEditor(GroupBox6), "SpinEditor9");
    SpinEditor9->AcceptDecimals();
    SpinEditor9->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    SpinEditor9->setSingleStep(1);
    SpinEditor9->SetText(QStringLiteral("0"));
    CheckBox4 = MakeCheckBox(GroupBox6, "CheckBox4", "Fastroute option");
    CheckBox6 = MakeCheckBox(GroupBox6, "CheckBox6", "Dropredirects option");
    CheckBox5 = MakeCheckBox(GroupBox6, "CheckBox5", "Sendredirects option");

    const FieldRow rows[] = {
        {"System name:", Edit1, "SpeedButton16", "SpeedButton6"},
        {"System location:", Edit6, "SpeedButton17", "SpeedButton7"},
        {"ICMP limit:", SpinEditor9, "SpeedButton18", "SpeedButton8"},
        {nullptr, CheckBox4, "SpeedButton19", "SpeedButton9"},
        {nullptr, CheckBox6, "SpeedButton40", "SpeedButton10"},
        {nullptr, CheckBox5, "SpeedButton41", "SpeedButton11"},
    };
    FieldRowBuilder builder(GroupBox6, host_, Columns);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SystemChangeButtons[i] = builder.Place(rows[i], RowY(static_cast<int>(i))).change;
    }
    Button18 = Named(new QPushButton(QStringLiteral("Refresh"), GroupBox6), "Button18");
    Button18->setGeometry(Columns.fieldX, RowY(6) + 10, 75, 25);
    builder.ChainTab(Button18);
    MakeLine(GroupBox6, RowY(6) + 46, GroupWidth);

    connect(Edit1, &QLineEdit::textChanged, this, [this] { SystemFieldEdited(0); });
    connect(Edit6, &QLineEdit::textChanged, this, [this] { SystemFieldEdited(1); });
    connect(SpinEditor9, &TSpinEditor::Changed, this, [this] { SystemFieldEdited(2); });
    connect(CheckBox4, &QCheckBox::toggled, this, [this] { SystemFieldEdited(3); });
    connect(CheckBox6, &QCheckBox::toggled, this, [this] { SystemFieldEdited(4); });
    connect(CheckBox5, &QCheckBox::toggled, this, [this] { SystemFieldEdited(5); });
    connect(Button18, &QPushButton::clicked, this, &TSystemPage::Button18Click);
    connect(SystemChangeButtons[0], &QToolButton::clicked, this, &TSystemPage::Click);
    connect(SystemChangeButtons[1], &QToolButton::clicked, this, &TSystemPage::SpeedButton17Click);
    connect(SystemChangeButtons[2], &QToolButton::clicked, this, &TSystemPage::SpeedButton18Click);
    connect(SystemChangeButtons[3], &QToolButton::clicked, this, &TSystemPage::SpeedButton19Click);
    connect(SystemChangeButtons[4], &QToolButton::clicked, this, &TSystemPage::SpeedButton40Click);
    connect(SystemChangeButtons[5], &QToolButton::clicked, this, &TSystemPage::SpeedButton41Click);
}

void TSystemPage::BuildRmaGroup() {
    GroupBox7 = Named(new QGroupBox(QStringLiteral("RMA settings"), this), "GroupBox7");
    GroupBox7->setGeometry(8 + GroupWidth + 8, 8, GroupWidth, GroupHeight);
    CheckBox7 = MakeCheckBox(GroupBox7, "CheckBox7", "RMA start");
    ComboBox9 = Named(new QComboBox(GroupBox7), "ComboBox9");
    ComboBox9->setEditable(false);
    CheckBox10 = MakeCheckBox(GroupBox7, "CheckBox10", "Autobitrate on");
    CheckBox11 = MakeCheckBox(GroupBox7, "CheckBox11", "Polling on (BS only)");

    FieldRowBuilder builder(GroupBox7, host_, Columns);
    RmaChangeButtons[0] =
        builder.Place({nullptr, CheckBox7, "SpeedButton42", "SpeedButton12"}, RowY(0)).change;
    MakeLine(GroupBox7, RowY(1) - 2, GroupWidth);
    builder.Place({"Radio interface:", ComboBox9, nullptr, "SpeedButton13"}, RowY(1) + 10);
    RmaChangeButtons[1] =
        builder.Place({nullptr, CheckBox10, "SpeedButton43", "SpeedButton14"}, RowY(2) + 10).change;
    RmaChangeButtons[2] =
        builder.Place({nullptr, CheckBox11, "SpeedButton44", "SpeedButton15"}, RowY(3) + 10).change;
    Button19 = Named(new QPushButton(QStringLiteral("Refresh"), GroupBox7), "Button19");
    Button19->setGeometry(Columns.fieldX, RowY(4) + 20, 75, 25);
    MakeLine(GroupBox7, RowY(4) + 56, GroupWidth);
    builder.ChainTab(Button19);

    connect(CheckBox7, &QCheckBox::toggled, this, [this] { RmaSwitchClicked(0); });
    connect(CheckBox10, &QCheckBox::toggled, this, [this] { RmaSwitchClicked(1); });
    connect(CheckBox11, &QCheckBox::toggled, this, [this] { RmaSwitchClicked(2); });
    // Only the operator's choice re-reads; the radio list fill does not.
    connect(ComboBox9, &QComboBox::activated, this, &TSystemPage::ComboBox9Change);
    connect(Button19, &QPushButton::clicked, this, &TSystemPage::Button19Click);
    connect(RmaChangeButtons[0], &QToolButton::clicked, this, &TSystemPage::SpeedButton42Click);
    connect(RmaChangeButtons[1], &QToolButton::clicked, this, &TSystemPage::SpeedButton43Click);
    connect(RmaChangeButtons[2], &QToolButton::clicked, this, &TSystemPage::SpeedButton44Click);
}

void TSystemPage::ReadSystemSettings() {
    const GuardScope filling(systemGuard_);
    const SystemSettings s = tessel::ReadSystemSettings(session_, session_.RouterHost);
    Edit1->setText(ToQString(s.name));
    Edit6->setText(ToQString(s.location));
    // Show the start of a long text, as it reads, rather than its end.
    Edit1->setCursorPosition(0);
    Edit6->setCursorPosition(0);
    SpinEditor9->SetText(ToQString(s.icmpLimit));
    CheckBox4->setChecked(s.fastroute);
    CheckBox5->setChecked(s.sendRedirects);
    CheckBox6->setChecked(s.dropRedirects);
    host_.SetCaption(ToQString(s.caption));
    DisableAll(SystemChangeButtons);
    emit RouterNameRead(s.name);
}

void TSystemPage::ReadRmaSettings() {
    const GuardScope filling(rmaGuard_);
    const RmaSettings s = tessel::ReadRmaSettings(session_, ComboBox9->currentIndex());
    CheckBox7->setChecked(s.started);
    CheckBox10->setChecked(s.autobitrate);
    CheckBox11->setChecked(s.polling);
    DisableAll(RmaChangeButtons);
}

void TSystemPage::Button18Click() {
    ReadSystemSettings();
}

void TSystemPage::Button19Click() {
    ReadRmaSettings();
}

void TSystemPage::ComboBox9Change() {
    ReadRmaSettings();
}

void TSystemPage::SetRadioNames(const QStringList& radios, int selected) {
    FillSelector(ComboBox9, radios, selected);
}

void TSystemPage::SystemFieldEdited(std::size_t row) {
    FieldEdited(SystemChangeButtons[row], ChangeButtonRule::EnableOnEdit, systemGuard_);
}

void TSystemPage::RmaSwitchClicked(std::size_t row) {
    FieldEdited(RmaChangeButtons[row], ChangeButtonRule::ToggleOnEdit, rmaGuard_);
}

void TSystemPage::Send(QToolButton* button, const ConsoleCommand& command) {
    SendFromChangeButton(host_, button, command);
}

void TSystemPage::Click() {
    SendTextFromChangeButton(host_, SystemChangeButtons[0], Edit1->text(), SystemNameCommand);
}

void TSystemPage::SpeedButton17Click() {
    SendTextFromChangeButton(host_, SystemChangeButtons[1], Edit6->text(), SystemLocationCommand);
}

void TSystemPage::SpeedButton18Click() {
    SendTextFromChangeButton(host_, SystemChangeButtons[2], SpinEditor9->Text(), IcmpLimitCommand);
}

void TSystemPage::SpeedButton19Click() {
    Send(SystemChangeButtons[3],
         SystemSwitchCommand(SystemSwitch::Fastroute, CheckBox4->isChecked()));
}

void TSystemPage::SpeedButton40Click() {
    Send(SystemChangeButtons[4],
         SystemSwitchCommand(SystemSwitch::DropRedirects, CheckBox6->isChecked()));
}

void TSystemPage::SpeedButton41Click() {
    Send(SystemChangeButtons[5],
         SystemSwitchCommand(SystemSwitch::SendRedirects, CheckBox5->isChecked()));
}

void TSystemPage::SpeedButton42Click() {
    Send(RmaChangeButtons[0], RmaStartCommand(CheckBox7->isChecked()));
}

void TSystemPage::SendRmaRadioSwitch(std::size_t row, bool autobitrate, const QCheckBox* box) {
    const auto command = RmaRadioSwitchCommand(
        ToBytes(ComboBox9->currentText()),
        autobitrate ? RmaRadioSwitch::Autobitrate : RmaRadioSwitch::Polling, box->isChecked());
    if (!command) {
        // A router without radios: there is no interface to name.
        host_.Error(ToQString(std::string(kNoRadioInterface)));
        return;
    }
    Send(RmaChangeButtons[row], *command);
}

void TSystemPage::SpeedButton43Click() {
    SendRmaRadioSwitch(1, true, CheckBox10);
}

void TSystemPage::SpeedButton44Click() {
    SendRmaRadioSwitch(2, false, CheckBox11);
}

void TSystemPage::Read(ReadStep step) {
    if (step == ReadStep::SystemSettings) {
        ReadSystemSettings();
    } else if (step == ReadStep::RmaSettings) {
        ReadRmaSettings();
    }
}

std::span<const ReadStep> TSystemPage::Steps() const {
    static constexpr std::array Owned{ReadStep::SystemSettings, ReadStep::RmaSettings};
    return Owned;
}

}  // namespace tessel
