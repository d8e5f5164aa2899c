#include "utilities/rma_test_page.hpp"

#include "core/console/reply_dispatch.hpp"
#include "core/router/report_series.hpp"
#include "core/router/rma_test.hpp"
#include "utilities/report_chart_window.hpp"
#include "viewkit/column_mapper.hpp"
#include "viewkit/controls.hpp"
#include "viewkit/named.hpp"
#include "viewkit/operator_text.hpp"
#include "viewkit/text_bridge.hpp"
#include "widgets/grid_view.hpp"
#include "widgets/spin_editor.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace tessel {

namespace {

// The right-hand column of controls.
constexpr int Side = 558;
constexpr int SideWidth = 124;

}  // namespace

TRmaTestPage::TRmaTestPage(Session& /*session*/, PageHost& host, QWidget* parent)
    : QWidget(parent),
      InterfaceLabel(
          Named(new QLabel(QStringLiteral("Choose interface:"), this), "RmaTestInterfaceLabel")),
      ComboBox15(Named(new QComboBox(this), "ComboBox15")),
      Button39(Named(new QPushButton(QStringLiteral("Start"), this), "Button39")),
      Button40(Named(new QPushButton(QStringLiteral("Stop"), this), "Button40")),
      MacLabel(Named(new QLabel(QStringLiteral("MAC-address:"), this), "RmaTestMacLabel")),
      Edit16(Named(new QLineEdit(this), "Edit16")),
      LengthLabel(Named(new QLabel(QStringLiteral("Packet length:"), this), "RmaTestLengthLabel")),
      SpinEditor8(Named(new TSpinEditor(this), "SpinEditor8")),
      CheckBox17(Named(new QCheckBox(QStringLiteral("Multicast"), this), "CheckBox17")),
      GridView9(Named(new TGridView(this), "GridView9")),
      host_(host),
      run_(host, {Button39, Edit16, SpinEditor8}, Button40) {
    setObjectName(QStringLiteral("RmaTest"));

    ApplyReportColumns(*GridView9, RmaTestGridColumns());
    GridView9->setGeometry(8, 8, 541, 352);
    // The level figures have 20 pixels: show the digits, not an ellipsis.
    GridView9->setTextElideMode(Qt::ElideNone);

    InterfaceLabel->setGeometry(Side, 8, SideWidth, 18);
    ComboBox15->setEditable(false);
    ComboBox15->setGeometry(Side, 26, SideWidth, 22);
    Button39->setGeometry(Side, 60, 66, 25);
    Button40->setGeometry(Side + SideWidth - 66, 60, 66, 25);
    MacLabel->setGeometry(Side, 96, SideWidth, 18);
    Edit16->setGeometry(Side, 114, SideWidth, 22);
    LengthLabel->setGeometry(Side, 146, SideWidth, 18);
    SpinEditor8->setGeometry(Side, 164, SideWidth, 22);
    SpinEditor8->setRange(1, TSpinEditor::NoMaximum);
    SpinEditor8->setSingleStep(1);
    SpinEditor8->setValue(256);
    CheckBox17->setGeometry(Side, 198, SideWidth, 20);
    CheckBox17->setChecked(false);
    chart_ = Named(new ReportChartWindow(RmaTestChart(), QStringLiteral("RMA Test chart"), this),
                   "RmaTestChart");
    ChartButton = chart_->MakeOpener(this, "RmaTestChartButton");
    ChartButton->setGeometry(Side, 230, 66, 25);

    connect(Button39, &QPushButton::clicked, this, &TRmaTestPage::Button39Click);
    connect(Button40, &QPushButton::clicked, this, &TRmaTestPage::Button40Click);
}

void TRmaTestPage::SetRadioNames(const QStringList& radios, int selected) {
    FillSelector(ComboBox15, radios, selected);
}

void TRmaTestPage::Button39Click() {
    if (RefuseUncarriable(host_, {Edit16->text()})) {
        return;
    }
    if (run_.Start(RmaTestCommand(ToBytes(ComboBox15->currentText()), ToBytes(Edit16->text()),
                                  ToBytes(SpinEditor8->Text()), CheckBox17->isChecked()),
                   reply::RmaTestStart, ToQString(RmaTestNoInterfaceText))) {
        chart_->Start(RmaTestChart());
    }
}

void TRmaTestPage::Button40Click() {
    run_.Stop();
}

void TRmaTestPage::ClearRmaTest() {
    GridView9->Clear();
}

void TRmaTestPage::RmaTestRow(const std::string& chunk) {
    if (const auto row = RmaTestRowOf(chunk)) {
        StreamUtility::AppendReportRow(*GridView9, *row);
        chart_->Add(chunk);
    }
}

void TRmaTestPage::ReportEnded(ReplyCode code) {
    run_.Ended(code);
}

void TRmaTestPage::ConsoleReply(ReplyAction action, const std::string& chunk) {
    if (action == ReplyAction::ClearRmaTest) {
        ClearRmaTest();
    } else if (action == ReplyAction::RmaTestRow) {
        RmaTestRow(chunk);
    }
}

std::span<const ReadStep> TRmaTestPage::Steps() const {
    return {};  // the page reads nothing over SNMP
}

std::span<const ReplyAction> TRmaTestPage::Replies() const {
    static constexpr std::array Owned{ReplyAction::ClearRmaTest, ReplyAction::RmaTestRow};
    return Owned;
}

}  // namespace tessel
