#include "core/console/console_line.hpp"

#include "core/text.hpp"

namespace tessel {

std::string ConsoleLineBytes(std::string_view text) {
    std::string bytes(text);
    bytes += "\r\n";
    return bytes;
}

std::string InterfaceInfoText(std::string_view chunk) {
    const std::string cleaned = RemoveOccurrences(std::string(chunk), "\x1b[K");
    return TextBeforeLast(TextAfter(cleaned, "\r\n"), "\r\n");
}

}  // namespace tessel
