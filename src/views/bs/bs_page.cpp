#include "views/bs/bs_page.hpp"

#include "core/pages/cpe_table_read.hpp"
#include "core/router/auto_update.hpp"
#include "core/router/cpe_commands.hpp"
#include "core/router/mac_text.hpp"
#include "core/router/radio_rules.hpp"
#include "core/session/router_model.hpp"
#include "core/session/session.hpp"
#include "viewkit/auto_update.hpp"
#include "viewkit/controls.hpp"
#include "viewkit/entry_buttons.hpp"
#include "viewkit/operator_text.hpp"
#include "viewkit/page_host.hpp"
#include "viewkit/text_bridge.hpp"
#include "widgets/grid_view.hpp"
#include "widgets/spin_editor.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <array>

namespace tessel {

namespace {

// Off until the operator starts it; the post-login load switches it off
// again. Hiding the tab always stops the timer.
const AutoUpdatePolicy CpeTableRefresh{.timerName = QStringLiteral("Timer2"),
                                       .startIntervalMs = 5000,
                                       .initialCaption = StartAutoUpdateCaption,
                                       .repaintBeforeStart = true,
                                       .stopTimerOnHideOnlyWhenOn = false,
                                       .editorFromTimerBeforeLoad = true,
                                       .onAfterLoad = false};

}  // namespace

BsPage::BsPage(Session& session, PageHost& host, QWidget* parent)
    : QWidget(parent), session_(session), host_(host) {
    setObjectName(QStringLiteral("TabSheet3"));
    BuildTable();
    BuildConfiguration();
    BuildRefreshControls();
    BuildLegend();
    autoUpdate_ = new AutoUpdateController(this, host_, cpeTableAutoUpdateButton_,
                                           cpeTablePeriodSpin_, CpeTableRefresh);
    // A CPE is known by its MAC address wherever a refresh puts its row.
    cpeTableGrid_->SetKeyColumns({cpe_column::Mac});
    entryButtons_ = new EntryButtons(cpeTableGrid_, {newCpeButton_},
                                     {updateCpeButton_, deleteCpeButton_}, this);

    host_.AddReadTimer(autoUpdate_->Timer(), [this] { OnCpeTableTick(); });
    // activated: the operator's choice only, not the radio page filling the list.
    connect(cpeTableRadioCombo_, &QComboBox::activated, this, &BsPage::OnCpeTableRadioChanged);
    // Any way the operator picks a row fills the form, so that the form and
    // the highlighted row show the same CPE.
    connect(cpeTableGrid_, &GridView::RowChosen, this, &BsPage::OnCpeRowChosen);
    connect(updateCpeTableButton_, &QPushButton::clicked, this, &BsPage::OnUpdateCpeTable);
    connect(newCpeButton_, &QPushButton::clicked, this, &BsPage::OnNewCpe);
    connect(updateCpeButton_, &QPushButton::clicked, this, &BsPage::OnUpdateCpe);
    connect(deleteCpeButton_, &QPushButton::clicked, this, &BsPage::OnDeleteCpe);
    connect(clearCpeFormButton_, &QPushButton::clicked, this, &BsPage::OnClearCpeForm);
    for (QPushButton* button : {newCpeButton_, updateCpeButton_, deleteCpeButton_}) {
        host_.AddConsoleButton(button);
    }
}

void BsPage::SetRadioNames(const QStringList& radios, int selected) {
    FillSelector(cpeRadioCombo_, radios, selected);
    FillSelector(cpeTableRadioCombo_, radios, selected);
}

int BsPage::CpeTableAutoUpdate() const {
    return autoUpdate_->Flag();
}

void BsPage::ReadCpeTable() {
    cpeTableGrid_->Clear();
    const int position = cpeTableRadioCombo_->currentIndex();
    const CpeTable table =
        tessel::ReadCpeTable(session_, RadioNumberOf(cpeTableRadioCombo_),
                             BandAt(host_.Router().RadioBand, position).value_or(0));
    emit PwrctlAllowedChanged(table.pwrctlEnabled);
    std::vector<QStringList> rows;
    rows.reserve(table.rows.size());
    for (const CpeTableRow& row : table.rows) {
        rows.push_back({QString(), ToQString(row.registered), ToQString(row.mac),
                        ToQString(row.ipAddress), ToQString(row.levelFrom),
                        ToQString(row.levelFromBar), ToQString(row.levelTo),
                        ToQString(row.levelToBar), ToQString(row.name), ToQString(row.transmit),
                        ToQString(row.receive), ToQString(row.distance), ToQString(row.limit),
                        ToQString(row.enabled)});
    }
    cpeTableGrid_->AppendRows(rows);
    rowCount_ = table.rows.size();
    entryButtons_->Follow();
}

void BsPage::PrepareLoad() {
    autoUpdate_->PrepareLoad();
}

void BsPage::ResetAfterLoad() {
    autoUpdate_->ResetAfterLoad();
}

void BsPage::OnUpdateCpeTable() {
    // The operator's own look at the router also ends a wait for an answer
    // that never came.
    ReadCpeTable();
    entryButtons_->Answered();
}

void BsPage::OnCpeTableRadioChanged() {
    ReadCpeTable();
}

void BsPage::OnCpeTableTick() {
    if (rowCount_ > 0) {
        ReadCpeTable();
    }
}

void BsPage::OnCpeRowChosen(int row) {
    if (row < 0 || row >= cpeTableGrid_->RowCount()) {
        return;
    }
    cpeNameEdit_->setText(cpeTableGrid_->Cell(row, cpe_column::Name));
    cpeMacEdit_->setText(cpeTableGrid_->Cell(row, cpe_column::Mac));
    cpeIpAddressEdit_->setText(cpeTableGrid_->Cell(row, cpe_column::IpAddress));
    cpeEnabledCheckBox_->setChecked(cpeTableGrid_->Cell(row, cpe_column::Enabled) ==
                                    QStringLiteral("true"));
    cpeRadioCombo_->setCurrentIndex(cpeTableRadioCombo_->currentIndex());
}

CpeForm BsPage::FormValues() const {
    CpeForm values;
    values.interfaceName = ToBytes(cpeRadioCombo_->currentText());
    values.name = ToBytes(cpeNameEdit_->text());
    values.mac = ToBytes(cpeMacEdit_->text());
    values.ipAddress = ToBytes(cpeIpAddressEdit_->text());
    values.enabled = cpeEnabledCheckBox_->isChecked();
    return values;
}

bool BsPage::FormRefused() {
    return RefuseUncarriable(
        host_, {cpeNameEdit_->text(), cpeMacEdit_->text(), cpeIpAddressEdit_->text()});
}

void BsPage::CreateCpe() {
    if (FormRefused()) {
        return;
    }
    const CpeForm asked = FormValues();
    const std::string errors = CpeFormErrorText(asked);
    if (!errors.empty()) {
        host_.Inform(ToQString(errors), ToQString(std::string(CpeInputErrorCaption)));
        return;
    }
    if (!host_.Ask(ToQString(NewCpeQuestion(asked)), ToQString(std::string(NewCpeCaption)))) {
        return;
    }
    // The box let other events run (an auto-update refresh may have rebuilt the
    // grid); the line is built from the form as it is now, and checked again.
    const CpeForm now = FormValues();
    if (!CpeFormErrorText(now).empty()) {
        host_.Inform(ToQString(CpeFormErrorText(now)),
                     ToQString(std::string(CpeInputErrorCaption)));
        return;
    }
    const ConsoleCommand command = CpeAddCommand(now);
    ClearForm();
    if (host_.SendCommand(command)) {
        entryButtons_->Sent();
    }
}

void BsPage::ClearForm() {
    cpeMacEdit_->clear();
    cpeNameEdit_->clear();
    cpeIpAddressEdit_->clear();
    cpeEnabledCheckBox_->setChecked(true);
    // The form shows no CPE now, so no row may stay highlighted for Delete.
    cpeTableGrid_->Unselect();
}

void BsPage::OnNewCpe() {
    CreateCpe();
}

void BsPage::OnUpdateCpe() {
    if (FormRefused()) {
        return;
    }
    const int row = cpeTableGrid_->SelectedRow();
    if (row < 0) {
        return;
    }
    const std::string rowMac = ToBytes(cpeTableGrid_->Cell(row, cpe_column::Mac));
    if (MacEdited(rowMac, ToBytes(cpeMacEdit_->text())) &&
        !host_.Ask(ToQString(std::string(MacChangedQuestion)),
                   ToQString(std::string(MacChangedCaption)))) {
        return;
    }
    CreateCpe();
}

void BsPage::OnDeleteCpe() {
    const int row = cpeTableGrid_->SelectedRow();
    if (row < 0) {
        return;
    }
    const CpeRowKey key{ToBytes(cpeTableGrid_->Cell(row, cpe_column::Mac)),
                        ToBytes(cpeTableGrid_->Cell(row, cpe_column::IpAddress)),
                        ToBytes(cpeTableGrid_->Cell(row, cpe_column::Name))};
    if (key.mac.empty()) {
        return;
    }
    const auto command = CpeDeleteCommand(ToBytes(cpeTableRadioCombo_->currentText()), key);
    if (!command) {
        host_.Inform(ToQString(std::string(kNoRadioInterface)),
                     ToQString(std::string(CpeInputErrorCaption)));
        return;
    }
    // The selection stays on the CPE until the router's answer is read: a
    // row moved under it would take the next press for another CPE.
    if (host_.SendCommand(*command)) {
        entryButtons_->Sent();
    }
}

void BsPage::OnClearCpeForm() {
    ClearForm();
}

void BsPage::Read(ReadStep step) {
    if (step == ReadStep::CpeTable) {
        ReadCpeTable();
        entryButtons_->Answered();
    }
}

std::span<const ReadStep> BsPage::Steps() const {
    static constexpr std::array Owned{ReadStep::CpeTable};
    return Owned;
}

}  // namespace tessel
