#include "utilities/stream_utility.hpp"

#include "core/router/console_text.hpp"
#include "viewkit/append_rows.hpp"
#include "viewkit/page_host.hpp"
#include "widgets/grid_view.hpp"

#include <QThread>
#include <QWidget>

namespace tessel {

namespace {

constexpr char Escape = 27;

}  // namespace

StreamUtility::StreamUtility(PageHost& host, std::vector<QWidget*> locked, QWidget* stop)
    : host_(host), locked_(std::move(locked)), stop_(stop) {
    stop_->setEnabled(false);
}

bool StreamUtility::Start(const std::optional<std::string>& command, ReplyCode startState,
                          const QString& noCommandText) {
    if (!command) {
        host_.Error(noCommandText);
        return false;
    }
    if (!host_.SendCommand(ConsoleCommand{*command, startState})) {
        return false;
    }
    running_ = startState;
    ShowRunning(true);
    return true;
}

void StreamUtility::Stop() {
    running_.reset();
    host_.SendLine(std::string(1, Escape));
    // The report's code would otherwise take the reply to whatever is sent
    // next as rows; it now lasts until the router's prompt is back.
    host_.ReportStopped();
    // The window stays blocked while the router winds the report down, so
    // nothing can be sent into its last output.
    QThread::msleep(StopPauseMs);
    ShowRunning(false);
}

void StreamUtility::Ended(ReplyCode code) {
    if (running_ && ReportRunningUnder(code) == ReportRunningUnder(*running_)) {
        running_.reset();
        ShowRunning(false);
    }
}

void StreamUtility::ShowRunning(bool running) {
    for (QWidget* widget : locked_) {
        widget->setEnabled(!running);
    }
    stop_->setEnabled(running);
    host_.SetConsoleButtonsEnabled(!running);
}

void StreamUtility::AppendReportRow(TGridView& grid, std::span<const std::string> cells) {
    AppendRow(grid, cells);
    grid.ScrollToLastRow();
    grid.setCurrentIndex(grid.model()->index(grid.RowCount() - 1, 0));
}

}  // namespace tessel
