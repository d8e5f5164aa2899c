#pragma once

// The console reply state machine: what one received chunk means under the
// current reply code, and which code follows. The window performs the action;
// the rules of which chunk triggers what live here, without any widget.

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tessel {

// The reply code: what the router's next answer means. The numbers are the
// ones the trace and the tests have always shown.
enum class ReplyCode : std::int32_t {
    Disconnected = -10,  // no dialogue; also right after connecting
    SendLogin = 0,
    SendPassword = 10,
    SkipAfterPassword = 15,
    AwaitAccept = 19,
    AwaitSorry = 18,
    Idle = 20,
    Radio = 30,
    CpeTable = 40,
    Interfaces = 50,
    Rma = 60,
    System = 70,
    BsDeleteBeforeAdd = 75,
    BsList = 80,
    InterfaceInfo = 100,
    LoadMeterStart = 160,
    LoadMeterRow = 170,
    ArpTable = 190,
    Quit = 1000,
    RmaTestStart = 1160,
    RmaTestRow = 1170,
    // After "Stop" (ESC) of a running report: the router's last report words
    // are still judged as under the code before, until its prompt is back.
    LoadMeterStartStopped = 165,
    LoadMeterRowStopped = 175,
    RmaTestStartStopped = 1165,
    RmaTestRowStopped = 1175,
};

// The number, as the reply table lists it (for diagnostics and test output).
std::ostream& operator<<(std::ostream& out, ReplyCode code);

enum class ReplyAction {
    None,
    SendOne,        // the line "1"
    SendLoginName,  // the text of the "Login:" box
    SendPassword,   // the text of the "Password:" box
    LoginAccepted,  // progress bar shown, post-login load
    LoginRefused,   // status line text, "Login" enabled
    EnableLogin,    // "Login" enabled, nothing else
    // The router's prompt completed a change command: what the command
    // names is read again.
    CommandComplete,
    SendAddBsRecord,  // sets its own code
    ShowInterfaceInfo,
    ClearLoadMeter,
    LoadMeterRow,
    ArpTable,
    CloseWindow,
    ClearRmaTest,
    RmaTestRow,
};

struct ReplyStep {
    ReplyAction action = ReplyAction::None;
    ReplyCode nextState = ReplyCode::Idle;
};

// The step for one chunk under replyState. Unknown codes ignore the chunk and
// keep their code. For SendAddBsRecord the action sets the next code itself;
// nextState then repeats the current one.
ReplyStep DispatchReply(ReplyCode replyState, std::string_view chunk);

// The code after ESC has stopped a running report: a load-meter or RMA-test
// code becomes its stopped form, which goes back to idle with the chunk that
// brings the prompt; any other code stays (the report was not running).
ReplyCode ReplyCodeAfterStop(ReplyCode replyState);

// The router takes half a second to wind a report down after ESC; a line
// that reaches it sooner may be lost with the report's last output.
inline constexpr int ReportStopPauseMs = 500;

// The report that runs on the router while the code is its start or row
// code. The stopped forms run nothing: ESC has gone out.
enum class RunningReport { None, LoadMeter, RmaTest };
RunningReport ReportRunningUnder(ReplyCode replyState);

// True when the code moving from before to after ends a running report:
// any other line the router gets stops it (ESC, another command), and a
// closed connection takes it along.
bool EndsRunningReport(ReplyCode before, ReplyCode after);

// True when text ends in the router's prompt: its name (the sysName) and
// "> " starting the last line (what follows the last CR LF, or all of it
// without one), with nothing after it; the blank may still be to come, and
// screen control (ESC "[K") may come first on that line. Any other ">" does
// not count, whether in a complete line (an echo, "<UP,RUNNING>" in
// interface flags) or in a line still arriving.
//
// With routerName empty (not read yet) the last line counts when it could be
// a prompt: a name that starts with no blank and holds no "<", ">" or control
// character, then ">" and blanks.
bool EndsAtPrompt(std::string_view text, std::string_view routerName = {});

// Gathers one reply up to the router's prompt for the codes whose table or
// text the router may send in several pieces: the ARP table and the interface
// information. Every other code judges each chunk on its own, as before.
class ReplyCollector {
  public:
    // A reply that grows beyond this is judged as it stands.
    static constexpr std::size_t Limit = 256 * 1024;

    static bool Gathers(ReplyCode replyState);

    // The text to judge under replyState: the chunk itself for a code that
    // does not gather; otherwise nothing until the text gathered under that
    // code ends at the prompt or reaches Limit, then all of it (and the
    // gathering starts afresh). A change of code drops what was gathered.
    std::optional<std::string> Take(ReplyCode replyState, std::string_view chunk);

    std::size_t Gathered() const { return text_.size(); }

    // The router's name as last read, which its prompt begins with; empty
    // when unknown (see EndsAtPrompt).
    void SetRouterName(std::string name) { routerName_ = std::move(name); }
    const std::string& RouterName() const { return routerName_; }

  private:
    ReplyCode state_ = ReplyCode::Disconnected;
    std::string text_;
    std::string routerName_;
};

}  // namespace tessel
