#include "viewkit/operator_text.hpp"

#include "core/router/console_text.hpp"
#include "viewkit/page_host.hpp"
#include "viewkit/text_bridge.hpp"

namespace tessel {

QString UncarriableTextMessage(std::initializer_list<QString> texts) {
    for (const QString& text : texts) {
        if (const auto character = FirstUncarriable(text)) {
            // The message names the character itself, so it comes as UTF-8.
            return QString::fromStdString(UncarriableCharacterMessage(*character));
        }
    }
    return {};
}

bool RefuseUncarriable(PageHost& host, std::initializer_list<QString> texts) {
    const QString why = UncarriableTextMessage(texts);
    if (why.isEmpty()) {
        return false;
    }
    host.Inform(why, ToQString(kUnsafeConsoleTextCaption));
    return true;
}

}  // namespace tessel
