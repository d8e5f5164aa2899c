#include "core/session/console_log.hpp"

#include "core/console/login_dialogue.hpp"
#include "core/session/trace.hpp"
#include "core/text.hpp"

#include <algorithm>

namespace tessel {

namespace {

// One line however it came: control bytes spelt out, 8-bit text kept.
std::string VisibleText(std::string_view bytes) {
    static constexpr char Hex[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7f) {
            out += "\\x";
            out.push_back(Hex[byte >> 4]);
            out.push_back(Hex[byte & 0x0f]);
        } else {
            out.push_back(c);
        }
    }
    return out;
}

// Upper to lower case for ASCII and Latin-1 letters (not the multiplication
// sign, which sits among the capitals).
char FoldCase(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xc0 && byte <= 0xde && byte != 0xd7)) {
        return static_cast<char>(byte + 0x20);
    }
    return c;
}

bool ContainsIgnoringCase(std::string_view text, std::string_view needle) {
    const auto same = [](char a, char b) { return FoldCase(a) == FoldCase(b); };
    return std::search(text.begin(), text.end(), needle.begin(), needle.end(), same) != text.end();
}

// The commands whose reply is their echo, the prompt and, on a refusal, the
// router's word on it. Reports, tables and the login dialogue say more by
// design and are not judged.
bool JudgesReply(ReplyCode code) {
    switch (code) {
        case ReplyCode::Radio:
        case ReplyCode::CpeTable:
        case ReplyCode::Interfaces:
        case ReplyCode::Rma:
        case ReplyCode::System:
        case ReplyCode::BsDeleteBeforeAdd:
        case ReplyCode::BsList:
            return true;
        default:
            return false;
    }
}

std::string_view TrimRight(std::string_view text) {
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

bool IsPromptText(std::string_view line) {
    return TrimRight(line).ends_with('>');
}

// The sent line as the router echoes it, also behind a prompt that was still
// on the same screen line.
bool IsEcho(std::string_view line, std::string_view sent) {
    const std::string_view text = TrimRight(line);
    const std::string_view command = TrimRight(sent);
    if (text == command) {
        return true;
    }
    return text.ends_with(command) && IsPromptText(text.substr(0, text.size() - command.size()));
}

}  // namespace

std::string_view ConsoleLogKindText(ConsoleLogKind kind) {
    switch (kind) {
        case ConsoleLogKind::Sent:
            return "sent";
        case ConsoleLogKind::Received:
            return "received";
        case ConsoleLogKind::Refused:
            return "refused";
        case ConsoleLogKind::Connection:
            return "connection";
        case ConsoleLogKind::SnmpFailure:
            return "snmp";
        case ConsoleLogKind::ErrorLimit:
            return "error-limit";
    }
    return "?";
}

bool ConsoleLogEntryMatches(const ConsoleLogEntry& entry, std::string_view needle) {
    return ContainsIgnoringCase(entry.text, needle);
}

ConsoleLog::ConsoleLog(std::size_t capacity) : capacity_(std::max<std::size_t>(capacity, 1)) {}

void ConsoleLog::Sent(Time time, std::string_view line, ReplyCode code, bool secret) {
    FlushPartial();
    judged_.reset();
    const std::string text = secret ? std::string(MaskedSecret) : Masked(line, BeforeLogin(code));
    Append(time, ConsoleLogKind::Sent, text);
    if (JudgesReply(code)) {
        judged_ = std::string(line);
    }
}

void ConsoleLog::Received(Time time, std::string_view chunk, ReplyCode code) {
    const bool masked = BeforeLogin(code);
    // The first line this chunk completes began in an earlier chunk, and the
    // password is hidden when any part of it came before the login.
    partialMasked_ = partialMasked_ || masked;
    partialTime_ = time;
    for (const std::string& line : lines_.Feed(chunk)) {
        AddReceived(time, line, partialMasked_, false);
        partialMasked_ = masked;
    }
    if (const auto prompt = lines_.TakePrompt()) {
        AddReceived(time, *prompt, partialMasked_, true);
    }
    partialMasked_ = partialMasked_ && lines_.HasPartial();
}

void ConsoleLog::Refused(Time time, std::string_view line, std::string_view why) {
    std::string text(why);
    text += ": ";
    text += line;
    Append(time, ConsoleLogKind::Refused, text);
}

void ConsoleLog::Event(Time time, ConsoleLogKind kind, std::string_view text) {
    if (kind == ConsoleLogKind::Connection) {
        // Whatever the router left unfinished belongs to the old connection.
        FlushPartial();
        judged_.reset();
    }
    Append(time, kind, text);
}

std::vector<ConsoleLogEntry> ConsoleLog::Filter(std::string_view needle) const {
    std::vector<ConsoleLogEntry> found;
    for (const ConsoleLogEntry& entry : entries_) {
        if (ConsoleLogEntryMatches(entry, needle)) {
            found.push_back(entry);
        }
    }
    return found;
}

std::string ConsoleLog::SaveText() const {
    std::string out;
    for (const ConsoleLogEntry& entry : entries_) {
        // The mark of a reply that said more, as the window shows it.
        out += entry.marked ? "! " : "  ";
        out += TimeOfDayText(entry.time);
        out += "  ";
        out += ConsoleLogKindText(entry.kind);
        out += "  ";
        out += Latin1ToUtf8(entry.text);
        out += '\n';
    }
    return out;
}

void ConsoleLog::Clear() {
    entries_.clear();
    unread_ = 0;
}

void ConsoleLog::AddReceived(Time time, const std::string& line, bool masked, bool partial) {
    if (TrimRight(line).empty()) {
        return;
    }
    bool marked = false;
    if (judged_) {
        const bool prompt = partial && IsPromptText(line);
        marked = !prompt && !IsEcho(line, *judged_);
        if (prompt) {
            judged_.reset();
        }
    }
    Append(time, ConsoleLogKind::Received, Masked(line, masked), marked);
}

void ConsoleLog::FlushPartial() {
    if (!lines_.HasPartial()) {
        return;
    }
    const bool masked = partialMasked_;
    partialMasked_ = false;
    AddReceived(partialTime_, lines_.TakePartial(), masked, true);
}

void ConsoleLog::Append(Time time, ConsoleLogKind kind, std::string_view text, bool marked) {
    if (entries_.size() >= capacity_) {
        entries_.pop_front();
    }
    entries_.push_back({time, kind, VisibleText(text), marked});
    ++appended_;
    if (marked) {
        ++unread_;
    }
}

std::string ConsoleLog::Masked(std::string_view text, bool masked) const {
    return masked ? MaskSecret(text, secret_) : std::string(text);
}

}  // namespace tessel
