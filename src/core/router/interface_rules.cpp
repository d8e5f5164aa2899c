#include "core/router/interface_rules.hpp"

#include "core/router/number_text.hpp"

#include <algorithm>

namespace tessel {

bool CanCarryAlias(std::string_view interfaceName) {
    return interfaceName.find("tun") == std::string_view::npos &&
           interfaceName.find("vlan") == std::string_view::npos;
}

std::string InterfaceNameAt(const std::vector<std::string>& names, std::string_view indexText) {
    const std::int64_t index = WholeNumberOrZero(indexText);
    if (index < 1 || static_cast<std::uint64_t>(index) > names.size()) {
        return {};
    }
    return names[static_cast<std::size_t>(index - 1)];
}

std::optional<int> AliasChoiceForRow(std::string_view rowName,
                                     const std::vector<std::string>& choices) {
    if (!CanCarryAlias(rowName)) {
        return std::nullopt;
    }
    const auto it = std::find(choices.begin(), choices.end(), rowName);
    return it == choices.end() ? -1 : static_cast<int>(it - choices.begin());
}

}  // namespace tessel
