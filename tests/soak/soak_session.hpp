#pragma once

// One soak run: a lab router child process with the scenario's fault
// options, the real main window logged in to it offscreen through a counting
// transport, scripted message boxes, and the checks and figures the scenario
// reports.

#include "../gui/scripted_messages.hpp"
#include "app/form1.hpp"
#include "soak_transport.hpp"
#include "support/router_sim_process.hpp"

#include <QElapsedTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tessel::soak {

// The memory this process holds, in kB, 0 when unknown: its resident set
// size (VmRSS), or under AddressSanitizer the heap still allocated.
// MemoryInUseName says which, for the printed figures.
long MemoryInUseKb();
extern const char* const MemoryInUseName;

// Runs the event loop until done() holds or timeoutMs pass.
bool WaitFor(const std::function<bool()>& done, int timeoutMs);
// Runs the event loop for ms.
void Pump(int ms);

// What a scenario found: failed checks and printed figures.
struct Findings {
    std::vector<std::string> failures;
    std::vector<std::string> figures;

    // Records a failed check; returns the condition.
    bool Check(bool condition, const std::string& what);
    void Figure(const std::string& text) { figures.push_back(text); }
};

// Message boxes answered from a script; each question also records the
// session's Row and the transport's failures in a row at the moment it opens.
class SoakMessages : public test::ScriptedMessages {
  public:
    bool AskYesNo(QWidget* parent, const QString& text, const QString& caption) override;

    std::function<long()> rowNow;
    std::function<long()> transportRowNow;
    std::vector<long> rowsAtQuestion;
    std::vector<long> transportRowsAtQuestion;
};

class SoakSession {
  public:
    SoakSession(std::vector<std::string> simArguments, int timeoutMs);
    ~SoakSession();
    SoakSession(const SoakSession&) = delete;
    SoakSession& operator=(const SoakSession&) = delete;

    MainWindow& Form() { return *form_; }
    test::RouterSim& Sim() { return sim_; }
    Session& State() { return form_->CurrentSession(); }
    const ExchangeCounts& Counts() const { return transport_.Counts(); }
    SoakMessages& Messages() { return messages_; }

    // Clicks "Login" until a probe is answered (up to attempts clicks) and
    // then waits for the managed layout. True once logged in.
    bool Login(int attempts = 20, int patienceMs = 60000);
    // Clicks "Login" once; true when the probe passed and the console is opening.
    bool ClickLogin();
    // Gets counted since the last click on "Login" that passed the probe.
    long GetsSinceLogin() const { return Counts().gets - getsAtLogin_; }
    long GetFailuresSinceLogin() const { return Counts().getFailures - failuresAtLogin_; }

    // Waits until no console data has arrived for quietMs (up to timeoutMs).
    bool WaitConsoleQuiet(int quietMs, int timeoutMs);
    // Waits for console data to arrive and then stop for quietMs.
    bool WaitReplyQuiet(int quietMs, int timeoutMs);
    // A reply code reached, or the connection gone.
    bool WaitReplyState(ReplyCode state, int timeoutMs);

    // From the router's log.
    std::vector<std::string> ConsoleLines() const;
    long SnmpRequestsLogged() const;
    long SnmpDroppedLogged() const;
    long ConsoleConnections() const;

    // Sent = 1 (the probe) + successes + Errors, Errors = failed Gets, as the
    // transport saw them since the login.
    void CheckCounts(Findings& findings, const std::string& when);
    // The window did not try to end the process.
    bool ProcessEndRequested() const { return endStatus_ != -1; }

  private:
    test::RouterSim sim_;
    SoakTransport transport_;
    SoakMessages messages_;
    std::unique_ptr<MainWindow> form_;
    QElapsedTimer sinceData_;
    long chunks_ = 0;
    long getsAtLogin_ = 0;
    long failuresAtLogin_ = 0;
    int endStatus_ = -1;
};

}  // namespace tessel::soak
