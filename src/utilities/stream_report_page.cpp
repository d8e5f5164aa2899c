#include "utilities/stream_report_page.hpp"

#include "core/router/console_text.hpp"
#include "utilities/report_chart_window.hpp"
#include "viewkit/append_rows.hpp"
#include "viewkit/column_mapper.hpp"
#include "viewkit/named.hpp"
#include "viewkit/page_host.hpp"
#include "widgets/grid_view.hpp"

#include <QPushButton>
#include <QTimer>

#include <utility>

namespace tessel {

namespace {

constexpr char Escape = 27;

}  // namespace

StreamReportPage::StreamReportPage(const Description& description, PageHost& host, QWidget* parent)
    : QWidget(parent),
      host_(host),
      description_(description),
      replies_{description.clearAction, description.rowAction},
      grid_(Named(new GridView(this), description.gridName)),
      start_(Named(new QPushButton(QStringLiteral("Start"), this), description.startName)),
      stop_(Named(new QPushButton(QStringLiteral("Stop"), this), description.stopName)),
      chart_(Named(new ReportChartWindow(description.idleChart,
                                         QString::fromLatin1(description.chartTitle), this),
                   description.chartName)),
      chartButton_(chart_->MakeOpener(this, description.chartButtonName)),
      stopPause_(Named(new QTimer(this), "StreamReportStopPause")) {
    setObjectName(QLatin1String(description.pageName));
    ApplyReportColumns(*grid_, description.columns);
    grid_->setGeometry(description.gridPlace);
    start_->setGeometry(Side, 60, 66, 25);
    stop_->setGeometry(Side + SideWidth - 66, 60, 66, 25);
    stop_->setEnabled(false);
    chartButton_->setGeometry(Side, description.chartButtonTop, 66, 25);
    // Started after the console's own pause, so it ends after it.
    stopPause_->setSingleShot(true);
    // A coarse timer may end the router's half second early.
    stopPause_->setTimerType(Qt::PreciseTimer);
    stopPause_->setInterval(ReportStopPauseMs);
    connect(stopPause_, &QTimer::timeout, this, &StreamReportPage::EndPause);
    connect(start_, &QPushButton::clicked, this, &StreamReportPage::StartClick);
    connect(stop_, &QPushButton::clicked, this, &StreamReportPage::StopClick);
}

void StreamReportPage::SetInputs(RunInputs inputs, std::vector<QWidget*> locked,
                                 std::initializer_list<QWidget*> tabOrder) {
    inputs_ = std::move(inputs);
    locked_ = std::move(locked);
    locked_.insert(locked_.begin(), start_);
    QWidget* previous = nullptr;
    for (QWidget* widget : tabOrder) {
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void StreamReportPage::StartClick() {
    if (state_ != RunState::Idle || inputs_.refused()) {
        return;
    }
    const std::optional<std::string> command = inputs_.command();
    if (!command) {
        host_.Error(QString::fromLatin1(description_.noInputText));
        return;
    }
    if (!host_.SendCommand(ConsoleCommand{*command, description_.startCode})) {
        return;
    }
    state_ = RunState::Running;
    runningCode_ = description_.startCode;
    ShowRunning(true);
    chart_->Start(inputs_.chart());
}

void StreamReportPage::StopClick() {
    if (state_ != RunState::Running) {
        return;
    }
    // Pausing before ESC: the end of the report it announces is this
    // page's own doing.
    state_ = RunState::Pausing;
    host_.SendLine(std::string(1, Escape));
    // The report's code would otherwise take the reply to whatever is sent
    // next as rows; it now lasts until the router's prompt is back.
    host_.ReportStopped();
    stop_->setEnabled(false);
    stopPause_->start();
}

void StreamReportPage::ReportEnded(ReplyCode code) {
    if (state_ == RunState::Running &&
        ReportRunningUnder(code) == ReportRunningUnder(runningCode_)) {
        state_ = RunState::Idle;
        ShowRunning(false);
    }
}

void StreamReportPage::ConsoleClosed() {
    EndPause();
}

void StreamReportPage::EndPause() {
    // Once: a late tick after a closed connection finds nothing to unlock.
    stopPause_->stop();
    if (state_ == RunState::Pausing) {
        state_ = RunState::Idle;
        ShowRunning(false);
    }
}

void StreamReportPage::ShowRunning(bool running) {
    for (QWidget* widget : locked_) {
        widget->setEnabled(!running);
    }
    stop_->setEnabled(running);
    host_.SetConsoleButtonsEnabled(!running);
}

void StreamReportPage::ClearReport() {
    grid_->Clear();
}

void StreamReportPage::ReportRow(const std::string& chunk) {
    if (const auto row = description_.rowOf(chunk)) {
        AppendRow(*grid_, *row);
        grid_->ScrollToLastRow();
        grid_->setCurrentIndex(grid_->model()->index(grid_->RowCount() - 1, 0));
        chart_->Add(chunk);
    }
}

void StreamReportPage::ConsoleReply(ReplyAction action, const std::string& chunk) {
    if (action == description_.clearAction) {
        ClearReport();
    } else if (action == description_.rowAction) {
        ReportRow(chunk);
    }
}

std::span<const ReadStep> StreamReportPage::Steps() const {
    return {};  // the page reads nothing over SNMP
}

std::span<const ReplyAction> StreamReportPage::Replies() const {
    return replies_;
}

}  // namespace tessel
