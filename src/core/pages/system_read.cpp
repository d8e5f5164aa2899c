#include "core/pages/system_read.hpp"

#include "core/pages/counted_read.hpp"
#include "core/session/window_caption.hpp"
#include "core/snmp/oids.hpp"

namespace tessel {

SystemSettings ReadSystemSettings(SnmpReader& reader, std::string_view routerHost) {
    SystemSettings s;
    s.name = ReadCounted(reader, oids::SysName);
    s.location = ReadCounted(reader, oids::SysLocation);
    s.icmpLimit = ReadCounted(reader, oids::IcmpLimit);
    s.fastroute = ReadSwitch(reader, oids::Fastroute);
    s.sendRedirects = ReadSwitch(reader, oids::SendRedirects);
    s.dropRedirects = ReadSwitch(reader, oids::DropRedirects);
    s.caption = RouterWindowCaption(ReadCounted(reader, oids::SysName), routerHost);
    return s;
}

RmaSettings ReadRmaSettings(SnmpReader& reader, int selectedPosition) {
    RmaSettings s;
    s.radioNumber = std::to_string(selectedPosition < 0 ? 0 : selectedPosition + 1);
    s.started = ReadSwitch(reader, oids::RmaStarted);
    s.autobitrate = ReadSwitch(reader, oids::RmaRadioAutobitrate + s.radioNumber);
    // The two polling entries name the radios (by number) that poll. Without a
    // selected radio there is nothing that could poll, whatever the entries say.
    const std::string first = ReadCounted(reader, oids::RmaPollingFirstRadio);
    const std::string second = ReadCounted(reader, oids::RmaPollingSecondRadio);
    s.polling = selectedPosition >= 0 && (first == s.radioNumber || second == s.radioNumber);
    return s;
}

}  // namespace tessel
