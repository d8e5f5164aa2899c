#include "utilities/load_meter_page.hpp"

#include "core/router/load_meter.hpp"
#include "viewkit/column_mapper.hpp"
#include "viewkit/controls.hpp"
#include "viewkit/named.hpp"
#include "viewkit/text_bridge.hpp"
#include "widgets/grid_group_band.hpp"
#include "widgets/grid_view.hpp"
#include "widgets/spin_editor.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace tessel {

namespace {

StreamReportPage::Description LoadMeterReport() {
    return {.pageName = "LoadMeter",
            .gridName = "GridView8",
            .gridPlace = QRect(8, 30, 518, 330),
            .columns = LoadMeterGridColumns(),
            .rowOf = LoadMeterRowOf,
            .startCode = ReplyCode::LoadMeterStart,
            .clearAction = ReplyAction::ClearLoadMeter,
            .rowAction = ReplyAction::LoadMeterRow,
            .startName = "Button35",
            .stopName = "Button2",
            .noInputText = LoadMeterNoInterfaceText,
            .chartName = "LoadMeterChart",
            .chartTitle = "Load Meter chart",
            .idleChart = LoadMeterChart("", false),
            .chartButtonName = "LoadMeterChartButton",
            .chartButtonTop = 164};
}

}  // namespace

LoadMeterPage::LoadMeterPage(Session& /*session*/, PageHost& host, QWidget* parent)
    : StreamReportPage(LoadMeterReport(), host, parent),
      InterfaceLabel(
          Named(new QLabel(QStringLiteral("Choose interface:"), this), "LoadMeterInterfaceLabel")),
      loadMeterInterfaceCombo_(Named(new QComboBox(this), "ComboBox14")),
      loadMeterStartButton_(StartButton()),
      loadMeterStopButton_(StopButton()),
      loadMeterKbytesCheck_(Named(new QCheckBox(QStringLiteral("KBytes"), this), "CheckBox16")),
      IntervalLabel(Named(new QLabel(QStringLiteral("Interval:"), this), "LoadMeterIntervalLabel")),
      loadMeterIntervalSpin_(Named(new SpinEditor(this), "SpinEditor7")),
      GroupBand(Named(new GridGroupBand(Grid(), ReportColumnGroups(LoadMeterGridColumns()), 22),
                      "GroupBand8")),
      loadMeterGrid_(Grid()),
      ChartButton(ChartOpener()) {
    InterfaceLabel->setGeometry(Side, 8, SideWidth, 18);
    NameAfterCaption(InterfaceLabel, loadMeterInterfaceCombo_);
    loadMeterInterfaceCombo_->setEditable(false);
    loadMeterInterfaceCombo_->setGeometry(Side, 26, SideWidth, 22);
    loadMeterKbytesCheck_->setGeometry(Side, 96, SideWidth, 20);
    loadMeterKbytesCheck_->setChecked(false);
    IntervalLabel->setGeometry(Side, 128, 56, 22);
    NameAfterCaption(IntervalLabel, loadMeterIntervalSpin_);
    loadMeterIntervalSpin_->setGeometry(Side + 60, 128, SideWidth - 60, 22);
    loadMeterIntervalSpin_->setRange(1, SpinEditor::NoMaximum);
    loadMeterIntervalSpin_->setSingleStep(1);
    loadMeterIntervalSpin_->setValue(1);
    SetInputs(Inputs(), {loadMeterInterfaceCombo_, loadMeterIntervalSpin_},
              {loadMeterInterfaceCombo_, loadMeterStartButton_, loadMeterStopButton_,
               loadMeterKbytesCheck_, loadMeterIntervalSpin_, loadMeterGrid_, ChartButton});
}

StreamReportPage::RunInputs LoadMeterPage::Inputs() {
    return {.command =
                [this] {
                    return LoadMeterCommand(loadMeterKbytesCheck_->isChecked(),
                                            ToBytes(loadMeterIntervalSpin_->Text()),
                                            ToBytes(loadMeterInterfaceCombo_->currentText()));
                },
            .chart =
                [this] {
                    return LoadMeterChart(ToBytes(loadMeterInterfaceCombo_->currentText()),
                                          loadMeterKbytesCheck_->isChecked());
                }};
}

void LoadMeterPage::SetInterfaceNames(const QStringList& names, int selected) {
    FillSelector(loadMeterInterfaceCombo_, names, selected);
}

}  // namespace tessel
