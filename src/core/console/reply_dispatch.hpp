#pragma once

// The console reply state machine: what one received chunk means under the
// current reply code, and which code follows. The window performs the action;
// the rules of which chunk triggers what live here, without any widget.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessel {

// The reply code: what the router's next answer means.
using ReplyCode = int;

// Reply codes.
namespace reply {
inline constexpr int Disconnected = -10;  // no dialogue; also right after connecting
inline constexpr int SendLogin = 0;
inline constexpr int SendPassword = 10;
inline constexpr int SkipAfterPassword = 15;
inline constexpr int AwaitAccept = 19;
inline constexpr int AwaitSorry = 18;
inline constexpr int Idle = 20;
inline constexpr int Radio = 30;
inline constexpr int CpeTable = 40;
inline constexpr int Interfaces = 50;
inline constexpr int Rma = 60;
inline constexpr int System = 70;
inline constexpr int BsDeleteBeforeAdd = 75;
inline constexpr int BsList = 80;
inline constexpr int InterfaceInfo = 100;
inline constexpr int LoadMeterStart = 160;
inline constexpr int LoadMeterRow = 170;
inline constexpr int ArpTable = 190;
inline constexpr int Quit = 1000;
inline constexpr int RmaTestStart = 1160;
inline constexpr int RmaTestRow = 1170;
// After "Stop" (ESC) of a running report: the router's last report words are
// still judged as under the code before, until its prompt is back.
inline constexpr int LoadMeterStartStopped = 165;
inline constexpr int LoadMeterRowStopped = 175;
inline constexpr int RmaTestStartStopped = 1165;
inline constexpr int RmaTestRowStopped = 1175;
}  // namespace reply

enum class ReplyAction {
    None,
    SendOne,        // the line "1"
    SendLoginName,  // the text of the "Login:" box
    SendPassword,   // the text of the "Password:" box
    LoginAccepted,  // progress bar shown, post-login load
    LoginRefused,   // status line text, "Login" enabled
    EnableLogin,    // "Login" enabled, nothing else
    ReadRadio,      // radio parameters re-read
    ReadCpeTable,
    ReadInterfaces,  // interfaces, then the routing table
    ReadRma,
    ReadSystem,
    SendAddBsRecord,  // sets its own code
    ReadBsList,       // base-station list, then RMA settings
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
    int nextState = reply::Idle;
};

// The step for one chunk under replyState. Unknown codes ignore the chunk and
// keep their code. For SendAddBsRecord the action sets the next code itself;
// nextState then repeats the current one.
ReplyStep DispatchReply(int replyState, std::string_view chunk);

// The code after ESC has stopped a running report: a load-meter or RMA-test
// code becomes its stopped form, which goes back to idle with the chunk that
// brings the prompt; any other code stays (the report was not running).
int ReplyStateAfterStop(int replyState);

// True when text ends in the router's prompt: its last line (what follows
// the last CR LF, or all of it without one) holds ">". A ">" inside a
// complete line (an echo, a report heading) does not count.
bool EndsAtPrompt(std::string_view text);

// Gathers one reply up to the router's prompt for the codes whose table or
// text the router may send in several pieces: the ARP table and the interface
// information. Every other code judges each chunk on its own, as before.
class ReplyCollector {
  public:
    // A reply that grows beyond this is judged as it stands.
    static constexpr std::size_t Limit = 256 * 1024;

    static bool Gathers(int replyState);

    // The text to judge under replyState: the chunk itself for a code that
    // does not gather; otherwise nothing until the text gathered under that
    // code ends at the prompt or reaches Limit, then all of it (and the
    // gathering starts afresh). A change of code drops what was gathered.
    std::optional<std::string> Take(int replyState, std::string_view chunk);

    std::size_t Gathered() const { return text_.size(); }

  private:
    int state_ = reply::Disconnected;
    std::string text_;
};

}  // namespace tessel
