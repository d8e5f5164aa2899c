// Console output cut into 1-byte and random-size chunks. The manager judges
// every chunk by itself (only the ARP table and the interface information
// are gathered up to the prompt), so a split login dialogue is answered piece by piece
// and cannot log in; a session whose dialogue came whole must still get every
// command answered (the prompt-driven codes re-read at the chunk holding ">").

#include "scenarios.hpp"

#include "core/console/reply_dispatch.hpp"

#include <QElapsedTimer>
#include <QPushButton>

#include <algorithm>
#include <sstream>

namespace tessel::soak {

namespace {

constexpr int Patience = 30000;  // ms; generous for a loaded machine

bool Received(const SoakSession& s, const std::string& line) {
    const auto lines = s.ConsoleLines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The dialogue itself in single bytes: "1", name and password go out on the
// first three chunks, and no later chunk can hold "www." or "Sorry".
void SplitDialogue(const Options& options, Findings& findings) {
    SoakSession s({"--console-chunk", "1"}, options.timeoutMs);
    if (!findings.Check(s.ClickLogin(), "split dialogue: the probe passes")) {
        return;
    }
    findings.Check(WaitFor([&] { return s.ConsoleLines().size() >= 3; }, Patience),
                   "split dialogue: the router receives the three dialogue lines");
    s.WaitConsoleQuiet(1000, Patience);
    const auto lines = s.ConsoleLines();
    findings.Check(
        lines.size() >= 3 && lines[0] == "1" && lines[1] == "admin" && lines[2] == "admin",
        "split dialogue: \"1\", the name and the password, in that order");
    findings.Check(!s.ProcessEndRequested(), "split dialogue: no end of the process");
    if (s.Form().IsManagedLayout()) {
        // Only when the socket merged enough pieces into one read.
        findings.Figure("split dialogue: pieces merged on arrival, the login completed");
        return;
    }
    findings.Check(s.Form().Console().Code() == ReplyCode::AwaitSorry,
                   "split dialogue: waits for \"Sorry\" (code 18)");
    findings.Check(s.Form().loginButton_->isEnabled(), "split dialogue: \"Login\" enabled again");
    findings.Figure("split dialogue: not logged in, waiting in code 18 with \"Login\" enabled");
}

struct SplitRun {
    long commands = 0;
    long answered = 0;
    long infoShown = 0;
};

// A logged-in session whose output after the dialogue comes split.
void SplitSession(const Options& options, const std::string& chunk, int seconds,
                  Findings& findings) {
    const std::string label = "chunks of " + chunk + ": ";
    SoakSession s({"--console-chunk", chunk, "--console-chunk-after-login", "--seed",
                   std::to_string(options.seed)},
                  options.timeoutMs);
    if (!findings.Check(s.Login(), label + "login with the dialogue whole")) {
        return;
    }
    // The rest of the load's "arp view" reply, before the first command.
    s.WaitConsoleQuiet(500, Patience);
    const long rssStart = MemoryInUseKb();
    SplitRun run;
    QElapsedTimer clock;
    clock.start();
    while (run.commands < 3 || clock.elapsed() < seconds * 1000LL) {
        const std::string command = "sys location soak " + std::to_string(run.commands);
        const long sent = s.State().Accounting().Sent();
        ++run.commands;
        s.Form().RunCommand({command, ReplyCode::System, rereads::System});
        const bool idle = s.WaitReplyState(ReplyCode::Idle, Patience);
        const bool answered = idle && s.Form().Console().Code() == ReplyCode::Idle &&
                              s.State().Accounting().Sent() > sent && Received(s, command);
        run.answered += answered ? 1 : 0;
        findings.Check(answered, label + "\"" + command + "\" answered and re-read");
        s.WaitConsoleQuiet(300, Patience);

        // Interface information: gathered up to the prompt, then shown.
        s.Form().SendCommand({"ifc eth0", ReplyCode::InterfaceInfo});
        findings.Check(s.WaitReplyQuiet(300, Patience), label + "\"ifc eth0\" answered");
        run.infoShown += s.Form().Console().Code() == ReplyCode::Idle ? 1 : 0;
    }
    const long rssEnd = MemoryInUseKb();
    findings.Check(s.State().ConnectionState == ConnectionStates::Connected,
                   label + "the console stays connected");
    findings.Check(!s.ProcessEndRequested(), label + "no end of the process");
    s.CheckCounts(findings, label + "after the commands");
    CheckMemory(findings, options, rssStart, rssEnd);
    std::ostringstream figures;
    figures << label << run.answered << " of " << run.commands
            << " commands answered and re-read; interface information shown " << run.infoShown
            << " times; " << MemoryInUseName << " " << rssStart << " kB -> " << rssEnd << " kB";
    findings.Figure(figures.str());
}

}  // namespace

Findings SplitConsoleOutput(const Options& options) {
    Findings findings;
    SplitDialogue(options, findings);
    const int half = std::max(1, options.seconds / 2);
    SplitSession(options, "1", half, findings);
    SplitSession(options, "random", half, findings);
    return findings;
}

}  // namespace tessel::soak
