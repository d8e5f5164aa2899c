// The live chart window fed at a fixed pace: its lines, axes and legend, the
// spread-out redraw over an hour of rows, and the PNG it saves.

#include "utilities/report_chart_window.hpp"
#include "core/router/report_series.hpp"
#include "scripted_file_dialogs.hpp"

#include <QChart>
#include <QElapsedTimer>
#include <QImage>
#include <QLegend>
#include <QLineSeries>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <string>

namespace tessel {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

// A load-meter report as the lab router writes it, every figure scaled.
std::string MeterRow(int scale) {
    std::string row = "  " + std::to_string(scale) + "s";
    for (int column = 1; column <= 10; ++column) {
        row += "  " + std::to_string(scale * column);
    }
    return row + "\r\n";
}

QStringList Names(const ReportChartWindow& window) {
    QStringList names;
    for (const QLineSeries* line : window.Lines()) {
        names.append(line->name());
    }
    return names;
}

class ReportChartWindowTest : public ::testing::Test {
  protected:
    // Rows first..last of a run that started at start, one a second.
    void Feed(int first, int last) {
        for (int row = first; row <= last; ++row) {
            window.Add(MeterRow(row), start + seconds(row));
        }
    }
    void WaitForRedraw() { QTest::qWait(ReportChartWindow::RedrawIntervalMs + 100); }

    const milliseconds start{7'000'000};
    ReportChartWindow window{LoadMeterChart("", false), "Load Meter chart"};
};

TEST_F(ReportChartWindowTest, LoadMeterLinesStandAgainstTimeWithAnAxisPerUnit) {
    window.Start(LoadMeterChart("eth0", true), start);
    Feed(1, 3);
    EXPECT_FALSE(window.Add("lab-1> ", start + seconds(4)));
    window.Open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    EXPECT_EQ(Names(window), (QStringList{"eth0 input (KBytes/s)", "eth0 output (KBytes/s)",
                                          "eth0 input packets (packets per report)",
                                          "eth0 output packets (packets per report)"}));
    const QList<QPointF> output = window.Lines()[1]->points();
    EXPECT_EQ(output, (QList<QPointF>{{1, 5}, {2, 10}, {3, 15}}));
    EXPECT_EQ(window.Lines()[3]->points().back(), QPointF(3, 24));
    EXPECT_EQ(window.TimeAxis()->titleText(), "Time (s)");
    ASSERT_EQ(window.ValueAxes().size(), 2u);
    EXPECT_EQ(window.ValueAxes()[0]->titleText(), "KBytes/s");
    EXPECT_EQ(window.ValueAxes()[0]->alignment(), Qt::AlignLeft);
    EXPECT_EQ(window.ValueAxes()[1]->titleText(), "packets per report");
    EXPECT_EQ(window.ValueAxes()[1]->alignment(), Qt::AlignRight);
    EXPECT_GE(window.ValueAxes()[0]->max(), 15);
    EXPECT_GE(window.ValueAxes()[1]->max(), 24);
    EXPECT_TRUE(window.Chart()->legend()->isVisible());

    // A run without "KBytes" counts kbit/s; its start empties the lines.
    window.Start(LoadMeterChart("eth0", false), start + seconds(60));
    EXPECT_EQ(window.ValueAxes()[0]->titleText(), "kbit/s");
    EXPECT_EQ(window.Lines()[0]->count(), 0);
}

TEST_F(ReportChartWindowTest, AnHourAtARowASecondIsRedrawnAFewTimesASecond) {
    window.Start(LoadMeterChart("eth0", false), start);
    window.Open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy replaced(window.Lines()[0], &QXYSeries::pointsReplaced);
    QElapsedTimer clock;
    clock.start();
    for (int row = 1; row <= 3600; ++row) {
        window.Add(MeterRow(1 + row % 5), start + seconds(row));
        QCoreApplication::processEvents();
    }
    // The last rows are drawn within a redraw period.
    WaitForRedraw();
    const qint64 elapsed = clock.elapsed();
    EXPECT_LE(replaced.count(), elapsed / ReportChartWindow::RedrawIntervalMs + 2);
    EXPECT_GE(replaced.count(), 1);
    const QList<QPointF> points = window.Lines()[0]->points();
    EXPECT_LE(points.size(), static_cast<qsizetype>(DecimatedSeries::DefaultCapacity + 2));
    EXPECT_EQ(points.back().x(), 3600);
    EXPECT_GE(window.TimeAxis()->max(), 3600);
}

TEST_F(ReportChartWindowTest, SaveAsPngWritesTheChartAndReportsAFailure) {
    window.Start(LoadMeterChart("eth0", false), start);
    Feed(1, 20);
    window.Open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTemporaryDir folder;
    test::ScriptedFileDialogs dialogs;
    dialogs.path = folder.filePath("chart.png");
    window.SaveButton->click();
    ASSERT_EQ(dialogs.asked, 1);
    EXPECT_TRUE(dialogs.failures.isEmpty());
    const QImage image(dialogs.path, "PNG");
    ASSERT_FALSE(image.isNull());
    EXPECT_GE(image.width(), 300);
    // Not a blank picture: the lines, axes and legend are drawn.
    QList<QRgb> colours;
    for (int y = 0; y < image.height() && colours.size() < 3; y += 4) {
        for (int x = 0; x < image.width() && colours.size() < 3; x += 4) {
            if (!colours.contains(image.pixel(x, y))) {
                colours.append(image.pixel(x, y));
            }
        }
    }
    EXPECT_EQ(colours.size(), 3);

    dialogs.path = folder.path();  // a folder cannot become the file
    window.SaveAsPng();
    ASSERT_EQ(dialogs.failures.size(), 1);
    EXPECT_TRUE(dialogs.failures[0].startsWith("Error|Could not save "));
}

}  // namespace
}  // namespace tessel
