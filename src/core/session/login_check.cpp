#include "core/session/login_check.hpp"

#include "core/router/console_text.hpp"

namespace tessel {

std::optional<LoginRefusal> CheckLoginFields(std::string_view host, std::string_view login,
                                             std::string_view password) {
    if (host.empty() || login.empty() || password.empty()) {
        return LoginRefusal{"Please fill in all fields", "Error"};
    }
    if (!IsSafeConsoleText(login) || !IsSafeConsoleText(password)) {
        return LoginRefusal{kUnsafeConsoleTextMessage, kUnsafeConsoleTextCaption};
    }
    return std::nullopt;
}

}  // namespace tessel
