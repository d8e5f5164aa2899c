#include "utilities/rma_test_page.hpp"

#include "core/router/rma_test.hpp"
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

namespace tessel {

namespace {

StreamReportPage::Description RmaTestReport() {
    return {.pageName = "RmaTest",
            .gridName = "GridView9",
            .gridPlace = QRect(8, 8, 541, 352),
            .columns = RmaTestGridColumns(),
            .rowOf = RmaTestRowOf,
            .startCode = ReplyCode::RmaTestStart,
            .clearAction = ReplyAction::ClearRmaTest,
            .rowAction = ReplyAction::RmaTestRow,
            .startName = "Button39",
            .stopName = "Button40",
            .noInputText = RmaTestNoInterfaceText,
            .chartName = "RmaTestChart",
            .chartTitle = "RMA Test chart",
            .idleChart = RmaTestChart(),
            .chartButtonName = "RmaTestChartButton",
            .chartButtonTop = 230};
}

// A caption over an input of the right-hand column.
QLabel* Caption(QWidget* page, const char* text, const char* name, int top) {
    auto* label = Named(new QLabel(QString::fromLatin1(text), page), name);
    label->setGeometry(StreamReportPage::Side, top, StreamReportPage::SideWidth, 18);
    return label;
}

}  // namespace

RmaTestPage::RmaTestPage(Session& /*session*/, PageHost& host, QWidget* parent)
    : StreamReportPage(RmaTestReport(), host, parent),
      InterfaceLabel(Caption(this, "Choose interface:", "RmaTestInterfaceLabel", 8)),
      rmaTestRadioCombo_(Named(new QComboBox(this), "ComboBox15")),
      rmaTestStartButton_(StartButton()),
      rmaTestStopButton_(StopButton()),
      MacLabel(Caption(this, "MAC-address:", "RmaTestMacLabel", 96)),
      rmaTestMacEdit_(Named(new QLineEdit(this), "Edit16")),
      LengthLabel(Caption(this, "Packet length:", "RmaTestLengthLabel", 146)),
      rmaTestPacketLengthSpin_(Named(new SpinEditor(this), "SpinEditor8")),
      rmaTestMulticastCheck_(Named(new QCheckBox(QStringLiteral("Multicast"), this), "CheckBox17")),
      rmaTestGrid_(Grid()),
      ChartButton(ChartOpener()) {
    // The level figures have 20 pixels: show the digits, not an ellipsis.
    rmaTestGrid_->setTextElideMode(Qt::ElideNone);
    NameAfterCaption(InterfaceLabel, rmaTestRadioCombo_);
    rmaTestRadioCombo_->setEditable(false);
    rmaTestRadioCombo_->setGeometry(Side, 26, SideWidth, 22);
    NameAfterCaption(MacLabel, rmaTestMacEdit_);
    rmaTestMacEdit_->setGeometry(Side, 114, SideWidth, 22);
    NameAfterCaption(LengthLabel, rmaTestPacketLengthSpin_);
    rmaTestPacketLengthSpin_->setGeometry(Side, 164, SideWidth, 22);
    rmaTestPacketLengthSpin_->setRange(1, SpinEditor::NoMaximum);
    rmaTestPacketLengthSpin_->setSingleStep(1);
    rmaTestPacketLengthSpin_->setValue(256);
    rmaTestMulticastCheck_->setGeometry(Side, 198, SideWidth, 20);
    rmaTestMulticastCheck_->setChecked(false);
    SetInputs(Inputs(host), {rmaTestMacEdit_, rmaTestPacketLengthSpin_},
              {rmaTestRadioCombo_, rmaTestStartButton_, rmaTestStopButton_, rmaTestMacEdit_,
               rmaTestPacketLengthSpin_, rmaTestMulticastCheck_, rmaTestGrid_, ChartButton});
}

StreamReportPage::RunInputs RmaTestPage::Inputs(PageHost& host) {
    return {
        .command =
            [this] {
                return RmaTestCommand(
                    ToBytes(rmaTestRadioCombo_->currentText()), ToBytes(rmaTestMacEdit_->text()),
                    ToBytes(rmaTestPacketLengthSpin_->Text()), rmaTestMulticastCheck_->isChecked());
            },
        .chart = [] { return RmaTestChart(); },
        .refused = [this, &host] { return RefuseUncarriable(host, {rmaTestMacEdit_->text()}); }};
}

void RmaTestPage::SetRadioNames(const QStringList& radios, int selected) {
    FillSelector(rmaTestRadioCombo_, radios, selected);
}

}  // namespace tessel
