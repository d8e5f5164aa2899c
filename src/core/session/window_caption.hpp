#pragma once

// The main window's caption, which is also the application title: one text
// while nobody is logged in, and the router's name and address once a session
// is loaded.

#include <string>
#include <string_view>

namespace tessel {

inline constexpr std::string_view LoginWindowCaption = "Tessel Manager - Login";

// name + ": " + the router address as typed + " - Tessel Manager".
std::string RouterWindowCaption(std::string_view name, std::string_view routerHost);

}  // namespace tessel
