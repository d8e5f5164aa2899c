#include "viewkit/operator_text.hpp"

#include "core/router/console_text.hpp"
#include "viewkit/page_host.hpp"
#include "viewkit/text_bridge.hpp"

#include <optional>
#include <utility>

namespace tessel {

namespace {

// The first text that holds an uncarriable character, with that character.
std::optional<std::pair<QString, char32_t>> FirstUncarriableText(
    std::initializer_list<QString> texts) {
    for (const QString& text : texts) {
        if (const auto character = FirstUncarriable(text)) {
            return std::pair(text, *character);
        }
    }
    return std::nullopt;
}

}  // namespace

QString UncarriableTextMessage(std::initializer_list<QString> texts) {
    const auto found = FirstUncarriableText(texts);
    // The message names the character itself, so it comes as UTF-8.
    return found ? QString::fromStdString(UncarriableCharacterMessage(found->second)) : QString();
}

bool RefuseUncarriable(PageHost& host, std::initializer_list<QString> texts) {
    const auto found = FirstUncarriableText(texts);
    if (!found) {
        return false;
    }
    host.LineRefused(ToBytes(found->first), UncarriableCharacterReason(found->second));
    host.Inform(QString::fromStdString(UncarriableCharacterMessage(found->second)),
                ToQString(kUnsafeConsoleTextCaption));
    return true;
}

}  // namespace tessel
