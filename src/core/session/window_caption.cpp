#include "core/session/window_caption.hpp"

namespace tessel {

std::string RouterWindowCaption(std::string_view name, std::string_view routerHost) {
    std::string caption(name);
    return caption.append(": ").append(routerHost).append(" - Tessel Manager");
}

}  // namespace tessel
