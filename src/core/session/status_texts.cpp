#include "core/session/status_texts.hpp"

#include <charconv>

namespace tessel {

namespace {

void AppendPart(std::string& text, std::int64_t count, const char* one, const char* many) {
    if (count == 0) {
        return;
    }
    if (count == 1) {
        text += one;
        return;
    }
    text += std::to_string(count);
    text += many;
}

}  // namespace

std::string UptimeTextFromTicks(std::int64_t ticks) {
    const std::int64_t s = ticks / 100;
    const std::int64_t days = s / 86400;
    const std::int64_t hours = s / 3600 - days * 24;
    const std::int64_t minutes = s / 60 - days * 1440 - hours * 60;
    const std::int64_t seconds = s - days * 86400 - hours * 3600 - minutes * 60;
    std::string text = "Sys uptime: ";
    AppendPart(text, days, "1 day ", " days ");
    AppendPart(text, hours, "1 hour ", " hours ");
    AppendPart(text, minutes, "1 min ", " mins ");
    AppendPart(text, seconds, "1 sec ", " secs ");
    return text;
}

std::string UptimeText(const std::string& sysUpTime) {
    std::int64_t ticks = 0;
    const char* first = sysUpTime.data();
    const char* last = first + sysUpTime.size();
    const auto [end, error] = std::from_chars(first, last, ticks);
    if (error != std::errc() || end != last) {
        ticks = 0;
    }
    return UptimeTextFromTicks(ticks);
}

std::string CpuLoadText(const std::string& load) {
    return "CPU load: " + load + " %";
}

std::string RequestCountsText(long sent, long errors, long row) {
    return "SNMP| Sent: " + std::to_string(sent) + "/ Errors: " + std::to_string(errors) +
           "/Row: " + std::to_string(row);
}

}  // namespace tessel
