#pragma once

// What the load meter and the RMA link test share: both start a report that
// the router keeps sending until ESC, lock a few of their own controls and
// the window's console buttons while it runs, and add one grid row per
// accepted report chunk.

#include "core/console/reply_dispatch.hpp"

#include <QString>

#include <optional>
#include <span>
#include <string>
#include <vector>

class QWidget;

namespace tessel {

class PageHost;
class TGridView;

class StreamUtility {
  public:
    // locked: the page's controls that may not change while a report runs;
    // stop: the page's "Stop", usable only then.
    StreamUtility(PageHost& host, std::vector<QWidget*> locked, QWidget* stop);

    // Sends command under startState and locks; nothing is sent and nothing
    // changes without a command (the operator is told noCommandText), or
    // when the window refuses the line.
    bool Start(const std::optional<std::string>& command, ReplyCode startState,
               const QString& noCommandText);

    // ESC, the router's half second to stop, then everything unlocked. The
    // report's code takes its stopped form: the router's last words are
    // still judged by it, up to the prompt.
    void Stop();

    // The report that ran under code has ended without "Stop" (another line
    // took the console, or the connection went): when it was this one, the
    // page shows it stopped. Nothing is sent.
    void Ended(ReplyCode code);

    // One report row (see AppendRow), then made visible and current.
    static void AppendReportRow(TGridView& grid, std::span<const std::string> cells);

    // How long Stop blocks after ESC.
    static constexpr int StopPauseMs = 500;

  private:
    void ShowRunning(bool running);

    PageHost& host_;
    std::vector<QWidget*> locked_;
    QWidget* stop_;
    std::optional<ReplyCode> running_;
};

}  // namespace tessel
