#include "core/pages/interfaces_read.hpp"

#include "core/pages/counted_read.hpp"
#include "core/pages/table_walk.hpp"
#include "core/router/interface_rules.hpp"
#include "core/snmp/oids.hpp"

namespace tessel {

InterfacesReading ReadInterfaces(SnmpReader& reader) {
    InterfacesReading page;
    for (auto& row : WalkColumn(reader, oids::IpAdEntAddr, kMaxAddresses)) {
        page.addresses.push_back(std::move(row.value));
    }

    // A gap in the index numbering ends the list, as does the size limit.
    while (page.interfaceNames.size() < kMaxInterfaceNames) {
        std::string name =
            ReadCounted(reader, oids::IfDescr + std::to_string(page.interfaceNames.size() + 1));
        if (name.empty()) {
            break;
        }
        page.interfaceNames.push_back(std::move(name));
    }

    for (const auto& name : page.interfaceNames) {
        page.loadMeterChoices.push_back(name);
        if (CanCarryAlias(name)) {
            page.aliasChoices.push_back(name);
        }
    }
    // The first entry is as a rule the loopback, which takes no alias.
    page.aliasChoice = page.aliasChoices.size() > 1 ? 1 : -1;
    page.loadMeterChoice = page.loadMeterChoices.empty() ? -1 : 0;

    for (const auto& address : page.addresses) {
        IpTableRow row;
        row.interfaceIndex = ReadCounted(reader, oids::IpAdEntIfIndex + address);
        row.mask = ReadCounted(reader, oids::IpAdEntNetMask + address);
        row.interfaceName = InterfaceNameAt(page.interfaceNames, row.interfaceIndex);
        row.address = address;
        page.ipTable.push_back(std::move(row));
    }

    for (std::size_t k = 1; k <= page.interfaceNames.size(); ++k) {
        const std::string index = std::to_string(k);
        InterfaceRow row;
        row.name = page.interfaceNames[k - 1];
        row.mtu = ReadCounted(reader, oids::IfMtu + index);
        row.state = ReadCounted(reader, oids::IfOperStatus + index) == "1" ? "up" : "down";
        page.interfaces.push_back(std::move(row));
    }
    return page;
}

}  // namespace tessel
