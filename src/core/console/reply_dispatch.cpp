#include "core/console/reply_dispatch.hpp"

#include "core/console/login_dialogue.hpp"

#include <ostream>
#include <utility>

namespace tessel {

namespace {

bool Contains(std::string_view chunk, std::string_view part) {
    return chunk.find(part) != std::string_view::npos;
}

// A configuration command is complete at the first chunk holding the prompt
// character anywhere, echo included.
ReplyStep OnPrompt(ReplyCode replyState, std::string_view chunk) {
    if (Contains(chunk, ">")) {
        return {ReplyAction::CommandComplete, ReplyCode::Idle};
    }
    return {ReplyAction::None, replyState};
}

// After "Stop": the chunk is judged as before; the prompt ends the report.
ReplyStep UntilPrompt(std::string_view chunk, ReplyAction action, ReplyCode stoppedState) {
    return {action, EndsAtPrompt(chunk) ? ReplyCode::Idle : stoppedState};
}

constexpr std::string_view ClearToLineEnd = "\x1b[K";

// The line the router's prompt would stand on, without its screen control.
std::string_view LastLine(std::string_view text) {
    const std::size_t lineEnd = text.rfind("\r\n");
    std::string_view last = lineEnd == std::string_view::npos ? text : text.substr(lineEnd + 2);
    while (last.starts_with(ClearToLineEnd)) {
        last.remove_prefix(ClearToLineEnd.size());
    }
    return last;
}

// ">" and blanks to the end: the prompt's mark. The router's blank after it
// may come in a later chunk; it says nothing more.
bool IsPromptMark(std::string_view text) {
    return text.starts_with('>') && text.find_first_not_of(' ', 1) == std::string_view::npos;
}

// A name the router could have put before ">": not the indented or marked
// text of a report line ("  flags <UP,RUNNING>").
bool CouldBeRouterName(std::string_view name) {
    if (name.empty() || name.front() == ' ') {
        return false;
    }
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '<' || c == '>' || byte < 0x20 || byte == 0x7f) {
            return false;
        }
    }
    return true;
}

// Shorter chunks are screen-control noise, not the reply body.
constexpr std::size_t InterfaceInfoMinimum = 11;
constexpr std::size_t ArpTableMinimum = 16;

}  // namespace

ReplyStep DispatchReply(ReplyCode replyState, std::string_view chunk) {
    if (const auto login = LoginDialogueStep(replyState, chunk)) {
        return *login;
    }
    switch (replyState) {
        case ReplyCode::Radio:
        case ReplyCode::CpeTable:
        case ReplyCode::Interfaces:
        case ReplyCode::Rma:
        case ReplyCode::System:
        case ReplyCode::BsList:
            return OnPrompt(replyState, chunk);
        case ReplyCode::BsDeleteBeforeAdd:
            return {ReplyAction::SendAddBsRecord, replyState};
        case ReplyCode::InterfaceInfo:
            if (chunk.size() < InterfaceInfoMinimum) {
                return {ReplyAction::None, replyState};
            }
            return {ReplyAction::ShowInterfaceInfo, ReplyCode::Idle};
        case ReplyCode::LoadMeterStart:
            return {ReplyAction::ClearLoadMeter, ReplyCode::LoadMeterRow};
        case ReplyCode::LoadMeterRow:
            return {ReplyAction::LoadMeterRow, ReplyCode::LoadMeterRow};
        case ReplyCode::ArpTable:
            if (chunk.size() < ArpTableMinimum) {
                return {ReplyAction::None, replyState};
            }
            return {ReplyAction::ArpTable, ReplyCode::Idle};
        case ReplyCode::Quit:
            return {ReplyAction::CloseWindow, replyState};
        case ReplyCode::RmaTestStart:
            return {ReplyAction::ClearRmaTest, ReplyCode::RmaTestRow};
        case ReplyCode::RmaTestRow:
            return {ReplyAction::RmaTestRow, ReplyCode::RmaTestRow};
        case ReplyCode::LoadMeterStartStopped:
            return UntilPrompt(chunk, ReplyAction::ClearLoadMeter, ReplyCode::LoadMeterRowStopped);
        case ReplyCode::LoadMeterRowStopped:
            return UntilPrompt(chunk, ReplyAction::LoadMeterRow, ReplyCode::LoadMeterRowStopped);
        case ReplyCode::RmaTestStartStopped:
            return UntilPrompt(chunk, ReplyAction::ClearRmaTest, ReplyCode::RmaTestRowStopped);
        case ReplyCode::RmaTestRowStopped:
            return UntilPrompt(chunk, ReplyAction::RmaTestRow, ReplyCode::RmaTestRowStopped);
        default:
            return {ReplyAction::None, replyState};
    }
}

ReplyCode ReplyCodeAfterStop(ReplyCode replyState) {
    switch (replyState) {
        case ReplyCode::LoadMeterStart:
            return ReplyCode::LoadMeterStartStopped;
        case ReplyCode::LoadMeterRow:
            return ReplyCode::LoadMeterRowStopped;
        case ReplyCode::RmaTestStart:
            return ReplyCode::RmaTestStartStopped;
        case ReplyCode::RmaTestRow:
            return ReplyCode::RmaTestRowStopped;
        default:
            return replyState;
    }
}

RunningReport ReportRunningUnder(ReplyCode replyState) {
    switch (replyState) {
        case ReplyCode::LoadMeterStart:
        case ReplyCode::LoadMeterRow:
            return RunningReport::LoadMeter;
        case ReplyCode::RmaTestStart:
        case ReplyCode::RmaTestRow:
            return RunningReport::RmaTest;
        default:
            return RunningReport::None;
    }
}

bool EndsRunningReport(ReplyCode before, ReplyCode after) {
    const RunningReport running = ReportRunningUnder(before);
    return running != RunningReport::None && ReportRunningUnder(after) != running;
}

std::ostream& operator<<(std::ostream& out, ReplyCode code) {
    return out << static_cast<std::int32_t>(code);
}

bool EndsAtPrompt(std::string_view text, std::string_view routerName) {
    const std::string_view last = LastLine(text);
    if (!routerName.empty()) {
        return last.starts_with(routerName) && IsPromptMark(last.substr(routerName.size()));
    }
    const std::size_t mark = last.rfind('>');
    return mark != std::string_view::npos && IsPromptMark(last.substr(mark)) &&
           CouldBeRouterName(last.substr(0, mark));
}

bool ReplyCollector::Gathers(ReplyCode replyState) {
    return replyState == ReplyCode::ArpTable || replyState == ReplyCode::InterfaceInfo;
}

std::optional<std::string> ReplyCollector::Take(ReplyCode replyState, std::string_view chunk) {
    if (replyState != state_) {
        text_.clear();
        state_ = replyState;
    }
    if (!Gathers(replyState)) {
        return std::string(chunk);
    }
    text_.append(chunk);
    if (EndsAtPrompt(text_, routerName_) || text_.size() >= Limit) {
        return std::exchange(text_, {});
    }
    return std::nullopt;
}

}  // namespace tessel
