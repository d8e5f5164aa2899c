// Dropped SNMP requests during a login and a long stretch of auto-update on
// every page: the session must stay up and its counts must add up.

#include "scenarios.hpp"

#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>
#include <sstream>

namespace tessel::soak {

namespace {

// Auto-update buttons and their period editors: the BS, CPE and QoS pages.
constexpr const char* AutoUpdateButtons[] = {"Button24", "Button25", "Button42"};
constexpr const char* PeriodEditors[] = {"SpinEditor4", "SpinEditor5", "SpinEditor18"};
constexpr int ShortestPeriodSeconds = 3;

bool HasAutoUpdate(QWidget* page) {
    for (const char* name : AutoUpdateButtons) {
        if (page->findChild<QPushButton*>(QLatin1String(name)) != nullptr) {
            return true;
        }
    }
    return false;
}

void StartEveryAutoUpdate(MainWindow& form, Findings& findings) {
    for (const char* name : PeriodEditors) {
        auto* editor = form.findChild<QDoubleSpinBox*>(QLatin1String(name));
        if (findings.Check(editor != nullptr, std::string("period editor ") + name)) {
            editor->setValue(ShortestPeriodSeconds);
        }
    }
    for (const char* name : AutoUpdateButtons) {
        auto* button = form.findChild<QPushButton*>(QLatin1String(name));
        if (!findings.Check(button != nullptr, std::string("auto-update button ") + name)) {
            continue;
        }
        if (button->text() != QStringLiteral("Stop autoupdate")) {
            button->click();
        }
        findings.Check(button->text() == QStringLiteral("Stop autoupdate"),
                       std::string(name) + " shows auto-update on");
    }
}

}  // namespace

Findings DroppedRequests(const Options& options) {
    Findings findings;
    SoakSession s({"--drop-fraction", "0.1", "--seed", std::to_string(options.seed)},
                  options.timeoutMs);
    if (!findings.Check(s.Login(), "login with 10 % of SNMP requests dropped")) {
        return findings;
    }
    s.CheckCounts(findings, "after the login");
    const long sentAfterLogin = s.State().Accounting().Sent();
    StartEveryAutoUpdate(s.Form(), findings);

    const long rssStart = MemoryInUseKb();
    QTabWidget* tabs = s.Form().pageTabs_;
    QElapsedTimer clock;
    clock.start();
    // Every tab at least once; the auto-update pages long enough for their
    // timers to tick, the others briefly.
    int visits = 0;
    // The first round of tabs builds what each page keeps for good (grids,
    // fonts, styles); growth after it is what a long session would feel.
    long rssAfterFirstRound = 0;
    while (visits < tabs->count() || clock.elapsed() < options.seconds * 1000LL) {
        const int tab = visits % tabs->count();
        tabs->setCurrentIndex(tab);
        Pump(HasAutoUpdate(tabs->widget(tab)) ? ShortestPeriodSeconds * 1000 + 700 : 400);
        ++visits;
        if (visits == tabs->count()) {
            rssAfterFirstRound = MemoryInUseKb();
        }
    }
    const long rssEnd = MemoryInUseKb();

    const RequestAccounting& a = s.State().Accounting();
    findings.Check(s.Form().IsManagedLayout(), "the window stays in the managed layout");
    findings.Check(s.State().ConnectionState == ConnectionStates::Connected,
                   "the console stays connected");
    // A dropped login probe may have said so; nothing may have asked.
    const auto& boxes = s.Messages().boxes;
    findings.Check(
        std::none_of(boxes.begin(), boxes.end(), [](const auto& b) { return b.question; }),
        "no question (no error limit)");
    findings.Check(!s.ProcessEndRequested(), "the window did not end the process");
    findings.Check(s.Form().findChild<QTimer*>("Timer8")->isActive() &&
                       s.Form().findChild<QTimer*>("Timer1")->isActive(),
                   "the live counters keep running");
    findings.Check(a.Sent() > sentAfterLogin + visits / 2,
                   "auto-update and the live counters kept reading");
    s.CheckCounts(findings, "after the soak");
    CheckMemory(findings, options, rssStart, rssEnd);

    std::ostringstream figures;
    figures << clock.elapsed() / 1000 << " s, " << visits << " tab visits; Sent " << a.Sent()
            << " = 1 + " << (a.Sent() - 1 - a.Errors()) << " successes + " << a.Errors()
            << " Errors (transport: " << s.GetsSinceLogin() << " Gets, "
            << s.GetFailuresSinceLogin() << " failed); router dropped " << s.SnmpDroppedLogged()
            << " of " << s.SnmpRequestsLogged() << " requests; " << MemoryInUseName << " "
            << rssStart << " kB -> " << rssAfterFirstRound << " kB after the first round of tabs ("
            << tabs->count() << " visits) -> " << rssEnd << " kB";
    findings.Figure(figures.str());
    return findings;
}

void CheckMemory(Findings& findings, const Options& options, long startKb, long endKb) {
    std::ostringstream what;
    what << MemoryInUseName << " grew from " << startKb << " kB to " << endKb << " kB (limit +"
         << options.rssGrowthLimitKb << " kB)";
    findings.Check(startKb > 0 && endKb - startKb < options.rssGrowthLimitKb, what.str());
}

}  // namespace tessel::soak
