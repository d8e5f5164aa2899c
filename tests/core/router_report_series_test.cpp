#include "core/router/report_series.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tessel {
namespace {

using std::chrono::milliseconds;
using Points = std::vector<ChartPoint>;

// A load-meter report as the lab router writes it, every value scaled.
std::string MeterRow(int scale) {
    std::string row = "  " + std::to_string(scale) + "s";
    for (int column = 1; column <= 10; ++column) {
        row += "  " + std::to_string(scale * column);
    }
    return row + "\r\n";
}

TEST(ReportFigures, NumbersPercentagesAndNothingElse) {
    EXPECT_EQ(ReportFigure("12"), 12.0);
    EXPECT_EQ(ReportFigure("-2.5"), -2.5);
    EXPECT_EQ(ReportFigure("95%"), 95.0);
    EXPECT_EQ(ReportFigure("(95%)"), 95.0);
    for (const char* cell : {"", "9/10", "3ms", "-", "(95", "nan", "inf", "12 "}) {
        EXPECT_FALSE(ReportFigure(cell).has_value()) << cell;
    }
}

TEST(ReportCharts, LoadMeterRowsBecomePointsAgainstTheRunsTime) {
    ReportChart chart = LoadMeterChart("eth0", false);
    chart.Start(milliseconds(50'000));
    for (int second = 1; second <= 3; ++second) {
        EXPECT_TRUE(chart.Add(milliseconds(50'000 + second * 1000), MeterRow(second)));
    }
    // The heading, the prompt after "Stop" and the halves of a split report
    // draw nothing.
    EXPECT_FALSE(chart.Add(milliseconds(54'000), "\x1b[K      INPUT cur avg max pckts\r\n"));
    EXPECT_FALSE(chart.Add(milliseconds(54'000), "lab-1> "));
    EXPECT_FALSE(chart.Add(milliseconds(54'000), "  4s  4  8  12  16"));
    EXPECT_FALSE(chart.Add(milliseconds(54'000), "  20  24  28  32  36  40\r\n"));
    const auto& series = chart.Series();
    ASSERT_EQ(series.size(), 4u);
    EXPECT_EQ(series[0].name, "eth0 input");
    EXPECT_EQ(series[0].unit, "kbit/s");
    EXPECT_EQ(series[0].points.Points(), (Points{{1, 1}, {2, 2}, {3, 3}}));
    EXPECT_EQ(series[1].name, "eth0 output");
    EXPECT_EQ(series[1].points.Points(), (Points{{1, 5}, {2, 10}, {3, 15}}));
    EXPECT_EQ(series[3].points.Points(), (Points{{1, 8}, {2, 16}, {3, 24}}));
    EXPECT_EQ(LoadMeterChart("eth0", true).Series()[1].unit, "KBytes/s");
    // A new run starts empty and counts its own time.
    chart.Start(milliseconds(90'000));
    EXPECT_TRUE(chart.Series()[0].points.Points().empty());
    chart.Add(milliseconds(90'500), MeterRow(7));
    EXPECT_EQ(chart.Series()[0].points.Points(), (Points{{0.5, 7}}));
}

TEST(ReportCharts, RmaTestLevelsAndQuality) {
    ReportChart chart = RmaTestChart();
    chart.Start(milliseconds(0));
    EXPECT_FALSE(chart.Add(milliseconds(500), "rma rf5.0 test 0002A1000001 256\r\n"));
    EXPECT_TRUE(chart.Add(milliseconds(1000), "  9/10  12  11  10%  0%  (95%)  3ms  1\r\n"));
    const auto& series = chart.Series();
    ASSERT_EQ(series.size(), 3u);
    EXPECT_EQ(series[0].points.Points(), (Points{{1, 12}}));
    EXPECT_EQ(series[1].points.Points(), (Points{{1, 11}}));
    EXPECT_EQ(series[2].name, "Quality");
    EXPECT_EQ(series[2].points.Points(), (Points{{1, 95}}));
}

TEST(ReportCharts, AnHourOfRowsStaysBoundedAndKeepsItsSpike) {
    ReportChart chart = LoadMeterChart("eth0", true);
    chart.Start(milliseconds(0));
    constexpr int Rows = 10'000;
    for (int row = 1; row <= Rows; ++row) {
        chart.Add(milliseconds(row * 1000), MeterRow(row == 6'001 ? 1'000 : 1 + row % 7));
    }
    for (const ReportSeries& series : chart.Series()) {
        const Points points = series.points.Points();
        EXPECT_LE(points.size(), DecimatedSeries::DefaultCapacity + 2);
        EXPECT_TRUE(std::is_sorted(points.begin(), points.end(),
                                   [](auto& a, auto& b) { return a.seconds < b.seconds; }));
        // The whole run, not only its latest part.
        EXPECT_LE(points.front().seconds, 100);
        EXPECT_GE(points.back().seconds, Rows - 100);
    }
    const Points input = chart.Series()[0].points.Points();
    EXPECT_NE(std::find(input.begin(), input.end(), ChartPoint{6'001, 1'000}), input.end());
    EXPECT_EQ(std::min_element(input.begin(), input.end(),
                               [](auto& a, auto& b) { return a.value < b.value; })
                  ->value,
              1);
}

TEST(ReportCharts, TimeTicksStandOnRoundSteps) {
    EXPECT_EQ(RoundTickStep(68, 8), 10);
    EXPECT_EQ(RoundTickStep(10, 8), 2);
    EXPECT_EQ(RoundTickStep(3600, 8), 500);
    EXPECT_DOUBLE_EQ(RoundTickStep(0.5, 8), 0.1);
    EXPECT_EQ(RoundTickStep(0, 8), 1);
}

}  // namespace
}  // namespace tessel
