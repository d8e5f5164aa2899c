#pragma once

// The console log: what went to the router and what it answered, line by
// line, with connection events and SNMP failures beside them, so that the
// operator can read what the router said when a change did not take. A reply
// to a configuration command that says more than its echo and the prompt
// (an "Error: ..." line, say) is marked and counts as unread until the log
// is seen. No clock and no Qt here: the caller stamps every entry.

#include "core/console/reply_dispatch.hpp"
#include "core/console/reply_lines.hpp"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

enum class ConsoleLogKind { Sent, Received, Refused, Connection, SnmpFailure, ErrorLimit };

// "sent", "received", "refused", "connection", "snmp", "error-limit".
std::string_view ConsoleLogKindText(ConsoleLogKind kind);

struct ConsoleLogEntry {
    // The local time of day (see LocalTimeOfDay); only its value modulo a
    // day is shown.
    std::chrono::milliseconds time{0};
    ConsoleLogKind kind = ConsoleLogKind::Received;
    // One line of the router's 8-bit text (the view reads it as Latin-1).
    // Control bytes are shown as \r, \n, \t or \xNN, so it never breaks.
    std::string text;
    // The router said more than a configuration command's echo and prompt.
    bool marked = false;

    bool operator==(const ConsoleLogEntry&) const = default;
};

// Whether the entry's text holds needle, case ignored (ASCII and Latin-1
// letters); every entry matches an empty needle.
bool ConsoleLogEntryMatches(const ConsoleLogEntry& entry, std::string_view needle);

class ConsoleLog {
  public:
    using Time = std::chrono::milliseconds;
    static constexpr std::size_t DefaultCapacity = 20000;

    // At most capacity entries (at least one); the oldest go first.
    explicit ConsoleLog(std::size_t capacity = DefaultCapacity);

    // The password of the login under way: until the router accepts the
    // login it is masked wherever it turns up, as in the support trace.
    void SetSecret(std::string secret) { secret_ = std::move(secret); }

    // A line that went out (or was dropped on a closed connection) under the
    // reply code it was sent with. A secret line (the password) shows as
    // MaskedSecret. The partial line the router left (its prompt) becomes an
    // entry first; a configuration command's reply is then judged.
    void Sent(Time time, std::string_view line, ReplyCode code, bool secret = false);
    // One chunk from the router, read under code; every line it completes is
    // an entry, and so is the prompt once it is complete.
    void Received(Time time, std::string_view chunk, ReplyCode code);
    // A line the program would not send, and why.
    void Refused(Time time, std::string_view line, std::string_view why);
    // Anything else worth a line: a connection event (which also ends the
    // router's partial line and any reply being judged), an SNMP failure, the
    // error-limit question and its answer.
    void Event(Time time, ConsoleLogKind kind, std::string_view text);

    const std::deque<ConsoleLogEntry>& Entries() const { return entries_; }
    // Every entry ever added, those dropped for room or cleared included: a
    // view that follows the log tells by it how many of its rows went at the
    // front and how many came at the back.
    std::uint64_t Appended() const { return appended_; }
    // Marked entries added since the log was last seen.
    std::size_t Unread() const { return unread_; }
    void MarkSeen() { unread_ = 0; }

    // The entries that match needle (ConsoleLogEntryMatches).
    std::vector<ConsoleLogEntry> Filter(std::string_view needle) const;
    // The whole log as UTF-8, one "M HH:MM:SS.mmm  KIND  text" line per entry,
    // M being "!" for a marked entry and a space otherwise.
    std::string SaveText() const;
    void Clear();

  private:
    void AddReceived(Time time, const std::string& line, bool masked, bool partial);
    void FlushPartial();
    void Append(Time time, ConsoleLogKind kind, std::string_view text, bool marked = false);
    std::string Masked(std::string_view text, bool masked) const;

    std::size_t capacity_;
    std::deque<ConsoleLogEntry> entries_;
    std::uint64_t appended_ = 0;
    std::size_t unread_ = 0;
    std::string secret_;
    ReplyLines lines_;
    // The partial line holds text that came before the login was accepted.
    bool partialMasked_ = false;
    Time partialTime_{0};
    // The configuration command whose reply is being judged, until its prompt.
    std::optional<std::string> judged_;
};

}  // namespace tessel
