#pragma once

// What a page may ask of the session that holds it. The session controller
// implements it (what needs the window, it passes on); the pages see nothing
// else: no socket, no timers of others, no other page.

#include "core/console/reply_dispatch.hpp"
#include "core/router/console_text.hpp"

#include <QString>

#include <functional>
#include <string>

class QAbstractButton;
class QTimer;
class QToolButton;
class QWidget;

namespace tessel {

struct RouterModel;

class PageHost {
  public:
    virtual ~PageHost() = default;

    // The console. Every send returns false when the line was refused (the
    // operator has been told why) and nothing went out; a refused command
    // leaves the reply code as it was.
    //
    // The command's line under its reply code.
    virtual bool SendCommand(const ConsoleCommand& command) = 0;
    // The same, with the line shown in the status popup first (the settings
    // pages' change buttons).
    virtual bool RunCommand(const ConsoleCommand& command) = 0;
    // A line that does not change the reply code (ESC, an add line's own
    // follow-up).
    virtual bool SendLine(const std::string& line) = 0;
    // A line (or the text of one) the page would not send, and why, for the
    // console log; the operator has been told in a box.
    virtual void LineRefused(const std::string& text, const std::string& why) = 0;
    // A running report was stopped: its code takes its stopped form, so the
    // router's last words are still judged by it up to the prompt.
    virtual void ReportStopped() = 0;
    // A command that was to follow a reply was not sent after all: a code
    // still waiting for it goes back to idle.
    virtual void ReplyAbandoned(ReplyCode waitingCode) = 0;

    // A timer whose ticks read the router (an auto-update). The host runs
    // tick on each timeout as a read pass of its own, and holds the timer
    // while the operator is asked at the error limit.
    virtual void AddReadTimer(QTimer* timer, std::function<void()> tick) = 0;

    // The buttons that send console lines; a running report locks them all.
    // Locks are counted (LockConsoleButtons): a report gives back each lock
    // it took, once.
    virtual void AddConsoleButton(QAbstractButton* button) = 0;
    virtual void SetConsoleButtonsEnabled(bool enabled) = 0;

    // Modal boxes. Ask returns true for "Yes".
    virtual void Inform(const QString& text, const QString& caption) = 0;
    virtual bool Ask(const QString& text, const QString& caption) = 0;
    void Error(const QString& text) { Inform(text, QStringLiteral("Error")); }

    // A help button named name (e.g. "SpeedButton6") that shows its field's
    // help in the status popup.
    virtual QToolButton* MakeHelpButton(QWidget* parent, const QString& name) = 0;
    virtual void ShowStatusPopup(const QString& text) = 0;
    // The window caption and application title (RouterWindowCaption).
    virtual void SetCaption(const QString& caption) = 0;
    // The application title, as message boxes use it for their caption.
    virtual QString Title() const = 0;

    // What the pages learn of the router and share: interface names and
    // radio bands. Writers announce a change with their page's signal.
    virtual RouterModel& Router() = 0;
    // True once the post-login load has finished.
    virtual bool SessionLoaded() const = 0;
};

}  // namespace tessel
