// The router closes the console after a few commands, in the middle of the
// manager's dialogue with it, again and again: each close is a plain
// disconnect (code -10, "Login" enabled, layout kept, the program running),
// and the next login works.

#include "scenarios.hpp"

#include "core/console/reply_dispatch.hpp"

#include <QElapsedTimer>
#include <QPushButton>

#include <sstream>

namespace tessel::soak {

namespace {

constexpr int Patience = 30000;  // ms
// "arp view" of the post-login load, a configuration command, and a command
// whose reply the manager is still waiting for when the connection goes.
constexpr int CommandsBeforeClose = 3;

// Logs in again on the managed layout: a new connection whose dialogue ends
// in code 20. A dialogue whose chunks a slow read merged stays unanswered
// (the manager judges it chunk by chunk); the operator would press "Login"
// again, and so does this, a few times.
bool Relogin(SoakSession& s, int& retries) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        retries += attempt == 0 ? 0 : 1;
        const long connections = s.ConsoleConnections();
        if (!s.ClickLogin()) {
            continue;
        }
        const bool idle = WaitFor(
            [&] {
                return s.ConsoleConnections() > connections &&
                       s.State().ConnectionState == ConnectionStates::Connected &&
                       s.Form().Console().Code() == ReplyCode::Idle;
            },
            Patience / 2);
        if (idle) {
            return true;
        }
    }
    return false;
}

}  // namespace

Findings ConsoleReset(const Options& options) {
    Findings findings;
    SoakSession s({"--close-after", std::to_string(CommandsBeforeClose)}, options.timeoutMs);
    if (!findings.Check(s.Login(), "first login")) {
        return findings;
    }
    const long rssStart = MemoryInUseKb();
    QElapsedTimer clock;
    clock.start();
    int resets = 0;
    int logins = 1;
    int retries = 0;
    while (resets < 2 || clock.elapsed() < options.seconds * 1000LL) {
        const std::string label = "connection " + std::to_string(logins) + ": ";
        if (!findings.Check(s.WaitReplyState(ReplyCode::Idle, Patience) &&
                                s.State().ConnectionState == ConnectionStates::Connected,
                            label + "logged in and idle")) {
            break;
        }
        s.Form().RunCommand(
            {"sys location reset " + std::to_string(resets), ReplyCode::System, rereads::System});
        findings.Check(s.WaitReplyState(ReplyCode::Idle, Patience), label + "command answered");
        // The last command before the close: interface information or the
        // load meter, alternately; the close comes while its code is set.
        const bool info = resets % 2 == 0;
        s.Form().SendCommand({info ? "ifc eth0" : "loadm  -w 1 eth0",
                              info ? ReplyCode::InterfaceInfo : ReplyCode::LoadMeterStart});
        const bool closed = WaitFor(
            [&] { return s.State().ConnectionState == ConnectionStates::Disconnected; }, Patience);
        if (!findings.Check(closed, label + "the router closes the console")) {
            break;
        }
        ++resets;
        findings.Check(s.Form().Console().Code() == ReplyCode::Disconnected,
                       label + "the disconnect sets code -10");
        findings.Check(s.Form().loginButton_->isEnabled(), label + "\"Login\" enabled");
        findings.Check(s.Form().IsManagedLayout(), label + "the layout is kept");
        findings.Check(!s.ProcessEndRequested(), label + "the program keeps running");
        Pump(100);
        if (!findings.Check(Relogin(s, retries), label + "the next login")) {
            break;
        }
        ++logins;
    }
    const long rssEnd = MemoryInUseKb();
    s.WaitReplyState(ReplyCode::Idle, Patience);
    s.CheckCounts(findings, "after the last login");
    CheckMemory(findings, options, rssStart, rssEnd);
    std::ostringstream figures;
    figures << resets << " console resets and " << logins << " logins (" << retries
            << " dialogues merged by a slow read and retried) in " << clock.elapsed() / 1000
            << " s; " << MemoryInUseName << " " << rssStart << " kB -> " << rssEnd << " kB";
    findings.Figure(figures.str());
    return findings;
}

}  // namespace tessel::soak
