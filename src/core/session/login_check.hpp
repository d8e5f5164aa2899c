#pragma once

// What "Login" checks before anything is probed or connected.

#include <optional>
#include <string>
#include <string_view>

namespace tessel {

// The login as "Login" was pressed, used for the whole session whatever the
// operator types into the boxes afterwards. The password is not kept: the
// dialogue reads it from its box when it sends it.
struct LoginValues {
    std::string destination;
    std::string login;
    std::string community;
    std::string source;
};

struct LoginRefusal {
    std::string_view text;
    std::string_view caption;
};

// The box "Login" shows instead of logging in, or nothing when the fields may
// be used. The destination, login name and password must not be empty; the
// name and the password must be able to go out as one console line each (a
// CR, LF or NUL from the command line would otherwise leave the router's
// dialogue waiting for a line that never comes).
std::optional<LoginRefusal> CheckLoginFields(std::string_view host, std::string_view login,
                                             std::string_view password);

}  // namespace tessel
