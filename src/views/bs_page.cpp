#include "views/bs_page.hpp"

#include "app/form1.hpp"
#include "app/message_service.hpp"
#include "core/pages/cpe_table_read.hpp"
#include "core/router/auto_update.hpp"
#include "core/router/cpe_commands.hpp"
#include "core/router/mac_text.hpp"
#include "core/router/radio_rules.hpp"
#include "viewkit/controls.hpp"
#include "viewkit/text_bridge.hpp"
#include "widgets/grid_view.hpp"
#include "widgets/spin_editor.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QHideEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

namespace tessel {

TBsPage::TBsPage(TForm1& form, QTimer* timer2, QWidget* parent)
    : QWidget(parent), form_(form), timer2_(timer2) {
    setObjectName(QStringLiteral("TabSheet3"));
    BuildTable();
    BuildConfiguration();
    BuildRefreshControls();
    BuildLegend();

    connect(timer2_, &QTimer::timeout, this, &TBsPage::Timer2Timer);
    // activated: the operator's choice only, not the radio page filling the list.
    connect(ComboBox8, &QComboBox::activated, this, &TBsPage::ComboBox8Change);
    connect(GridView2, &TGridView::CellClicked, this,
            [this](int row, int) { GridView2CellClick(row); });
    connect(Button4, &QPushButton::clicked, this, &TBsPage::Button4Click);
    connect(SpinEditor4, &TSpinEditor::Changed, this, &TBsPage::SpinEditor4Change);
    connect(Button24, &QPushButton::clicked, this, &TBsPage::Button24Click);
    connect(Button5, &QPushButton::clicked, this, &TBsPage::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TBsPage::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &TBsPage::Button7Click);
    connect(Button36, &QPushButton::clicked, this, &TBsPage::Button36Click);
    for (QPushButton* button : {Button5, Button6, Button7}) {
        form_.AddConsoleButton(button);
    }
}

void TBsPage::SetPwrctlEnabler(std::function<void(bool)> enable) {
    enablePwrctl_ = std::move(enable);
}

void TBsPage::ReadCpeTable() {
    GridView2->Clear();
    Session& session = form_.CurrentSession();
    const int position = ComboBox8->currentIndex();
    const CpeTable table = tessel::ReadCpeTable(session, RadioNumberOf(ComboBox8),
                                                BandAt(session.RadioBand, position).value_or(0));
    if (enablePwrctl_) {
        enablePwrctl_(table.pwrctlEnabled);
    }
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
}

void TBsPage::PrepareLoad() {
    SpinEditor4->setValue(timer2_->interval() / 1000);
}

void TBsPage::ResetAfterLoad() {
    CpeTableAutoUpdate = 0;
}

void TBsPage::Button4Click() {
    ReadCpeTable();
}

void TBsPage::ComboBox8Change() {
    ReadCpeTable();
}

void TBsPage::Timer2Timer() {
    if (rowCount_ > 0) {
        ReadCpeTable();
    }
}

void TBsPage::SpinEditor4Change() {
    if (const auto interval =
            RefreshIntervalMs(SpinEditor4->value(), form_.CurrentSession().SessionLoaded)) {
        timer2_->setInterval(*interval);
    }
}

void TBsPage::Button24Click() {
    const AutoUpdateState next = ToggleAutoUpdate(ToBytes(Button24->text()));
    Button24->setText(
        QString::fromLatin1(next.caption.data(), static_cast<qsizetype>(next.caption.size())));
    if (next.timerEnabled) {
        timer2_->start();
    } else {
        timer2_->stop();
    }
    CpeTableAutoUpdate = next.flag;
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

void TBsPage::CreateCpe() {
    const CpeForm asked = FormValues();
    const std::string errors = CpeFormErrorText(asked);
    if (!errors.empty()) {
        Messages().Inform(this, ToQString(errors), ToQString(std::string(CpeInputErrorCaption)));
        return;
    }
    if (!Messages().AskYesNo(this, ToQString(NewCpeQuestion(asked)),
                             ToQString(std::string(NewCpeCaption)))) {
        return;
    }
    // The box let other events run (a Timer2 refresh may have rebuilt the
    // grid); the line is built from the form as it is now, and checked again.
    const CpeForm now = FormValues();
    if (!CpeFormErrorText(now).empty()) {
        Messages().Inform(this, ToQString(CpeFormErrorText(now)),
                          ToQString(std::string(CpeInputErrorCaption)));
        return;
    }
    const ConsoleCommand command = CpeAddCommand(now);
    Edit8->clear();
    Edit7->clear();
    Edit9->clear();
    CheckBox9->setChecked(true);
    form_.SendCommand(command);
}

void TBsPage::Button5Click() {
    CreateCpe();
}

void TBsPage::Button6Click() {
    const int row = GridView2->SelectedRow();
    const std::string rowMac = row >= 0 ? ToBytes(GridView2->Cell(row, cpe_column::Mac)) : "";
    if (MacEdited(rowMac, ToBytes(Edit8->text())) &&
        !Messages().AskYesNo(this, ToQString(std::string(MacChangedQuestion)),
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
        Messages().Inform(this, ToQString(std::string(kNoRadioInterface)),
                          ToQString(std::string(CpeInputErrorCaption)));
        return;
    }
    GridView2->selectRow(0);
    form_.SendCommand(*command);
}

void TBsPage::Button36Click() {
    Edit8->clear();
    Edit7->clear();
    Edit9->clear();
    CheckBox9->setChecked(true);
}

void TBsPage::TabSheet3Show() {
    repaint();
    if (CpeTableAutoUpdate == 1) {
        timer2_->start();
    }
}

void TBsPage::TabSheet3Hide() {
    timer2_->stop();
}

// The tab control shows and hides its pages as the operator switches tabs;
// a window being minimised or restored (spontaneous events) is no switch.
void TBsPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        TabSheet3Show();
    }
}

void TBsPage::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) {
        TabSheet3Hide();
    }
}

void TBsPage::Read(ReadStep step) {
    if (step == ReadStep::CpeTable) {
        ReadCpeTable();
    }
}

}  // namespace tessel
