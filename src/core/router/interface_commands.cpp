#include "core/router/interface_commands.hpp"

#include "core/router/address_checks.hpp"

namespace tessel {
namespace {

std::string AliasLine(std::string_view interfaceName, std::string_view address,
                      std::string_view mask, std::string_view action) {
    std::string line = "ifc ";
    line.append(interfaceName).append(" ").append(address).append("/").append(mask);
    return line.append(" ").append(action);
}

}  // namespace

std::string_view AliasFormError(std::string_view interfaceName, std::string_view address,
                                std::string_view mask) {
    if (!IsValidIpAddress(address) || !IsValidMaskOrBlank(mask)) {
        return kAliasInputError;
    }
    return interfaceName.empty() ? kNoInterfaceName : std::string_view();
}

std::optional<ConsoleCommand> CreateAliasCommand(std::string_view interfaceName,
                                                 std::string_view address, std::string_view mask) {
    if (!AliasFormError(interfaceName, address, mask).empty()) {
        return std::nullopt;
    }
    return ConsoleCommand{AliasLine(interfaceName, address, mask, "alias"), ReplyCode::Interfaces,
                          rereads::Interfaces};
}

std::optional<ConsoleCommand> DeleteAliasCommand(std::string_view interfaceName,
                                                 std::string_view address, std::string_view mask) {
    if (interfaceName.empty()) {
        return std::nullopt;
    }
    return ConsoleCommand{AliasLine(interfaceName, address, mask, "-alias"), ReplyCode::Interfaces,
                          rereads::Interfaces};
}

std::optional<ConsoleCommand> UpdateInterfaceCommand(std::string_view interfaceName,
                                                     std::string_view mtuText, bool enabled) {
    if (interfaceName.empty()) {
        return std::nullopt;
    }
    std::string line = "ifc ";
    line.append(interfaceName).append(" mtu ").append(mtuText).append(enabled ? " up" : " down");
    return ConsoleCommand{std::move(line), ReplyCode::Interfaces, rereads::Interfaces};
}

ConsoleCommand InterfaceInfoCommand(std::string_view interfaceName) {
    return {"ifc " + std::string(interfaceName), ReplyCode::InterfaceInfo};
}

}  // namespace tessel
