#include "core/pages/system_read.hpp"

#include "core/pages/counted_read.hpp"

namespace tessel {
namespace {

const std::string kSysName = "1.3.6.1.2.1.1.5.0";
const std::string kSysLocation = "1.3.6.1.2.1.1.6.0";
const std::string kFastroute = "1.3.6.1.4.1.3942.1.1.3.2.0";
const std::string kIcmpLimit = "1.3.6.1.4.1.3942.1.1.3.3.0";
const std::string kSendRedirects = "1.3.6.1.4.1.3942.1.1.3.4.0";
const std::string kDropRedirects = "1.3.6.1.4.1.3942.1.1.3.5.0";
const std::string kRmaStarted = "1.3.6.1.4.1.3942.1.1.1.6.0";
const std::string kAutobitrate = "1.3.6.1.4.1.3942.1.1.1.1.1.6.";
const std::string kPollingFirst = "1.3.6.1.4.1.3942.1.1.1.2.1.1.1";
const std::string kPollingSecond = "1.3.6.1.4.1.3942.1.1.1.2.1.1.2";

}  // namespace

std::string RouterWindowCaption(std::string_view name, std::string_view routerHost) {
    std::string caption(name);
    return caption.append(": ").append(routerHost).append(" - Tessel Manager");
}

SystemSettings ReadSystemSettings(SnmpReader& reader, std::string_view routerHost) {
    SystemSettings s;
    s.name = ReadCounted(reader, kSysName);
    s.location = ReadCounted(reader, kSysLocation);
    s.icmpLimit = ReadCounted(reader, kIcmpLimit);
    s.fastroute = ReadSwitch(reader, kFastroute);
    s.sendRedirects = ReadSwitch(reader, kSendRedirects);
    s.dropRedirects = ReadSwitch(reader, kDropRedirects);
    s.caption = RouterWindowCaption(ReadCounted(reader, kSysName), routerHost);
    return s;
}

RmaSettings ReadRmaSettings(SnmpReader& reader, int selectedPosition) {
    RmaSettings s;
    s.radioNumber = std::to_string(selectedPosition < 0 ? 0 : selectedPosition + 1);
    s.started = ReadSwitch(reader, kRmaStarted);
    s.autobitrate = ReadSwitch(reader, kAutobitrate + s.radioNumber);
    // The two polling entries name the radios (by number) that poll. Without a
    // selected radio there is nothing that could poll, whatever the entries say.
    const std::string first = ReadCounted(reader, kPollingFirst);
    const std::string second = ReadCounted(reader, kPollingSecond);
    s.polling = selectedPosition >= 0 && (first == s.radioNumber || second == s.radioNumber);
    return s;
}

}  // namespace tessel
