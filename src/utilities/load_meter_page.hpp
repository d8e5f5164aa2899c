#pragma once

// The "Load Meter" page of the "Utilities" tab: runs the router's traffic
// meter on one interface and shows each periodic report as a grid row.

#include "utilities/stream_report_page.hpp"

#include <QStringList>

#include <string>

class QCheckBox;
class QComboBox;
class QLabel;

namespace tessel {

class Session;
class GridGroupBand;
class SpinEditor;

class LoadMeterPage : public StreamReportPage {
    Q_OBJECT
  public:
    LoadMeterPage(Session& session, PageHost& host, QWidget* parent = nullptr);

    void OnStartLoadMeter() { StartClick(); }  // "Start"
    void OnStopLoadMeter() { StopClick(); }    // "Stop"

    // Console reports: the first chunk after "Start" clears the grid, every
    // later one may add a row.
    void ClearLoadMeter() { ClearReport(); }
    void LoadMeterRow(const std::string& chunk) { ReportRow(chunk); }

    QLabel* InterfaceLabel;  // "Choose interface:"
    QComboBox* loadMeterInterfaceCombo_;
    QPushButton* loadMeterStartButton_;
    QPushButton* loadMeterStopButton_;
    QCheckBox* loadMeterKbytesCheck_;
    QLabel* IntervalLabel;  // "Interval:"
    SpinEditor* loadMeterIntervalSpin_;
    GridGroupBand* GroupBand;
    GridView* loadMeterGrid_;
    QPushButton* ChartButton;  // "Chart", the run's live chart

  public slots:
    // The interface list: every interface the router reports, as the
    // interfaces page reads them.
    void SetInterfaceNames(const QStringList& names, int selected);

  private:
    RunInputs Inputs();
};

}  // namespace tessel
