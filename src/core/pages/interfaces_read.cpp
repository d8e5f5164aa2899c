#include "core/pages/interfaces_read.hpp"

#include "core/pages/counted_read.hpp"
#include "core/pages/table_walk.hpp"
#include "core/router/interface_rules.hpp"

namespace tessel {
namespace {

const std::string kAddressColumn = "1.3.6.1.2.1.4.20.1.1";
const std::string kAddressIfIndex = "1.3.6.1.2.1.4.20.1.2.";
const std::string kAddressMask = "1.3.6.1.2.1.4.20.1.3.";
const std::string kIfDescr = "1.3.6.1.2.1.2.2.1.2.";
const std::string kIfMtu = "1.3.6.1.2.1.2.2.1.4.";
const std::string kIfOperStatus = "1.3.6.1.2.1.2.2.1.8.";

}  // namespace

InterfacesPage ReadInterfaces(SnmpReader& reader) {
    InterfacesPage page;
    for (auto& row : WalkColumn(reader, kAddressColumn, kMaxAddresses)) {
        page.addresses.push_back(std::move(row.value));
    }

    // A gap in the index numbering ends the list, as does the size limit.
    while (page.interfaceNames.size() < kMaxInterfaceNames) {
        std::string name =
            ReadCounted(reader, kIfDescr + std::to_string(page.interfaceNames.size() + 1));
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
        row.interfaceIndex = ReadCounted(reader, kAddressIfIndex + address);
        row.mask = ReadCounted(reader, kAddressMask + address);
        row.interfaceName = InterfaceNameAt(page.interfaceNames, row.interfaceIndex);
        row.address = address;
        page.ipTable.push_back(std::move(row));
    }

    for (std::size_t k = 1; k <= page.interfaceNames.size(); ++k) {
        const std::string index = std::to_string(k);
        InterfaceRow row;
        row.name = page.interfaceNames[k - 1];
        row.mtu = ReadCounted(reader, kIfMtu + index);
        row.state = ReadCounted(reader, kIfOperStatus + index) == "1" ? "up" : "down";
        page.interfaces.push_back(std::move(row));
    }
    return page;
}

}  // namespace tessel
