#pragma once

// The live chart of a running report (the load meter's rates and packets,
// the RMA test's levels and quality) in a window of its own: one line per
// series against the run's time, an axis per unit, a legend and "Save as
// PNG…". The window keeps the run's series; the page that runs the report
// starts a run and hands it the chunks. A run's lines stay after "Stop" and
// go at the next Start. Redraws are spread out, so an hour of reports at
// one a second costs no more than a few replacements of bounded series a
// second.

#include "core/router/report_series.hpp"

#include <QString>
#include <QWidget>

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class QChart;
class QChartView;
class QLineSeries;
class QPushButton;
class QTimer;
class QValueAxis;
class QVBoxLayout;

namespace tessel {

class ReportChartWindow : public QWidget {
    Q_OBJECT
  public:
    using Time = ReportChart::Time;
    static constexpr int RedrawIntervalMs = 250;

    // The time a row is stamped with: a steady clock, which no clock change
    // on the desktop can turn back.
    static Time Now();

    ReportChartWindow(ReportChart chart, const QString& title, QWidget* parent = nullptr);

    // A new run of chart (its series named and unitted for this run): the
    // old lines go.
    void Start(ReportChart chart, Time now = Now());
    // One chunk of the running report; true when it added a point to every
    // line, which will be drawn within RedrawIntervalMs.
    bool Add(std::string_view chunk, Time now = Now());
    void Open();
    // A "Chart" button named name on the page that opens the window.
    QPushButton* MakeOpener(QWidget* page, const char* name);

    const ReportChart& Data() const { return chart_; }
    // The chart, its lines and its value axes as shown (for the window's own
    // redraw and for tests); they exist once the window has been opened.
    QChart* Chart() const;
    const std::vector<QLineSeries*>& Lines() const { return lines_; }
    QValueAxis* TimeAxis() const { return timeAxis_; }
    const std::vector<QValueAxis*>& ValueAxes() const { return valueAxes_; }

    bool SavePng(const QString& path, QString& error);
    void SaveAsPng();  // "Save as PNG…"

    QPushButton* SaveButton;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void EnsureView();
    void BuildLines();
    void RemoveLines();
    std::size_t AxisFor(const std::string& unit, std::vector<std::string>& units);
    void Redraw();

    ReportChart chart_;
    QVBoxLayout* layout_;
    // Built by EnsureView when the window is first wanted.
    QChartView* view_ = nullptr;
    std::vector<QLineSeries*> lines_;
    QValueAxis* timeAxis_ = nullptr;
    std::vector<QValueAxis*> valueAxes_;
    // Which of valueAxes_ each line is drawn against.
    std::vector<std::size_t> axisOf_;
    QTimer* redraw_;
    bool stale_ = false;
};

}  // namespace tessel
