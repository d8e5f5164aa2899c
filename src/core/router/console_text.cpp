#include "core/router/console_text.hpp"

namespace tessel {

bool IsSafeConsoleText(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

}  // namespace tessel
