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
            .startCode = reply::RmaTestStart,
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

TRmaTestPage::TRmaTestPage(Session& /*session*/, PageHost& host, QWidget* parent)
    : StreamReportPage(RmaTestReport(), host, parent),
      InterfaceLabel(Caption(this, "Choose interface:", "RmaTestInterfaceLabel", 8)),
      ComboBox15(Named(new QComboBox(this), "ComboBox15")),
      Button39(StartButton()),
      Button40(StopButton()),
      MacLabel(Caption(this, "MAC-address:", "RmaTestMacLabel", 96)),
      Edit16(Named(new QLineEdit(this), "Edit16")),
      LengthLabel(Caption(this, "Packet length:", "RmaTestLengthLabel", 146)),
      SpinEditor8(Named(new TSpinEditor(this), "SpinEditor8")),
      CheckBox17(Named(new QCheckBox(QStringLiteral("Multicast"), this), "CheckBox17")),
      GridView9(Grid()),
      ChartButton(ChartOpener()) {
    // The level figures have 20 pixels: show the digits, not an ellipsis.
    GridView9->setTextElideMode(Qt::ElideNone);
    NameAfterCaption(InterfaceLabel, ComboBox15);
    ComboBox15->setEditable(false);
    ComboBox15->setGeometry(Side, 26, SideWidth, 22);
    NameAfterCaption(MacLabel, Edit16);
    Edit16->setGeometry(Side, 114, SideWidth, 22);
    NameAfterCaption(LengthLabel, SpinEditor8);
    SpinEditor8->setGeometry(Side, 164, SideWidth, 22);
    SpinEditor8->setRange(1, TSpinEditor::NoMaximum);
    SpinEditor8->setSingleStep(1);
    SpinEditor8->setValue(256);
    CheckBox17->setGeometry(Side, 198, SideWidth, 20);
    CheckBox17->setChecked(false);
    SetInputs(
        Inputs(host), {Edit16, SpinEditor8},
        {ComboBox15, Button39, Button40, Edit16, SpinEditor8, CheckBox17, GridView9, ChartButton});
}

StreamReportPage::RunInputs TRmaTestPage::Inputs(PageHost& host) {
    return {.command =
                [this] {
                    return RmaTestCommand(ToBytes(ComboBox15->currentText()),
                                          ToBytes(Edit16->text()), ToBytes(SpinEditor8->Text()),
                                          CheckBox17->isChecked());
                },
            .chart = [] { return RmaTestChart(); },
            .refused = [this, &host] { return RefuseUncarriable(host, {Edit16->text()}); }};
}

void TRmaTestPage::SetRadioNames(const QStringList& radios, int selected) {
    FillSelector(ComboBox15, radios, selected);
}

}  // namespace tessel
