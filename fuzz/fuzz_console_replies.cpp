// Drives the console reply handling through every reply code with arbitrary
// bytes cut into arbitrary chunks, the way the socket may deliver them.
//
// The console channel (app/console_channel.cpp) and the window are Qt code;
// what they do per action is mirrored here by a recording console that calls
// the same Qt-free parsers (dispatch, column scan, load-meter, RMA-test and
// ARP rows, the interface information cleanup). Input layout: byte 0 picks the starting
// reply code, byte 1 the chunking (0: one byte per chunk, else the seed of
// random chunk sizes), the rest is the received text.
//
// Only the ARP table and the interface information are gathered up to the
// prompt; every other code judges each chunk by itself, so most results
// depend on the chunking by design. What must not: a prompt-driven code
// re-reads once whether or not ">" came in its own chunk, the login dialogue
// answers by chunk count alone, no chunk makes more than one row or one line,
// and what is gathered is the received text in order, never more than the
// collector's limit plus one chunk.

#include "core/console/console_line.hpp"
#include "core/console/reply_columns.hpp"
#include "core/console/reply_dispatch.hpp"
#include "core/router/arp_parse.hpp"
#include "core/router/load_meter.hpp"
#include "core/router/rma_test.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace tessel;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Every code of the reply table, and two it does not list.
constexpr std::array<ReplyCode, 27> Codes = {ReplyCode::Disconnected,
                                             ReplyCode::SendLogin,
                                             ReplyCode::SendPassword,
                                             ReplyCode::SkipAfterPassword,
                                             ReplyCode::AwaitAccept,
                                             ReplyCode::AwaitSorry,
                                             ReplyCode::Idle,
                                             ReplyCode::Radio,
                                             ReplyCode::CpeTable,
                                             ReplyCode::Interfaces,
                                             ReplyCode::Rma,
                                             ReplyCode::System,
                                             ReplyCode::BsDeleteBeforeAdd,
                                             ReplyCode::BsList,
                                             ReplyCode::InterfaceInfo,
                                             ReplyCode::LoadMeterStart,
                                             ReplyCode::LoadMeterRow,
                                             ReplyCode::ArpTable,
                                             ReplyCode::Quit,
                                             ReplyCode::RmaTestStart,
                                             ReplyCode::RmaTestRow,
                                             ReplyCode::LoadMeterStartStopped,
                                             ReplyCode::LoadMeterRowStopped,
                                             ReplyCode::RmaTestStartStopped,
                                             ReplyCode::RmaTestRowStopped,
                                             ReplyCode{25},
                                             ReplyCode{-1}};

bool IsListedCode(ReplyCode code) {
    for (const ReplyCode listed : Codes) {
        if (listed == code && code != ReplyCode{25} && code != ReplyCode{-1}) {
            return true;
        }
    }
    return false;
}

bool IsPromptCode(ReplyCode code) {
    switch (code) {
        case ReplyCode::Radio:
        case ReplyCode::CpeTable:
        case ReplyCode::Interfaces:
        case ReplyCode::Rma:
        case ReplyCode::System:
        case ReplyCode::BsList:
            return true;
        default:
            return false;
    }
}

bool IsStoppedCode(ReplyCode code) {
    return code == ReplyCode::LoadMeterStartStopped || code == ReplyCode::LoadMeterRowStopped ||
           code == ReplyCode::RmaTestStartStopped || code == ReplyCode::RmaTestRowStopped;
}

// A token must be a non-empty piece of the chunk before its first NUL that
// comes after the previous token. Only spaces are skipped before a token, so
// its first character may be a CR; after that, a space or CR ends it.
void CheckColumns(std::string_view chunk) {
    const std::string_view text = chunk.substr(0, chunk.find('\0'));
    std::vector<std::string> all;
    const char* previousEnd = text.data();
    ScanReplyColumns(chunk, [&](std::string_view token) {
        Require(!token.empty());
        Require(token.front() != ' ');
        Require(token.find_first_of(" \r", 1) == std::string_view::npos);
        Require(token.data() >= previousEnd);
        Require(token.data() + token.size() <= text.data() + text.size());
        previousEnd = token.data() + token.size();
        all.emplace_back(token);
        return true;
    });
    // A token and the separator after it take at least two characters.
    Require(all.size() <= text.size() / 2 + 1);
    for (const std::size_t limit : {std::size_t{0}, std::size_t{1}, std::size_t{8}}) {
        const auto limited = ReplyColumns(chunk, limit);
        Require(limited.size() == std::min(limit, all.size()));
        for (std::size_t i = 0; i < limited.size(); ++i) {
            Require(limited[i] == all[i]);
        }
    }
}

void CheckCells(std::string_view chunk, const std::array<std::string, 11>& cells) {
    std::size_t total = 0;
    for (const std::string& cell : cells) {
        Require(cell.empty() || chunk.find(cell) != std::string_view::npos);
        total += cell.size();
    }
    Require(total <= chunk.size() * 2);  // the RMA test shows each level twice
}

// What the window does with the dispatcher's steps, recorded.
struct RecordingConsole {
    ReplyCode state = ReplyCode::Idle;
    bool closed = false;
    std::vector<ReplyAction> actions;
    std::vector<std::string> linesSent;
    std::size_t reads = 0;
    std::size_t rows = 0;
    std::size_t infoShown = 0;
    std::size_t arpTables = 0;
    std::string gathered;  // every text judged under a gathering code, in order
    ReplyCollector collector;

    bool operator==(const RecordingConsole& other) const {
        return state == other.state && closed == other.closed && actions == other.actions &&
               linesSent == other.linesSent && reads == other.reads && rows == other.rows &&
               infoShown == other.infoShown && arpTables == other.arpTables &&
               gathered == other.gathered;
    }

    void Receive(std::string_view received) {
        const bool gathers = ReplyCollector::Gathers(state);
        const auto text = collector.Take(state, received);
        Require(collector.Gathered() < ReplyCollector::Limit);
        if (!text) {
            Require(gathers);
            return;
        }
        Require(text->size() <= ReplyCollector::Limit + received.size());
        if (gathers) {
            Require(EndsAtPrompt(*text, collector.RouterName()) ||
                    text->size() >= ReplyCollector::Limit);
            gathered += *text;
        } else {
            Require(*text == received);
        }
        Handle(*text);
    }

  private:
    void Handle(std::string_view chunk) {
        Require(!closed);  // the window is gone after code 1000
        const ReplyCode before = state;
        const ReplyStep step = DispatchReply(state, chunk);
        const ReplyStep again = DispatchReply(state, chunk);
        Require(step.action == again.action && step.nextState == again.nextState);
        Require(IsListedCode(step.nextState) || step.nextState == before);
        if (!IsListedCode(before)) {
            Require(step.action == ReplyAction::None);
        }
        if (IsPromptCode(before)) {
            const bool prompt = chunk.find('>') != std::string_view::npos;
            Require((step.action != ReplyAction::None) == prompt);
            Require(step.nextState == (prompt ? ReplyCode::Idle : before));
        }
        if (IsStoppedCode(before)) {
            Require(step.action != ReplyAction::None);
            Require((step.nextState == ReplyCode::Idle) == EndsAtPrompt(chunk));
        }
        CheckColumns(chunk);
        actions.push_back(step.action);
        Perform(step, chunk);
    }

    void Perform(const ReplyStep& step, std::string_view chunk) {
        switch (step.action) {
            case ReplyAction::SendOne:
                linesSent.push_back(ConsoleLineBytes("1"));
                break;
            case ReplyAction::SendLoginName:
                linesSent.push_back(ConsoleLineBytes("admin"));
                break;
            case ReplyAction::SendPassword:
                linesSent.push_back(ConsoleLineBytes("secret"));
                break;
            case ReplyAction::LoginAccepted:
                // The post-login load ends by sending "arp view".
                linesSent.push_back(ConsoleLineBytes("arp view"));
                state = ReplyCode::ArpTable;
                return;
            case ReplyAction::SendAddBsRecord:
                linesSent.push_back(ConsoleLineBytes("rma bs add"));
                state = ReplyCode::BsList;
                return;
            case ReplyAction::CommandComplete:
                ++reads;
                break;
            case ReplyAction::ShowInterfaceInfo: {
                Require(chunk.size() > 10);
                const std::string info = InterfaceInfoText(chunk);
                Require(info.size() <= chunk.size());
                ++infoShown;
                break;
            }
            case ReplyAction::LoadMeterRow:
                if (const auto row = LoadMeterRowOf(chunk)) {
                    Require(IsLoadMeterRowChunk(chunk));
                    CheckCells(chunk, *row);
                    ++rows;
                }
                break;
            case ReplyAction::RmaTestRow:
                if (const auto row = RmaTestRowOf(chunk)) {
                    Require(IsRmaTestRowChunk(chunk));
                    CheckCells(chunk, *row);
                    ++rows;
                }
                break;
            case ReplyAction::ArpTable: {
                const auto table = ParseArpChunk(chunk);
                Require(table.has_value());
                Require(table->size() <= ArpLineLimit);
                ++arpTables;
                break;
            }
            case ReplyAction::CloseWindow:
                closed = true;
                return;
            default:
                break;
        }
        state = step.nextState;
    }
};

std::vector<std::string_view> Chunks(std::string_view text, std::uint8_t seed) {
    std::vector<std::string_view> chunks;
    std::uint32_t lcg = seed;
    while (!text.empty()) {
        std::size_t size = 1;
        if (seed != 0) {
            lcg = lcg * 1664525u + 1013904223u;
            size = 1 + (lcg >> 16) % 64;
        }
        size = std::min(size, text.size());
        chunks.push_back(text.substr(0, size));
        text.remove_prefix(size);
    }
    return chunks;
}

// routerName: the prompt's name as the window read it; empty before that.
RecordingConsole Run(ReplyCode code, const std::vector<std::string_view>& chunks,
                     const std::string& routerName) {
    RecordingConsole console;
    console.state = code;
    console.collector.SetRouterName(routerName);
    for (const std::string_view chunk : chunks) {
        if (console.closed) {
            break;
        }
        console.Receive(chunk);
    }
    return console;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const ReplyCode code = Codes[data[0] % Codes.size()];
    const std::string routerName = data[0] >= 0x80 ? "r1" : "";
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    const auto chunks = Chunks(text, data[1]);

    const RecordingConsole split = Run(code, chunks, routerName);
    Require(split == Run(code, chunks, routerName));
    Require(split.actions.size() <= chunks.size());
    Require(split.rows <= chunks.size());
    Require(split.linesSent.size() <= chunks.size());

    if (text.empty()) {
        return 0;
    }
    const RecordingConsole whole = Run(code, {text}, routerName);
    Require(whole.actions.size() <= 1);
    Require(whole.actions.size() == 1 || ReplyCollector::Gathers(code));

    if (IsPromptCode(code)) {
        // ">" is one byte, so it always arrives inside one chunk.
        Require(split.reads == whole.reads);
        Require(split.state == whole.state);
    }
    if (code == ReplyCode::Disconnected) {
        // The dialogue answers by chunk count: "1", login name, password.
        const std::vector<ReplyAction> start = {ReplyAction::SendOne, ReplyAction::SendLoginName,
                                                ReplyAction::SendPassword, ReplyAction::None};
        for (std::size_t i = 0; i < std::min(start.size(), split.actions.size()); ++i) {
            Require(split.actions[i] == start[i]);
        }
    }
    if (ReplyCollector::Gathers(code)) {
        // Gathered text is the received text, in order, with nothing added.
        Require(text.substr(0, split.gathered.size()) == split.gathered);
        Require(split.infoShown + split.arpTables <= 1);
        if (text.find('>') == std::string_view::npos && text.size() < ReplyCollector::Limit) {
            Require(split.actions.empty() && split.state == code);
        }
    }
    if (code == ReplyCode::Quit) {
        Require(split.closed && split.actions.size() == 1);
    }
    return 0;
}
