#include "utilities/load_meter_page.hpp"

#include "core/console/reply_dispatch.hpp"
#include "core/router/load_meter.hpp"
#include "core/router/report_series.hpp"
#include "utilities/report_chart_window.hpp"
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

#include <array>

namespace tessel {

namespace {

// The right-hand column of controls.
constexpr int Side = 558;
constexpr int SideWidth = 124;

}  // namespace

TLoadMeterPage::TLoadMeterPage(Session& /*session*/, PageHost& host, QWidget* parent)
    : QWidget(parent),
      InterfaceLabel(
          Named(new QLabel(QStringLiteral("Choose interface:"), this), "LoadMeterInterfaceLabel")),
      ComboBox14(Named(new QComboBox(this), "ComboBox14")),
      Button35(Named(new QPushButton(QStringLiteral("Start"), this), "Button35")),
      Button2(Named(new QPushButton(QStringLiteral("Stop"), this), "Button2")),
      CheckBox16(Named(new QCheckBox(QStringLiteral("KBytes"), this), "CheckBox16")),
      IntervalLabel(Named(new QLabel(QStringLiteral("Interval:"), this), "LoadMeterIntervalLabel")),
      SpinEditor7(Named(new TSpinEditor(this), "SpinEditor7")),
      GroupBand(nullptr),
      GridView8(Named(new TGridView(this), "GridView8")),
      run_(host, {Button35, ComboBox14, SpinEditor7}, Button2) {
    setObjectName(QStringLiteral("LoadMeter"));

    ApplyReportColumns(*GridView8, LoadMeterGridColumns());
    GridView8->setGeometry(8, 30, 518, 330);
    GroupBand = Named(new TGridGroupBand(GridView8, ReportColumnGroups(LoadMeterGridColumns()), 22),
                      "GroupBand8");

    InterfaceLabel->setGeometry(Side, 8, SideWidth, 18);
    ComboBox14->setEditable(false);
    ComboBox14->setGeometry(Side, 26, SideWidth, 22);
    Button35->setGeometry(Side, 60, 66, 25);
    Button2->setGeometry(Side + SideWidth - 66, 60, 66, 25);
    CheckBox16->setGeometry(Side, 96, SideWidth, 20);
    CheckBox16->setChecked(false);
    IntervalLabel->setGeometry(Side, 128, 56, 22);
    SpinEditor7->setGeometry(Side + 60, 128, SideWidth - 60, 22);
    SpinEditor7->setRange(1, TSpinEditor::NoMaximum);
    SpinEditor7->setSingleStep(1);
    SpinEditor7->setValue(1);
    chart_ = Named(
        new ReportChartWindow(LoadMeterChart("", false), QStringLiteral("Load Meter chart"), this),
        "LoadMeterChart");
    ChartButton = chart_->MakeOpener(this, "LoadMeterChartButton");
    ChartButton->setGeometry(Side, 164, 66, 25);

    connect(Button35, &QPushButton::clicked, this, &TLoadMeterPage::Button35Click);
    connect(Button2, &QPushButton::clicked, this, &TLoadMeterPage::Button2Click);
}

void TLoadMeterPage::SetInterfaceNames(const QStringList& names, int selected) {
    FillSelector(ComboBox14, names, selected);
}

void TLoadMeterPage::Button35Click() {
    if (run_.Start(LoadMeterCommand(CheckBox16->isChecked(), ToBytes(SpinEditor7->Text()),
                                    ToBytes(ComboBox14->currentText())),
                   reply::LoadMeterStart, ToQString(LoadMeterNoInterfaceText))) {
        chart_->Start(LoadMeterChart(ToBytes(ComboBox14->currentText()), CheckBox16->isChecked()));
    }
}

void TLoadMeterPage::Button2Click() {
    run_.Stop();
}

void TLoadMeterPage::ClearLoadMeter() {
    GridView8->Clear();
}

void TLoadMeterPage::LoadMeterRow(const std::string& chunk) {
    if (const auto row = LoadMeterRowOf(chunk)) {
        StreamUtility::AppendReportRow(*GridView8, *row);
        chart_->Add(chunk);
    }
}

void TLoadMeterPage::ReportEnded(ReplyCode code) {
    run_.Ended(code);
}

void TLoadMeterPage::ConsoleReply(ReplyAction action, const std::string& chunk) {
    if (action == ReplyAction::ClearLoadMeter) {
        ClearLoadMeter();
    } else if (action == ReplyAction::LoadMeterRow) {
        LoadMeterRow(chunk);
    }
}

std::span<const ReadStep> TLoadMeterPage::Steps() const {
    return {};  // the page reads nothing over SNMP
}

std::span<const ReplyAction> TLoadMeterPage::Replies() const {
    static constexpr std::array Owned{ReplyAction::ClearLoadMeter, ReplyAction::LoadMeterRow};
    return Owned;
}

}  // namespace tessel
