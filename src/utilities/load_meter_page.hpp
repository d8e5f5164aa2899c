#pragma once

// The "Load Meter" page of the "Utilities" tab: runs the router's traffic
// meter on one interface and shows each periodic report as a grid row.

#include "utilities/stream_utility.hpp"

#include "viewkit/page.hpp"

#include <QStringList>
#include <QWidget>

#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace tessel {

class PageHost;
class ReportChartWindow;
class Session;
class TGridGroupBand;
class TGridView;
class TSpinEditor;

class TLoadMeterPage : public QWidget, public Page {
    Q_OBJECT
  public:
    // Page
    std::span<const ReadStep> Steps() const override;
    std::span<const ReplyAction> Replies() const override;
    void Read(ReadStep) override {}
    void ConsoleReply(ReplyAction action, const std::string& chunk) override;
    TLoadMeterPage(Session& session, PageHost& host, QWidget* parent = nullptr);

    void Button35Click();  // "Start"
    void Button2Click();   // "Stop"

    // Console reports: the first chunk after "Start" clears the grid, every
    // later one may add a row.
    void ClearLoadMeter();
    void LoadMeterRow(const std::string& chunk);

    QLabel* InterfaceLabel;  // "Choose interface:"
    QComboBox* ComboBox14;
    QPushButton* Button35;
    QPushButton* Button2;
    QCheckBox* CheckBox16;
    QLabel* IntervalLabel;  // "Interval:"
    TSpinEditor* SpinEditor7;
    TGridGroupBand* GroupBand;
    TGridView* GridView8;
    QPushButton* ChartButton = nullptr;  // "Chart", the run's live chart

  public slots:
    // The interface list: every interface the router reports, as the
    // interfaces page reads them.
    void SetInterfaceNames(const QStringList& names, int selected);
    // The console's report ended without "Stop" (ConsoleChannel::ReportEnded).
    void ReportEnded(ReplyCode code);

  private:
    StreamUtility run_;
    ReportChartWindow* chart_ = nullptr;
};

}  // namespace tessel
