#include "utilities/stream_utility.hpp"

#include "core/console/reply_dispatch.hpp"
#include "core/session/session.hpp"
#include "viewkit/text_bridge.hpp"
#include "widgets/grid_view.hpp"

#include <QThread>
#include <QWidget>

namespace tessel {

namespace {

constexpr char Escape = 27;

}  // namespace

StreamUtility::StreamUtility(Session& session, UtilityConsole console, std::vector<QWidget*> locked)
    : session_(session), console_(std::move(console)), locked_(std::move(locked)) {}

bool StreamUtility::Start(const std::optional<std::string>& command, ReplyCode startState,
                          const QString& noCommandText) {
    if (!command) {
        if (console_.Inform) {
            console_.Inform(noCommandText, QStringLiteral("Error"));
        }
        return false;
    }
    if (!console_.SendCommand || !console_.SendCommand({*command, startState})) {
        return false;
    }
    SetLocked(true);
    if (console_.DisableConsoleButtons) {
        console_.DisableConsoleButtons();
    }
    return true;
}

void StreamUtility::Stop() {
    if (console_.SendLine) {
        console_.SendLine(std::string(1, Escape));
    }
    // The report's code would otherwise take the reply to whatever is sent
    // next as rows; it now lasts until the router's prompt is back.
    if (console_.ReportStopped) {
        console_.ReportStopped();
    }
    // The window stays blocked while the router winds the report down, so
    // nothing can be sent into its last output.
    QThread::msleep(StopPauseMs);
    SetLocked(false);
    if (console_.EnableConsoleButtons) {
        console_.EnableConsoleButtons();
    }
}

void StreamUtility::SetLocked(bool locked) {
    for (QWidget* widget : locked_) {
        widget->setEnabled(!locked);
    }
}

void StreamUtility::AppendRow(TGridView& grid, std::span<const std::string> cells) {
    QStringList row;
    row.reserve(static_cast<qsizetype>(cells.size()));
    for (const std::string& cell : cells) {
        row.append(ToQString(cell));
    }
    grid.AppendRow(row);
    grid.ScrollToLastRow();
    grid.setCurrentIndex(grid.model()->index(grid.RowCount() - 1, 0));
}

}  // namespace tessel
