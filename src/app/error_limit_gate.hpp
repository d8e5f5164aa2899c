#pragma once

// The error limit, asked between the steps of a read pass. A read that fails
// once too often in a row only suspends the reads that follow, and the
// session sends nothing from then on; the step ends without sending and the
// pass asks here before it goes on. "Yes" ends the session and every pass
// with it. "No" resumes the reads; a step some of whose reads were skipped is
// read again from its start (what it shows must come from the router), a
// step whose last read was the failing one goes on with the next step.

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QTimer;
class QWidget;

namespace tessel {

class Session;

class ErrorLimitGate : public QObject {
    Q_OBJECT
  public:
    // window: the parent of the question. endSession: what "Yes" does.
    ErrorLimitGate(Session& session, QWidget* window, std::function<void()> endSession,
                   QObject* parent);

    // A timer of the session: stopped while the question is open, started
    // again after "No" when it ran before, stopped after "Yes".
    void AddTimer(QTimer* timer);

    // Runs step as one step of a pass; returns whether the pass may go on.
    // A step run inside another step (a read that a read sets off) leaves the
    // question to the pass around it.
    bool Run(const std::function<void()>& step);

    // The counted read that reached the limit came from outside any pass (a
    // page's own "Refresh"): asked once that handler has returned.
    void ReadsSuspended();

    // A new session: the question may come again.
    void Reset() { ended_ = false; }

  signals:
    // The question as it is put to the operator, and then the answer: for
    // the console log.
    void Asked(const QString& question);
    void Answered(bool quit);

  private:
    void RunInside(const std::function<void()>& step);
    // Asks when reads are suspended; true when the pass may go on.
    bool Clear();
    // Asks; true when the operator chose to go on.
    bool GoOn();
    // Stops every timer; returns those that ran.
    std::vector<QTimer*> HoldTimers();

    Session& session_;
    QWidget* window_;
    std::function<void()> endSession_;
    std::vector<QPointer<QTimer>> timers_;
    int depth_ = 0;
    bool asking_ = false;
    bool askQueued_ = false;
    // "Yes" was answered; until the next session nothing reads.
    bool ended_ = false;
};

}  // namespace tessel
