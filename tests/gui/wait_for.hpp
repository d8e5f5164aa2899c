#pragma once

// The one wait of the page tests: every test binary that includes the page
// fixtures sees this single definition.

#include <QDeadlineTimer>
#include <QTest>

#include <functional>

namespace tessel::test {

// Runs the event loop until done() holds or timeoutMs pass.
inline bool WaitFor(const std::function<bool()>& done, int timeoutMs = 20000) {
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QTest::qWait(10);
    }
    return true;
}

}  // namespace tessel::test
