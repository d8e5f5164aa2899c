#include "utilities/report_chart_window.hpp"

#include "viewkit/named.hpp"
#include "viewkit/text_bridge.hpp"
#include "widgets/grid_file_dialogs.hpp"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <utility>

namespace tessel {

namespace {

// The least a run's time axis spans, so that its first rows do not fill it.
constexpr double ShortestTimeSpan = 10;

struct Span {
    double low = 0;
    double high = 0;
};

// Values from zero (or below it) up to the highest, never an empty span.
void SetValueRange(QValueAxis& axis, const Span& span) {
    const double low = std::min(0.0, span.low);
    const double high = span.high > low ? span.high : low + 1;
    axis.setRange(low, high);
    axis.applyNiceNumbers();
}

}  // namespace

ReportChartWindow::Time ReportChartWindow::Now() {
    return std::chrono::duration_cast<Time>(std::chrono::steady_clock::now().time_since_epoch());
}

ReportChartWindow::ReportChartWindow(ReportChart chart, const QString& title, QWidget* parent)
    : QWidget(parent, Qt::Window),
      SaveButton(
          Named(new QPushButton(QStringLiteral("Save as PNG\u2026"), this), "ChartSaveButton")),
      chart_(std::move(chart)),
      layout_(new QVBoxLayout(this)),
      redraw_(new QTimer(this)) {
    setWindowTitle(title);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SaveButton);
    layout_->addLayout(buttons);
    resize(900, 480);

    redraw_->setSingleShot(true);
    redraw_->setInterval(RedrawIntervalMs);
    connect(redraw_, &QTimer::timeout, this, &ReportChartWindow::Redraw);
    connect(SaveButton, &QPushButton::clicked, this, &ReportChartWindow::SaveAsPng);
}

// The chart is drawn only once the window is wanted: most sessions never
// open it, and the pages that own one are built at start-up.
void ReportChartWindow::EnsureView() {
    if (view_ != nullptr) {
        return;
    }
    view_ = Named(new QChartView(this), "ChartView");
    view_->setRenderHint(QPainter::Antialiasing);
    timeAxis_ = new QValueAxis(this);
    timeAxis_->setTitleText(QStringLiteral("Time (s)"));
    timeAxis_->setLabelFormat(QStringLiteral("%.0f"));
    timeAxis_->setTickType(QValueAxis::TicksDynamic);
    timeAxis_->setTickAnchor(0);
    Chart()->addAxis(timeAxis_, Qt::AlignBottom);
    Chart()->legend()->setVisible(true);
    // One entry under another: long names are never cut short.
    Chart()->legend()->setAlignment(Qt::AlignRight);
    layout_->insertWidget(0, view_);
    if (isVisible()) {
        view_->show();
    }
    BuildLines();
    Redraw();
}

QChart* ReportChartWindow::Chart() const {
    return view_->chart();
}

void ReportChartWindow::Start(ReportChart chart, Time now) {
    chart_ = std::move(chart);
    chart_.Start(now);
    if (view_ != nullptr) {
        RemoveLines();
        BuildLines();
        Redraw();
    }
}

bool ReportChartWindow::Add(std::string_view chunk, Time now) {
    if (!chart_.Add(now, chunk)) {
        return false;
    }
    stale_ = true;
    // Hidden, the lines are drawn when the window shows.
    if (isVisible() && !redraw_->isActive()) {
        redraw_->start();
    }
    return true;
}

void ReportChartWindow::Open() {
    EnsureView();
    show();
    raise();
    activateWindow();
}

QPushButton* ReportChartWindow::MakeOpener(QWidget* page, const char* name) {
    auto* button = Named(new QPushButton(QStringLiteral("Chart"), page), name);
    connect(button, &QPushButton::clicked, this, &ReportChartWindow::Open);
    return button;
}

bool ReportChartWindow::SavePng(const QString& path, QString& error) {
    EnsureView();
    if (stale_) {
        Redraw();
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !view_->grab().save(&buffer, "PNG")) {
        error = QStringLiteral("the chart could not be drawn as PNG");
        return false;
    }
    return WriteWholeFile(path, bytes, error);
}

void ReportChartWindow::SaveAsPng() {
    SaveThroughDialog(
        this, QStringLiteral("Save as PNG"), QStringLiteral("PNG images (*.png);;All files (*)"),
        [this](const QString& path, QString& error) {
            // A name typed without an extension still gets the picture's.
            return SavePng(QFileInfo(path).suffix().isEmpty() && !QFileInfo(path).isDir()
                               ? path + QStringLiteral(".png")
                               : path,
                           error);
        });
}

void ReportChartWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    EnsureView();
    if (stale_) {
        Redraw();
    }
}

void ReportChartWindow::BuildLines() {
    std::vector<std::string> units;
    for (const ReportSeries& series : chart_.Series()) {
        auto* line = new QLineSeries(this);
        // The legend reads names as rich text: "Lev-<" would open a tag.
        line->setName(ToQString(series.name + " (" + series.unit + ")").toHtmlEscaped());
        Chart()->addSeries(line);
        line->attachAxis(timeAxis_);
        axisOf_.push_back(AxisFor(series.unit, units));
        line->attachAxis(valueAxes_[axisOf_.back()]);
        lines_.push_back(line);
    }
}

void ReportChartWindow::RemoveLines() {
    Chart()->removeAllSeries();
    lines_.clear();
    axisOf_.clear();
    for (QValueAxis* axis : valueAxes_) {
        Chart()->removeAxis(axis);
        axis->deleteLater();
    }
    valueAxes_.clear();
}

std::size_t ReportChartWindow::AxisFor(const std::string& unit, std::vector<std::string>& units) {
    const auto known = std::find(units.begin(), units.end(), unit);
    if (known != units.end()) {
        return static_cast<std::size_t>(known - units.begin());
    }
    // The first unit on the left, the second on the right.
    auto* axis = new QValueAxis(this);
    axis->setTitleText(ToQString(unit));
    axis->setLabelFormat(QStringLiteral("%g"));
    Chart()->addAxis(axis, units.size() % 2 == 0 ? Qt::AlignLeft : Qt::AlignRight);
    units.push_back(unit);
    valueAxes_.push_back(axis);
    return valueAxes_.size() - 1;
}

void ReportChartWindow::Redraw() {
    redraw_->stop();
    if (view_ == nullptr) {
        return;  // drawn in full once the window is first wanted
    }
    stale_ = false;
    double lastSecond = 0;
    std::vector<Span> spans(valueAxes_.size());
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::vector<ChartPoint> points = chart_.Series()[i].points.Points();
        QList<QPointF> drawn;
        drawn.reserve(static_cast<qsizetype>(points.size()));
        Span& span = spans[axisOf_[i]];
        for (const ChartPoint& point : points) {
            drawn.append(QPointF(point.seconds, point.value));
            span.low = std::min(span.low, point.value);
            span.high = std::max(span.high, point.value);
            lastSecond = std::max(lastSecond, point.seconds);
        }
        // One replacement per line and redraw, never a point at a time.
        lines_[i]->replace(drawn);
    }
    // The axis ends at the last row, so the chart follows the run; its ticks
    // stand on round seconds.
    const double span = std::max(lastSecond, ShortestTimeSpan);
    timeAxis_->setRange(0, span);
    timeAxis_->setTickInterval(RoundTickStep(span, 8));
    for (std::size_t i = 0; i < valueAxes_.size(); ++i) {
        SetValueRange(*valueAxes_[i], spans[i]);
    }
}

}  // namespace tessel
