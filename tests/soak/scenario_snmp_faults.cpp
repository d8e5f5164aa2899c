// A router whose SNMP agent falls silent, or garbles its replies, after the
// login: every read fails cleanly, is counted, and the 21st failure in a row
// asks whether to quit.

#include "scenarios.hpp"

#include "../gui/fire_timer.hpp"

#include <QElapsedTimer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <sstream>
#include <vector>

namespace tessel::soak {

namespace {

constexpr int Patience = 60000;  // ms
const QString LimitQuestion = QStringLiteral("Too many errors in a row. Quit?");

// The SNMP requests a complete login makes against the bundled data: the
// faults of the real run start right after them.
long LoginRequestCount(const Options& options) {
    static long count = -1;
    if (count < 0) {
        SoakSession s({}, options.timeoutMs);
        count = s.Login() ? s.SnmpRequestsLogged() : 0;
    }
    return count;
}

QTimer* CpuLoadTimer(MainWindow& form) {
    return form.findChild<QTimer*>(QStringLiteral("Timer8"));
}

std::vector<QTimer*> RunningTimers(MainWindow& form) {
    std::vector<QTimer*> running;
    for (QTimer* timer : form.findChildren<QTimer*>(QRegularExpression("^Timer\\d+$"))) {
        if (timer->isActive()) {
            running.push_back(timer);
        }
    }
    return running;
}

// Reads through the CPU-load timer until the error limit asks (answering
// `answer`); checks that it asks at the 21st failure in a row, not before.
bool RunToErrorLimit(SoakSession& s, bool answer, const std::string& label, Findings& findings) {
    SoakMessages& messages = s.Messages();
    const std::size_t asked = messages.boxes.size();
    // The transport's own run of failures when the session's Row was last 0
    // (an earlier "No" resets the Row but not the router's silence).
    const long rowBase = s.Counts().getFailuresInRow - s.State().Accounting().Row();
    messages.answers = {answer};
    for (int i = 0; i < 2 * static_cast<int>(RequestAccounting::RowLimit) + 2; ++i) {
        test::FireTimer(CpuLoadTimer(s.Form()));
        if (messages.boxes.size() != asked) {
            break;
        }
    }
    if (!findings.Check(messages.boxes.size() == asked + 1, label + "the error limit asks once")) {
        return false;
    }
    const auto& box = messages.boxes.back();
    findings.Check(box.question && box.text == LimitQuestion && box.caption == "Warning",
                   label + "the question is \"Too many errors in a row. Quit?\"");
    std::ostringstream at;
    at << label << "asked at Row " << messages.rowsAtQuestion.back() << " after "
       << messages.transportRowsAtQuestion.back() - rowBase << " failures in a row";
    findings.Check(
        messages.rowsAtQuestion.back() == RequestAccounting::RowLimit + 1 &&
            messages.transportRowsAtQuestion.back() - rowBase == RequestAccounting::RowLimit + 1,
        at.str());
    return true;
}

// After "No": reads resume with Row 0 and the timers that ran before the
// question run again (an auto-update the operator had switched off stays off).
void CheckWentOn(SoakSession& s, const std::vector<QTimer*>& runningBefore,
                 const std::string& label, Findings& findings) {
    const RequestAccounting& a = s.State().Accounting();
    findings.Check(a.Row() == 0 && !a.Suspended(), label + "after No, Row 0 and reads resumed");
    findings.Check(RunningTimers(s.Form()) == runningBefore,
                   label + "after No, the timers that ran before run again");
    findings.Check(s.Form().IsManagedLayout(), label + "after No, the session stays");
}

}  // namespace

Findings SilentRouter(const Options& options) {
    Findings findings;
    const long loginRequests = LoginRequestCount(options);
    if (!findings.Check(loginRequests > 0, "a plain login to count its requests")) {
        return findings;
    }
    SoakSession s({"--silent", "--faults-after", std::to_string(loginRequests)}, options.timeoutMs);
    if (!findings.Check(s.Login(), "login before the router falls silent")) {
        return findings;
    }
    findings.Check(s.State().Accounting().Errors() == 0, "the login was answered in full");
    const long rssStart = MemoryInUseKb();
    QElapsedTimer clock;
    clock.start();
    int cycles = 0;
    for (;;) {
        const bool last = cycles >= 1 && clock.elapsed() >= options.seconds * 1000LL;
        const std::string label = "question " + std::to_string(cycles + 1) + ": ";
        const std::vector<QTimer*> running = RunningTimers(s.Form());
        if (!RunToErrorLimit(s, last, label, findings)) {
            break;
        }
        ++cycles;
        s.CheckCounts(findings, label + "counts");
        if (last) {
            const RequestAccounting& a = s.State().Accounting();
            findings.Check(!s.Form().IsManagedLayout() && a.Suspended(),
                           "after Yes, the login layout with reads suspended");
            const long sent = a.Sent();
            const long gets = s.Counts().gets;
            test::FireTimer(CpuLoadTimer(s.Form()));
            findings.Check(a.Sent() == sent && s.Counts().gets == gets,
                           "after Yes, a read sends nothing and counts nothing");
            break;
        }
        CheckWentOn(s, running, label, findings);
        Pump(200);  // the real timers may read meanwhile
    }
    const long rssEnd = MemoryInUseKb();
    findings.Check(!s.ProcessEndRequested(), "the window did not end the process");
    CheckMemory(findings, options, rssStart, rssEnd);
    std::ostringstream figures;
    figures << "login of " << loginRequests << " requests answered, then silence: " << cycles
            << " error-limit questions in " << clock.elapsed() / 1000 << " s; Sent "
            << s.State().Accounting().Sent() << ", Errors " << s.State().Accounting().Errors()
            << "; " << MemoryInUseName << " " << rssStart << " kB -> " << rssEnd << " kB";
    findings.Figure(figures.str());
    return findings;
}

Findings MalformedReplies(const Options& options) {
    Findings findings;
    for (const std::string kind : {"garbage", "truncated"}) {
        const std::string label = kind + " replies: ";
        {
            // From the first request: the probe fails and nothing opens.
            SoakSession s({"--malformed-reply", kind}, options.timeoutMs);
            findings.Check(!s.ClickLogin(), label + "the login probe fails");
            const auto& boxes = s.Messages().boxes;
            findings.Check(
                !boxes.empty() && boxes.back().text == "Error while connecting to remote host",
                label + "\"Error while connecting to remote host\"");
            findings.Check(!s.Form().IsManagedLayout() && s.Form().loginButton_->isEnabled() &&
                               s.State().ConnectionState == ConnectionStates::Disconnected,
                           label + "back to the login block with \"Login\" enabled");
        }
        const long loginRequests = LoginRequestCount(options);
        SoakSession s({"--malformed-reply", kind, "--faults-after", std::to_string(loginRequests)},
                      options.timeoutMs);
        if (!findings.Check(s.Login(), label + "login before the replies go bad")) {
            continue;
        }
        const long getsAtStart = s.Counts().gets;
        const long failuresAtStart = s.Counts().getFailures;
        const long rssStart = MemoryInUseKb();
        QElapsedTimer clock;
        clock.start();
        int questions = 0;
        auto* qosUpdate = s.Form().findChild<QPushButton*>(QStringLiteral("Button41"));
        while (questions < 1 || clock.elapsed() < options.seconds * 500LL) {
            const std::vector<QTimer*> running = RunningTimers(s.Form());
            if (RunToErrorLimit(s, false, label, findings)) {
                ++questions;
                CheckWentOn(s, running, label, findings);
            }
            s.Form().OnRefreshAll();  // "Refresh all": every page's reads
            if (qosUpdate != nullptr) {
                qosUpdate->click();  // a table walk that fails at its first step
            }
            Pump(50);
        }
        const long rssEnd = MemoryInUseKb();
        const long gets = s.Counts().gets - getsAtStart;
        const long failures = s.Counts().getFailures - failuresAtStart;
        findings.Check(gets > 0 && failures == gets, label + "every read after the login fails");
        findings.Check(s.Form().PanelText(1) == "CPU load:  %",
                       label + "the CPU panel shows the empty value");
        findings.Check(!s.ProcessEndRequested(), label + "no end of the process");
        s.CheckCounts(findings, label + "counts");
        CheckMemory(findings, options, rssStart, rssEnd);
        std::ostringstream figures;
        figures << label << gets << " reads failed cleanly in " << clock.elapsed() / 1000 << " s, "
                << questions << " error-limit questions answered No; Sent "
                << s.State().Accounting().Sent() << ", Errors " << s.State().Accounting().Errors()
                << "; " << MemoryInUseName << " " << rssStart << " kB -> " << rssEnd << " kB";
        findings.Figure(figures.str());
    }
    return findings;
}

}  // namespace tessel::soak
