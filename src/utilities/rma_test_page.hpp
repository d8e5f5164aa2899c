#pragma once

// The "RMA Test" page of the "Utilities" tab: runs the router's RMA link
// test towards one remote unit and shows each result line as a grid row.

#include "utilities/stream_report_page.hpp"

#include <QStringList>

#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace tessel {

class Session;
class SpinEditor;

class RmaTestPage : public StreamReportPage {
    Q_OBJECT
  public:
    RmaTestPage(Session& session, PageHost& host, QWidget* parent = nullptr);

    void OnStartRmaTest() { StartClick(); }  // "Start"
    void OnStopRmaTest() { StopClick(); }    // "Stop"

    // Console reports: the first chunk after "Start" clears the grid, every
    // later one may add a row.
    void ClearRmaTest() { ClearReport(); }
    void RmaTestRow(const std::string& chunk) { ReportRow(chunk); }

    QLabel* InterfaceLabel;  // "Choose interface:"
    QComboBox* rmaTestRadioCombo_;
    QPushButton* rmaTestStartButton_;
    QPushButton* rmaTestStopButton_;
    QLabel* MacLabel;  // "MAC-address:"
    QLineEdit* rmaTestMacEdit_;
    QLabel* LengthLabel;  // "Packet length:"
    SpinEditor* rmaTestPacketLengthSpin_;
    QCheckBox* rmaTestMulticastCheck_;
    GridView* rmaTestGrid_;
    QPushButton* ChartButton;  // "Chart", the run's live chart

  public slots:
    // The radio-interface list: the interfaces whose names contain "rf", as
    // the radio group reads them.
    void SetRadioNames(const QStringList& radios, int selected);

  private:
    RunInputs Inputs(PageHost& host);
};

}  // namespace tessel
