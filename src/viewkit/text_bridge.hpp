#pragma once

// The one crossing between the router's 8-bit text and the widgets' QString:
// byte for byte (Latin-1), so that a value read and sent back is unchanged.

#include <QString>

#include <string>
#include <string_view>

namespace tessel {

inline QString ToQString(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline QString ToQString(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string ToBytes(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace tessel
