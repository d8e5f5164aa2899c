#pragma once

// The one crossing between the router's 8-bit text and the widgets' QString:
// byte for byte (Latin-1), so that a value read and sent back is unchanged.

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace tessel {

inline QString ToQString(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline QString ToQString(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// A character above U+00FF has no 8-bit form: ToBytes gives "?" for it, so
// what is to go to the router is checked with FirstUncarriable first.
inline std::string ToBytes(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The first character of text that ToBytes cannot carry (above U+00FF), as
// its code point; a surrogate pair counts as the one character it encodes.
inline std::optional<char32_t> FirstUncarriable(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() <= 0xFF) {
            continue;
        }
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            return QChar::surrogateToUcs4(c, text.at(i + 1));
        }
        return c.unicode();
    }
    return std::nullopt;
}

}  // namespace tessel
