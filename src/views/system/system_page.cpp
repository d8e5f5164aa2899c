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

SystemPage::SystemPage(Session& session, PageHost& host, QWidget* parent)
    : QWidget(parent), session_(session), host_(host) {
    setObjectName(QStringLiteral("system"));
    BuildSystemGroup();
    BuildRmaGroup();
    // The re-reads answer a router prompt too, so a running report locks them.
    host_.AddConsoleButton(refreshSystemSettingsButton_);
    host_.AddConsoleButton(refreshRmaSettingsButton_);
}

void SystemPage::BuildSystemGroup() {
    systemSettingsGroup_ =
        Named(new QGroupBox(QStringLiteral("System settings"), this), "GroupBox6");
    systemSettingsGroup_->setGeometry(8, 8, GroupWidth, GroupHeight);
    systemNameEdit_ = Named(new QLineEdit(systemSettingsGroup_), "Edit1");
    systemLocationEdit_ = Named(new QLineEdit(systemSettingsGroup_), "Edit6");
    icmpLimitSpin_ = Named(new SpinEditor(systemSettingsGroup_), "SpinEditor9");
    icmpLimitSpin_->AcceptDecimals();
    icmpLimitSpin_->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    icmpLimitSpin_->setSingleStep(1);
    icmpLimitSpin_->SetText(QStringLiteral("0"));
    fastrouteCheck_ = MakeCheckBox(systemSettingsGroup_, "CheckBox4", "Fastroute option");
    dropRedirectsCheck_ = MakeCheckBox(systemSettingsGroup_, "CheckBox6", "Dropredirects option");
    sendRedirectsCheck_ = MakeCheckBox(systemSettingsGroup_, "CheckBox5", "Sendredirects option");

    const FieldRow rows[] = {
        {"System name:", systemNameEdit_, "SpeedButton16", "SpeedButton6"},
        {"System location:", systemLocationEdit_, "SpeedButton17", "SpeedButton7"},
        {"ICMP limit:", icmpLimitSpin_, "SpeedButton18", "SpeedButton8"},
        {nullptr, fastrouteCheck_, "SpeedButton19", "SpeedButton9"},
        {nullptr, dropRedirectsCheck_, "SpeedButton40", "SpeedButton10"},
        {nullptr, sendRedirectsCheck_, "SpeedButton41", "SpeedButton11"},
    };
    FieldRowBuilder builder(systemSettingsGroup_, host_, Columns);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SystemChangeButtons[i] = builder.Place(rows[i], RowY(static_cast<int>(i))).change;
    }
    refreshSystemSettingsButton_ =
        Named(new QPushButton(QStringLiteral("Refresh"), systemSettingsGroup_), "Button18");
    refreshSystemSettingsButton_->setGeometry(Columns.fieldX, RowY(6) + 10, 75, 25);
    builder.ChainTab(refreshSystemSettingsButton_);
    MakeLine(systemSettingsGroup_, RowY(6) + 46, GroupWidth);

    connect(systemNameEdit_, &QLineEdit::textChanged, this, [this] { SystemFieldEdited(0); });
    connect(systemLocationEdit_, &QLineEdit::textChanged, this, [this] { SystemFieldEdited(1); });
    connect(icmpLimitSpin_, &SpinEditor::Changed, this, [this] { SystemFieldEdited(2); });
    connect(fastrouteCheck_, &QCheckBox::toggled, this, [this] { SystemFieldEdited(3); });
    connect(dropRedirectsCheck_, &QCheckBox::toggled, this, [this] { SystemFieldEdited(4); });
    connect(sendRedirectsCheck_, &QCheckBox::toggled, this, [this] { SystemFieldEdited(5); });
    connect(refreshSystemSettingsButton_, &QPushButton::clicked, this,
            &SystemPage::OnRefreshSystemSettings);
    connect(SystemChangeButtons[0], &QToolButton::clicked, this, &SystemPage::OnChangeSystemName);
    connect(SystemChangeButtons[1], &QToolButton::clicked, this,
            &SystemPage::OnChangeSystemLocation);
    connect(SystemChangeButtons[2], &QToolButton::clicked, this, &SystemPage::OnChangeIcmpLimit);
    connect(SystemChangeButtons[3], &QToolButton::clicked, this, &SystemPage::OnChangeFastroute);
    connect(SystemChangeButtons[4], &QToolButton::clicked, this,
            &SystemPage::OnChangeDropRedirects);
    connect(SystemChangeButtons[5], &QToolButton::clicked, this,
            &SystemPage::OnChangeSendRedirects);
}

void SystemPage::BuildRmaGroup() {
    rmaSettingsGroup_ = Named(new QGroupBox(QStringLiteral("RMA settings"), this), "GroupBox7");
    rmaSettingsGroup_->setGeometry(8 + GroupWidth + 8, 8, GroupWidth, GroupHeight);
    rmaStartCheck_ = MakeCheckBox(rmaSettingsGroup_, "CheckBox7", "RMA start");
    rmaRadioCombo_ = Named(new QComboBox(rmaSettingsGroup_), "ComboBox9");
    rmaRadioCombo_->setEditable(false);
    rmaAutobitrateCheck_ = MakeCheckBox(rmaSettingsGroup_, "CheckBox10", "Autobitrate on");
    rmaPollingCheck_ = MakeCheckBox(rmaSettingsGroup_, "CheckBox11", "Polling on (BS only)");

    FieldRowBuilder builder(rmaSettingsGroup_, host_, Columns);
    RmaChangeButtons[0] =
        builder.Place({nullptr, rmaStartCheck_, "SpeedButton42", "SpeedButton12"}, RowY(0)).change;
    MakeLine(rmaSettingsGroup_, RowY(1) - 2, GroupWidth);
    builder.Place({"Radio interface:", rmaRadioCombo_, nullptr, "SpeedButton13"}, RowY(1) + 10);
    RmaChangeButtons[1] =
        builder
            .Place({nullptr, rmaAutobitrateCheck_, "SpeedButton43", "SpeedButton14"}, RowY(2) + 10)
            .change;
    RmaChangeButtons[2] =
        builder.Place({nullptr, rmaPollingCheck_, "SpeedButton44", "SpeedButton15"}, RowY(3) + 10)
            .change;
    refreshRmaSettingsButton_ =
        Named(new QPushButton(QStringLiteral("Refresh"), rmaSettingsGroup_), "Button19");
    refreshRmaSettingsButton_->setGeometry(Columns.fieldX, RowY(4) + 20, 75, 25);
    MakeLine(rmaSettingsGroup_, RowY(4) + 56, GroupWidth);
    builder.ChainTab(refreshRmaSettingsButton_);

    connect(rmaStartCheck_, &QCheckBox::toggled, this, [this] { RmaSwitchClicked(0); });
    connect(rmaAutobitrateCheck_, &QCheckBox::toggled, this, [this] { RmaSwitchClicked(1); });
    connect(rmaPollingCheck_, &QCheckBox::toggled, this, [this] { RmaSwitchClicked(2); });
    // Only the operator's choice re-reads; the radio list fill does not.
    connect(rmaRadioCombo_, &QComboBox::activated, this, &SystemPage::OnRmaRadioChanged);
    connect(refreshRmaSettingsButton_, &QPushButton::clicked, this,
            &SystemPage::OnRefreshRmaSettings);
    connect(RmaChangeButtons[0], &QToolButton::clicked, this, &SystemPage::OnChangeRmaStart);
    connect(RmaChangeButtons[1], &QToolButton::clicked, this, &SystemPage::OnChangeRmaAutobitrate);
    connect(RmaChangeButtons[2], &QToolButton::clicked, this, &SystemPage::OnChangeRmaPolling);
}

void SystemPage::ReadSystemSettings() {
    const GuardScope filling(systemGuard_);
    const SystemSettings s = tessel::ReadSystemSettings(session_, session_.RouterHost);
    systemNameEdit_->setText(ToQString(s.name));
    systemLocationEdit_->setText(ToQString(s.location));
    // Show the start of a long text, as it reads, rather than its end.
    systemNameEdit_->setCursorPosition(0);
    systemLocationEdit_->setCursorPosition(0);
    icmpLimitSpin_->SetText(ToQString(s.icmpLimit));
    fastrouteCheck_->setChecked(s.fastroute);
    sendRedirectsCheck_->setChecked(s.sendRedirects);
    dropRedirectsCheck_->setChecked(s.dropRedirects);
    host_.SetCaption(ToQString(s.caption));
    DisableAll(SystemChangeButtons);
    emit RouterNameRead(s.name);
}

void SystemPage::ReadRmaSettings() {
    const GuardScope filling(rmaGuard_);
    const RmaSettings s = tessel::ReadRmaSettings(session_, rmaRadioCombo_->currentIndex());
    rmaStartCheck_->setChecked(s.started);
    rmaAutobitrateCheck_->setChecked(s.autobitrate);
    rmaPollingCheck_->setChecked(s.polling);
    DisableAll(RmaChangeButtons);
}

void SystemPage::OnRefreshSystemSettings() {
    ReadSystemSettings();
}

void SystemPage::OnRefreshRmaSettings() {
    ReadRmaSettings();
}

void SystemPage::OnRmaRadioChanged() {
    ReadRmaSettings();
}

void SystemPage::SetRadioNames(const QStringList& radios, int selected) {
    FillSelector(rmaRadioCombo_, radios, selected);
}

void SystemPage::SystemFieldEdited(std::size_t row) {
    FieldEdited(SystemChangeButtons[row], ChangeButtonRule::EnableOnEdit, systemGuard_);
}

void SystemPage::RmaSwitchClicked(std::size_t row) {
    FieldEdited(RmaChangeButtons[row], ChangeButtonRule::ToggleOnEdit, rmaGuard_);
}

void SystemPage::Send(QToolButton* button, const ConsoleCommand& command) {
    SendFromChangeButton(host_, button, command);
}

void SystemPage::OnChangeSystemName() {
    SendTextFromChangeButton(host_, SystemChangeButtons[0], systemNameEdit_->text(),
                             SystemNameCommand);
}

void SystemPage::OnChangeSystemLocation() {
    SendTextFromChangeButton(host_, SystemChangeButtons[1], systemLocationEdit_->text(),
                             SystemLocationCommand);
}

void SystemPage::OnChangeIcmpLimit() {
    SendTextFromChangeButton(host_, SystemChangeButtons[2], icmpLimitSpin_->Text(),
                             IcmpLimitCommand);
}

void SystemPage::OnChangeFastroute() {
    Send(SystemChangeButtons[3],
         SystemSwitchCommand(SystemSwitch::Fastroute, fastrouteCheck_->isChecked()));
}

void SystemPage::OnChangeDropRedirects() {
    Send(SystemChangeButtons[4],
         SystemSwitchCommand(SystemSwitch::DropRedirects, dropRedirectsCheck_->isChecked()));
}

void SystemPage::OnChangeSendRedirects() {
    Send(SystemChangeButtons[5],
         SystemSwitchCommand(SystemSwitch::SendRedirects, sendRedirectsCheck_->isChecked()));
}

void SystemPage::OnChangeRmaStart() {
    Send(RmaChangeButtons[0], RmaStartCommand(rmaStartCheck_->isChecked()));
}

void SystemPage::SendRmaRadioSwitch(std::size_t row, bool autobitrate, const QCheckBox* box) {
    const auto command = RmaRadioSwitchCommand(
        ToBytes(rmaRadioCombo_->currentText()),
        autobitrate ? RmaRadioSwitch::Autobitrate : RmaRadioSwitch::Polling, box->isChecked());
    if (!command) {
        // A router without radios: there is no interface to name.
        host_.Error(ToQString(std::string(kNoRadioInterface)));
        return;
    }
    Send(RmaChangeButtons[row], *command);
}

void SystemPage::OnChangeRmaAutobitrate() {
    SendRmaRadioSwitch(1, true, rmaAutobitrateCheck_);
}

void SystemPage::OnChangeRmaPolling() {
    SendRmaRadioSwitch(2, false, rmaPollingCheck_);
}

void SystemPage::Read(ReadStep step) {
    if (step == ReadStep::SystemSettings) {
        ReadSystemSettings();
    } else if (step == ReadStep::RmaSettings) {
        ReadRmaSettings();
    }
}

std::span<const ReadStep> SystemPage::Steps() const {
    static constexpr std::array Owned{ReadStep::SystemSettings, ReadStep::RmaSettings};
    return Owned;
}

}  // namespace tessel
