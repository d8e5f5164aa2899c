#pragma once

// The live charts of the load meter and the RMA test: the report rows the
// grid shows, turned into points against the time since the run started.
// The caller stamps each row (no clock here). A run's points stay after
// "Stop" and go at the next Start.

#include "core/router/decimated_series.hpp"

#include <array>
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

// The number a report cell shows: "12", "-3", "2.5", also "95%" and the
// quality's "(95%)". Nothing for anything else ("9/10", "3ms", "").
std::optional<double> ReportFigure(std::string_view cell);

struct ReportSeries {
    std::string name;
    std::string unit;        // the axis text
    std::size_t column = 0;  // the grid cell the value comes from
    DecimatedSeries points;
};

class ReportChart {
  public:
    using Time = std::chrono::milliseconds;
    // The grid row a received chunk makes, or nothing.
    using RowOf = std::optional<std::array<std::string, 11>> (*)(std::string_view chunk);

    ReportChart(RowOf rowOf, std::vector<ReportSeries> series);

    // A new run from time: every series emptied.
    void Start(Time time);
    // One chunk the report sent. It adds a point to every series, or none
    // when it makes no grid row or a charted cell holds no number: a part
    // of a report split over two chunks must not draw a false value.
    bool Add(Time time, std::string_view chunk);

    const std::vector<ReportSeries>& Series() const { return series_; }

  private:
    RowOf rowOf_;
    std::vector<ReportSeries> series_;
    Time start_{0};
};

// Run in kilobytes ("-B") the meter counts KBytes/s, otherwise kbit/s.
std::string_view LoadMeterRateUnit(bool kilobytes);

// The measured interface's input and output traffic ("cur") in the run's
// unit, and its input and output packets, which the meter counts per
// report.
ReportChart LoadMeterChart(std::string_view interfaceName, bool kilobytes);

// The two signal levels (0..16, "Lev->" and "Lev-<" as the CPE table names
// the directions) and the quality in percent of each result line.
ReportChart RmaTestChart();

// A round step (1, 2 or 5 times a power of ten) for the ticks of an axis
// that spans span units, giving at most most ticks after the first; 1 for
// an empty or negative span.
double RoundTickStep(double span, int most);

}  // namespace tessel
