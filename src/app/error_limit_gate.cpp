#include "app/error_limit_gate.hpp"

#include "app/message_service.hpp"
#include "core/session/session.hpp"

#include <QTimer>

namespace tessel {

ErrorLimitGate::ErrorLimitGate(Session& session, QWidget* window, std::function<void()> endSession,
                               QObject* parent)
    : QObject(parent), session_(session), window_(window), endSession_(std::move(endSession)) {}

void ErrorLimitGate::AddTimer(QTimer* timer) {
    timers_.emplace_back(timer);
}

bool ErrorLimitGate::Run(const std::function<void()>& step) {
    if (ended_ || asking_) {
        return false;
    }
    if (depth_ > 0) {
        RunInside(step);
        return !ended_;
    }
    if (!Clear()) {
        return false;
    }
    for (;;) {
        RunInside(step);
        const RequestAccounting& accounting = session_.Accounting();
        if (!accounting.Suspended()) {
            return true;
        }
        const bool skipped = accounting.Skipped() > 0;
        if (!GoOn()) {
            return false;
        }
        if (!skipped) {
            return true;
        }
    }
}

void ErrorLimitGate::RunInside(const std::function<void()>& step) {
    ++depth_;
    step();
    --depth_;
}

bool ErrorLimitGate::Clear() {
    return !session_.Accounting().Suspended() || GoOn();
}

void ErrorLimitGate::ReadsSuspended() {
    if (depth_ > 0 || asking_ || ended_ || askQueued_) {
        return;
    }
    askQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        askQueued_ = false;
        if (depth_ == 0 && !asking_ && !ended_ && session_.Accounting().Suspended()) {
            GoOn();
        }
    });
}

bool ErrorLimitGate::GoOn() {
    const std::vector<QTimer*> running = HoldTimers();
    asking_ = true;
    const QString question = QStringLiteral("Too many errors in a row. Quit?");
    emit Asked(question);
    const bool quit = Messages().AskYesNo(window_, question, QStringLiteral("Warning"));
    asking_ = false;
    emit Answered(quit);
    if (quit) {
        ended_ = true;
        HoldTimers();
        endSession_();
        return false;
    }
    for (QTimer* timer : running) {
        timer->start();
    }
    session_.ResumeReads();
    return true;
}

std::vector<QTimer*> ErrorLimitGate::HoldTimers() {
    std::vector<QTimer*> running;
    for (QTimer* timer : timers_) {
        if (timer == nullptr) {
            continue;
        }
        if (timer->isActive()) {
            running.push_back(timer);
        }
        timer->stop();
    }
    return running;
}

}  // namespace tessel
