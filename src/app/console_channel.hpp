#pragma once

// The console connection to the router and the reply code that says what its
// next answer means. The channel is the only owner of the socket and the only
// writer of the code, so "set the code, send, restore the code when the line
// is refused" exists once. Every reply it takes from the router comes out as
// one Reply signal with the step's action, or, when the router's prompt
// completes a change command, as Completed with the reads the command named.

#include "core/console/reply_dispatch.hpp"
#include "core/router/console_text.hpp"

#include <QObject>
#include <QString>

#include <cstdint>
#include <deque>
#include <functional>
#include <span>
#include <string>

class QTcpSocket;
class QTimer;
class QWidget;

namespace tessel {

class ConsoleObserver;
class TraceLog;

class ConsoleChannel : public QObject {
    Q_OBJECT
  public:
    // window: the parent of the channel and of its "Input error" box. trace
    // (may be null) must outlive the channel.
    ConsoleChannel(const TraceLog* trace, std::uint16_t port, QWidget* window);
    ~ConsoleChannel() override;

    // Told every line sent or refused, every chunk and every connection
    // event from now on; null for none. It must outlive the channel.
    void SetObserver(ConsoleObserver* observer) { observer_ = observer; }

    // Binds source when host can answer it there, then connects. secret (the
    // password) is masked in the trace until the router accepts the login.
    void Open(const QString& host, const QString& source, std::string secret);
    // Drops the connection at once, whatever its state.
    void Close();
    bool IsConnected() const;
    QTcpSocket* Socket() const { return socket_; }

    // Every send returns false when the line was refused (it would carry a
    // second command; the operator has been told) and nothing went out. On a
    // closed connection a line is dropped silently and counts as sent. In
    // the router's pause after a stopped report a send is held, code and
    // line, and goes out in its turn when the pause is over.
    //
    // The command's line under its reply code, with the reads that follow
    // its reply; a refused command leaves both as they were.
    bool Send(const ConsoleCommand& command);
    // A line that does not change the code.
    bool SendLine(const std::string& text);
    // The same for the password: the trace shows it masked.
    bool SendSecret(const std::string& text);

    ReplyCode Code() const { return code_; }
    // A running report was stopped: its code takes its stopped form, and
    // ReportStopPauseMs pass before the next line goes out.
    void StopReport();
    // A code still waiting for a reply that will not come goes back to idle.
    void Abandon(ReplyCode waitingCode);
    // Login only: no dialogue runs (the code after a connect, a disconnect or
    // a reset to the login layout).
    void Reset();

    // The router's name as last read: its prompt, which ends a gathered
    // reply, begins with it.
    void SetRouterName(const std::string& name) { collector_.SetRouterName(name); }

    // For tests only: put the channel in a code as if a command had set it,
    // to judge a scripted reply without sending the command.
    void SetCodeForTest(ReplyCode code) { code_ = code; }

  signals:
    // One reply taken under the code before it; the code already holds the
    // step's next code when this comes.
    void Reply(ReplyAction action, const std::string& chunk);
    // The router's prompt completed the command last sent: reads are what it
    // named (static storage, as the command builders give it).
    void Completed(std::span<const ReadStep> reads);
    void Connected();
    void Disconnected();
    // A socket failure other than the router closing its end.
    void Failed();
    // The report that ran under code has ended: another line took the
    // console, or the connection went.
    void ReportEnded(ReplyCode code);

  private:
    bool WriteLine(const std::string& text, bool secret);
    bool Holding() const;
    bool Hold(const std::string& text, bool secret, std::function<void()> send);
    void ReleaseHeld(bool throughPauses);
    bool RefuseUnsafe(const std::string& text, bool secret);
    // The line as the trace and the log may show it.
    std::string Shown(const std::string& text, bool secret) const;
    void Observe(const std::string& chunk);
    void ConnectionEvent(const std::string& what);
    void Bind(const QString& host, const QString& source);
    void Read();
    void Drain();
    void DrainLater();
    void Handle(const std::string& chunk);
    void SetCode(ReplyCode next);
    void AnnounceEnd(ReplyCode before);
    std::string DialogueMasked(const std::string& bytes) const;

    QWidget* window_;
    QTcpSocket* socket_;
    const TraceLog* trace_;
    ConsoleObserver* observer_ = nullptr;
    std::uint16_t port_;
    ReplyCode code_ = ReplyCode::Disconnected;
    std::span<const ReadStep> rereads_;
    std::string secret_;
    ReplyCollector collector_;
    // Every chunk as it came, waiting to be judged: the handler runs once
    // at a time and never while a box is up.
    std::deque<std::string> chunks_;
    bool reading_ = false;
    bool drainQueued_ = false;
    // The router's pause after ESC, and what was sent meanwhile, in order.
    QTimer* stopPause_;
    std::deque<std::function<void()>> held_;
    bool releasing_ = false;
};

}  // namespace tessel
