#pragma once

// The console reply state machine: what one received chunk means under the
// current reply code, and which code follows. The window performs the action;
// the rules of which chunk triggers what live here, without any widget.

#include <string_view>

namespace tessel {

// Reply codes (ReplyState).
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

}  // namespace tessel
