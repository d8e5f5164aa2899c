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
            .startCode = reply::LoadMeterStart,
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

TLoadMeterPage::TLoadMeterPage(Session& /*session*/, PageHost& host, QWidget* parent)
    : StreamReportPage(LoadMeterReport(), host, parent),
      InterfaceLabel(
          Named(new QLabel(QStringLiteral("Choose interface:"), this), "LoadMeterInterfaceLabel")),
      ComboBox14(Named(new QComboBox(this), "ComboBox14")),
      Button35(StartButton()),
      Button2(StopButton()),
      CheckBox16(Named(new QCheckBox(QStringLiteral("KBytes"), this), "CheckBox16")),
      IntervalLabel(Named(new QLabel(QStringLiteral("Interval:"), this), "LoadMeterIntervalLabel")),
      SpinEditor7(Named(new TSpinEditor(this), "SpinEditor7")),
      GroupBand(Named(new TGridGroupBand(Grid(), ReportColumnGroups(LoadMeterGridColumns()), 22),
                      "GroupBand8")),
      GridView8(Grid()),
      ChartButton(ChartOpener()) {
    InterfaceLabel->setGeometry(Side, 8, SideWidth, 18);
    NameAfterCaption(InterfaceLabel, ComboBox14);
    ComboBox14->setEditable(false);
    ComboBox14->setGeometry(Side, 26, SideWidth, 22);
    CheckBox16->setGeometry(Side, 96, SideWidth, 20);
    CheckBox16->setChecked(false);
    IntervalLabel->setGeometry(Side, 128, 56, 22);
    NameAfterCaption(IntervalLabel, SpinEditor7);
    SpinEditor7->setGeometry(Side + 60, 128, SideWidth - 60, 22);
    SpinEditor7->setRange(1, TSpinEditor::NoMaximum);
    SpinEditor7->setSingleStep(1);
    SpinEditor7->setValue(1);
    SetInputs(Inputs(), {ComboBox14, SpinEditor7},
              {ComboBox14, Button35, Button2, CheckBox16, SpinEditor7, GridView8, ChartButton});
}

StreamReportPage::RunInputs TLoadMeterPage::Inputs() {
    return {.command =
                [this] {
                    return LoadMeterCommand(CheckBox16->isChecked(), ToBytes(SpinEditor7->Text()),
                                            ToBytes(ComboBox14->currentText()));
                },
            .chart =
                [this] {
                    return LoadMeterChart(ToBytes(ComboBox14->currentText()),
                                          CheckBox16->isChecked());
                }};
}

void TLoadMeterPage::SetInterfaceNames(const QStringList& names, int selected) {
    FillSelector(ComboBox14, names, selected);
}

}  // namespace tessel
