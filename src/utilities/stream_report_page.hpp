#pragma once

// A page of the "Utilities" tab that runs one of the router's streaming
// reports (the load meter, the RMA link test): "Start" sends the report's
// line and locks the page's inputs and the window's console buttons, each
// report chunk may add a grid row and a point to the live chart, "Stop"
// sends ESC. What differs between the reports is a Description; the page's
// own inputs are built by the page that derives from this one.

#include "core/console/reply_dispatch.hpp"
#include "core/router/report_series.hpp"
#include "viewkit/page.hpp"

#include <QRect>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QPushButton;
class QTimer;

namespace tessel {

class PageHost;
class ReportChartWindow;
class GridView;
struct ReportColumn;

class StreamReportPage : public QWidget, public Page {
    Q_OBJECT
  public:
    using Row = std::array<std::string, 11>;

    struct Description {
        const char* pageName;
        // The grid: its name, place and columns (captions, widths), and how
        // a report chunk becomes a row (none for a heading or a redraw).
        const char* gridName;
        QRect gridPlace;
        std::span<const ReportColumn> columns;
        std::optional<Row> (*rowOf)(std::string_view chunk);
        // The console: the code "Start" sends under, and the replies whose
        // first clears the grid and whose others may add a row.
        ReplyCode startCode;
        ReplyAction clearAction;
        ReplyAction rowAction;
        // "Start" and "Stop", and the text when there is nothing to run on.
        const char* startName;
        const char* stopName;
        std::string_view noInputText;
        // The live chart: its window, the run it shows before any Start,
        // and its "Chart" button, below the page's inputs.
        const char* chartName;
        const char* chartTitle;
        ReportChart idleChart;
        const char* chartButtonName;
        int chartButtonTop;
    };

    // What a run takes from the page's inputs: the line to send (none when
    // an input is missing), the chart it feeds, and whether the inputs are
    // refused outright (the operator has been told).
    struct RunInputs {
        std::function<std::optional<std::string>()> command;
        std::function<ReportChart()> chart;
        std::function<bool()> refused = [] { return false; };
    };

    // The right-hand column of controls.
    static constexpr int Side = 558;
    static constexpr int SideWidth = 124;

    StreamReportPage(const Description& description, PageHost& host, QWidget* parent);

    // Page
    std::span<const ReadStep> Steps() const override;
    void Read(ReadStep) override {}
    std::span<const ReplyAction> Replies() const override;
    void ConsoleReply(ReplyAction action, const std::string& chunk) override;

    void StartClick();
    // ESC; the page and the console buttons stay locked for the router's
    // pause (ReportStopPauseMs), then StopPause unlocks them.
    void StopClick();
    void ClearReport();
    void ReportRow(const std::string& chunk);

    QPushButton* StartButton() const { return start_; }
    QPushButton* StopButton() const { return stop_; }
    GridView* Grid() const { return grid_; }
    QPushButton* ChartOpener() const { return chartButton_; }
    QTimer* StopPause() const { return stopPause_; }

  public slots:
    // The console's report ended without "Stop" (ConsoleChannel::ReportEnded).
    void ReportEnded(ReplyCode code);
    // The connection went (a logout, the router closing): no pause is left
    // to wait out, and the next session finds the page unlocked.
    void ConsoleClosed();

  protected:
    // Called by the deriving page once its inputs exist: what a run reads
    // from them, the inputs a run locks, and the keyboard order of the
    // page's controls.
    void SetInputs(RunInputs inputs, std::vector<QWidget*> locked,
                   std::initializer_list<QWidget*> tabOrder);

  private:
    enum class RunState { Idle, Running, Pausing };
    void EndPause();
    void ShowRunning(bool running);

    PageHost& host_;
    const Description description_;
    const std::array<ReplyAction, 2> replies_;
    RunInputs inputs_;
    std::vector<QWidget*> locked_;
    GridView* grid_;
    QPushButton* start_;
    QPushButton* stop_;
    ReportChartWindow* chart_;
    QPushButton* chartButton_;
    QTimer* stopPause_;
    RunState state_ = RunState::Idle;
    // The code the running report was started under.
    ReplyCode runningCode_ = ReplyCode::Idle;
};

}  // namespace tessel
