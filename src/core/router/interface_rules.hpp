#pragma once

// Rules of the interfaces page that need no widget.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

// Tunnels and VLANs cannot carry an alias, so the "Interface:" list leaves
// them out (the load meter lists every interface).
bool CanCarryAlias(std::string_view interfaceName);

// The name for the interface index text t of an IP table row: the entry at
// that position of names (counted from 1); empty for an index of 0, a failed
// read, or one beyond the list.
std::string InterfaceNameAt(const std::vector<std::string>& names, std::string_view indexText);

// The "Interface:" selection after an IP table row of interface rowName is
// chosen: the position of the first equal choice, or -1 (no selection) when
// none is equal. Nothing (keep the current selection) for a tunnel or VLAN row.
std::optional<int> AliasChoiceForRow(std::string_view rowName,
                                     const std::vector<std::string>& choices);

}  // namespace tessel
