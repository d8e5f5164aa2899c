#include "core/session/trace.hpp"

#include <cstdio>
#include <ctime>

namespace tessel {

std::string EscapeTraceText(std::string_view bytes) {
    static constexpr char Hex[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '\\':
                out += "\\\\";
                continue;
            case '"':
                out += "\\\"";
                continue;
            case '\r':
                out += "\\r";
                continue;
            case '\n':
                out += "\\n";
                continue;
            case '\t':
                out += "\\t";
                continue;
            default:
                break;
        }
        if (byte >= 0x20 && byte < 0x7f) {
            out.push_back(c);
        } else {
            out += "\\x";
            out.push_back(Hex[byte >> 4]);
            out.push_back(Hex[byte & 0x0f]);
        }
    }
    return out;
}

std::string MaskSecret(std::string_view text, std::string_view secret) {
    if (secret.empty()) {
        return std::string(text);
    }
    std::string out;
    std::size_t from = 0;
    for (std::size_t at = text.find(secret); at != std::string_view::npos;
         at = text.find(secret, from)) {
        out.append(text.substr(from, at - from));
        out.append(MaskedSecret);
        from = at + secret.size();
    }
    out.append(text.substr(from));
    return out;
}

std::string TimeOfDayText(std::chrono::milliseconds sinceMidnight) {
    constexpr std::int64_t DayMs = 24LL * 60 * 60 * 1000;
    std::int64_t ms = sinceMidnight.count() % DayMs;
    if (ms < 0) {
        ms += DayMs;
    }
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", static_cast<int>(ms / 3600000),
                  static_cast<int>(ms / 60000 % 60), static_cast<int>(ms / 1000 % 60),
                  static_cast<int>(ms % 1000));
    return text;
}

std::string SnmpTraceText(const SnmpTraceRecord& record) {
    std::string out = record.kind == SnmpExchangeKind::Get ? "SNMP Get " : "SNMP GetNext ";
    out += EscapeTraceText(record.host);
    out += ' ';
    out += EscapeTraceText(record.requested);
    if (record.ok) {
        if (record.kind == SnmpExchangeKind::GetNext && record.replied != record.requested) {
            out += " -> ";
            out += EscapeTraceText(record.replied);
        }
        out += " = \"";
        out += EscapeTraceText(record.value);
        out += '"';
    } else {
        out += " failed";
    }
    out += " (";
    out += std::to_string(record.microseconds);
    out += " us)";
    return out;
}

std::string ConsoleSentText(std::string_view bytes, bool connected) {
    return (connected ? "console sent \"" : "console not sent (not connected) \"") +
           EscapeTraceText(bytes) + '"';
}

std::string ConsoleReceivedText(std::string_view chunk) {
    return "console received \"" + EscapeTraceText(chunk) + '"';
}

std::chrono::milliseconds LocalTimeOfDay(std::chrono::system_clock::time_point when) {
    using namespace std::chrono;
    const std::time_t seconds = system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto ms = duration_cast<milliseconds>(when.time_since_epoch()).count() % 1000;
    return milliseconds{((local.tm_hour * 60LL + local.tm_min) * 60 + local.tm_sec) * 1000 + ms};
}

void TraceLog::Write(std::string_view text) const {
    std::string line = TimeOfDayText(LocalTimeOfDay(std::chrono::system_clock::now()));
    line += ' ';
    line += text;
    line += '\n';
    sink_(line);
}

const TraceLog* ProcessTrace(bool on) {
    // One write per line, so that lines from other output do not cut into it.
    static const TraceLog trace(
        [](std::string_view line) { std::fwrite(line.data(), 1, line.size(), stderr); });
    return on ? &trace : nullptr;
}

}  // namespace tessel
