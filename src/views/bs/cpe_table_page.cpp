#include "views/bs/cpe_table_page.hpp"

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

TBsPage::TBsPage(Session& session, PageHost& host, QWidget* parent)
    : QWidget(parent), session_(session), host_(host) {
    setObjectName(QStringLiteral("TabSheet3"));
    BuildTable();
    BuildConfiguration();
    BuildRefreshControls();
    BuildLegend();
    autoUpdate_ = new AutoUpdateController(this, host_, Button24, SpinEditor4, CpeTableRefresh);
    // A CPE is known by its MAC address wherever a refresh puts its row.
    GridView2->SetKeyColumns({cpe_column::Mac});
    entryButtons_ = new EntryButtons(GridView2, {Button5}, {Button6, Button7}, this);

    host_.AddReadTimer(autoUpdate_->Timer(), [this] { Timer2Timer(); });
    // activated: the operator's choice only, not the radio page filling the list.
    connect(ComboBox8, &QComboBox::activated, this, &TBsPage::ComboBox8Change);
    // Any way the operator picks a row fills the form, so that the form and
    // the highlighted row show the same CPE.
    connect(GridView2, &TGridView::RowChosen, this, &TBsPage::GridView2CellClick);
    connect(Button4, &QPushButton::clicked, this, &TBsPage::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TBsPage::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TBsPage::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &TBsPage::Button7Click);
    connect(Button36, &QPushButton::clicked, this, &TBsPage::Button36Click);
    for (QPushButton* button : {Button5, Button6, Button7}) {
        host_.AddConsoleButton(button);
    }
}

void TBsPage::SetRadioNames(const QStringList& radios, int selected) {
    FillSelector(ComboBox5, radios, selected);
    FillSelector(ComboBox8, radios, selected);
}

int TBsPage::CpeTableAutoUpdate() const {
    return autoUpdate_->Flag();
}

void TBsPage::ReadCpeTable() {
    GridView2->Clear();
    const int position = ComboBox8->currentIndex();
    const CpeTable table = tessel::ReadCpeTable(
        session_, RadioNumberOf(ComboBox8), BandAt(host_.Router().RadioBand, position).value_or(0));
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
    GridView2->AppendRows(rows);
    rowCount_ = table.rows.size();
    entryButtons_->Follow();
}

void TBsPage::PrepareLoad() {
    autoUpdate_->PrepareLoad();
}

void TBsPage::ResetAfterLoad() {
    autoUpdate_->ResetAfterLoad();
}

void TBsPage::Button4Click() {
    // The operator's own look at the router also ends a wait for an answer
    // that never came.
    ReadCpeTable();
    entryButtons_->Answered();
}

void TBsPage::ComboBox8Change() {
    ReadCpeTable();
}

void TBsPage::Timer2Timer() {
    if (rowCount_ > 0) {
        ReadCpeTable();
    }
}

void TBsPage::GridView2CellClick(int row) {
    if (row < 0 || row >= GridView2->RowCount()) {
        return;
    }
    Edit7->setText(GridView2->Cell(row, cpe_column::Name));
    Edit8->setText(GridView2->Cell(row, cpe_column::Mac));
    Edit9->setText(GridView2->Cell(row, cpe_column::IpAddress));
    CheckBox9->setChecked(GridView2->Cell(row, cpe_column::Enabled) == QStringLiteral("true"));
    ComboBox5->setCurrentIndex(ComboBox8->currentIndex());
}

CpeForm TBsPage::FormValues() const {
    CpeForm values;
    values.interfaceName = ToBytes(ComboBox5->currentText());
    values.name = ToBytes(Edit7->text());
    values.mac = ToBytes(Edit8->text());
    values.ipAddress = ToBytes(Edit9->text());
    values.enabled = CheckBox9->isChecked();
    return values;
}

bool TBsPage::FormRefused() {
    return RefuseUncarriable(host_, {Edit7->text(), Edit8->text(), Edit9->text()});
}

void TBsPage::CreateCpe() {
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
    // The box let other events run (a Timer2 refresh may have rebuilt the
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

void TBsPage::ClearForm() {
    Edit8->clear();
    Edit7->clear();
    Edit9->clear();
    CheckBox9->setChecked(true);
    // The form shows no CPE now, so no row may stay highlighted for Delete.
    GridView2->Unselect();
}

void TBsPage::Button5Click() {
    CreateCpe();
}

void TBsPage::Button6Click() {
    if (FormRefused()) {
        return;
    }
    const int row = GridView2->SelectedRow();
    if (row < 0) {
        return;
    }
    const std::string rowMac = ToBytes(GridView2->Cell(row, cpe_column::Mac));
    if (MacEdited(rowMac, ToBytes(Edit8->text())) &&
        !host_.Ask(ToQString(std::string(MacChangedQuestion)),
                   ToQString(std::string(MacChangedCaption)))) {
        return;
    }
    CreateCpe();
}

void TBsPage::Button7Click() {
    const int row = GridView2->SelectedRow();
    if (row < 0) {
        return;
    }
    const CpeRowKey key{ToBytes(GridView2->Cell(row, cpe_column::Mac)),
                        ToBytes(GridView2->Cell(row, cpe_column::IpAddress)),
                        ToBytes(GridView2->Cell(row, cpe_column::Name))};
    if (key.mac.empty()) {
        return;
    }
    const auto command = CpeDeleteCommand(ToBytes(ComboBox8->currentText()), key);
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

void TBsPage::Button36Click() {
    ClearForm();
}

void TBsPage::Read(ReadStep step) {
    if (step == ReadStep::CpeTable) {
        ReadCpeTable();
        entryButtons_->Answered();
    }
}

std::span<const ReadStep> TBsPage::Steps() const {
    static constexpr std::array Owned{ReadStep::CpeTable};
    return Owned;
}

}  // namespace tessel
