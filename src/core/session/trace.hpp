#pragma once

// The support trace: with TESSEL_TRACE set, every SNMP exchange and every
// console line sent or chunk received goes to standard error, one line each,
// stamped with the time of day. Nothing is written to files. The rules for
// what a line says live here as plain functions so that the escaping and the
// masking of secrets are tested without a router.

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tessel {

// What a password becomes in the trace.
inline constexpr std::string_view MaskedSecret = "********";

// The bytes as one printable line: printable ASCII stays as it is except
// '\\' and '"', which get a backslash; CR, LF and TAB become \r \n \t; every
// other byte (control bytes, NUL, bytes from 0x7f up) becomes \xNN in
// lower-case hexadecimal. The result never contains a line break.
std::string EscapeTraceText(std::string_view bytes);

// text with every occurrence of secret replaced by MaskedSecret. An empty
// secret leaves text as it is.
std::string MaskSecret(std::string_view text, std::string_view secret);

// "HH:MM:SS.mmm" for a time of day given as the time since midnight; times
// of a day or more wrap round.
std::string TimeOfDayText(std::chrono::milliseconds sinceMidnight);

// The local time of day of a moment, as the time since local midnight: what
// the trace stamps its lines with and the console log keeps for its entries.
std::chrono::milliseconds LocalTimeOfDay(std::chrono::system_clock::time_point when);

enum class SnmpExchangeKind { Get, GetNext };

// One SNMP exchange. requested is the OID asked for; for GetNext, replied is
// the OID of the answer (left out when unchanged or on failure). The value
// is shown quoted and escaped, a failure as "failed". The community is never
// part of the line.
struct SnmpTraceRecord {
    SnmpExchangeKind kind = SnmpExchangeKind::Get;
    std::string_view host;
    std::string_view requested;
    std::string_view replied;
    bool ok = false;
    std::string_view value;
    std::int64_t microseconds = 0;
};
std::string SnmpTraceText(const SnmpTraceRecord& record);

// The bytes of one console line as they went out (or, when not connected,
// were dropped).
std::string ConsoleSentText(std::string_view bytes, bool connected);

// One chunk as it came in.
std::string ConsoleReceivedText(std::string_view chunk);

// Writes trace lines, each stamped with the local time of day, to a sink.
class TraceLog {
  public:
    using Sink = std::function<void(std::string_view line)>;

    explicit TraceLog(Sink sink) : sink_(std::move(sink)) {}

    // One line: time of day, a space, text, a line break.
    void Write(std::string_view text) const;

  private:
    Sink sink_;
};

// The process's trace on stderr when on, else null. One log serves the whole
// process, so it outlives whatever is given it.
const TraceLog* ProcessTrace(bool on);

}  // namespace tessel
