#include "text/Windows1252Text.h"

#include "Windows1252.h"

namespace zelt {

QString BytesToQString(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes) {
        // Every character of the code page lies in the basic multilingual plane.
        text += QChar(static_cast<char16_t>(Windows1252ToUnicode(static_cast<std::uint8_t>(byte))));
    }
    return text;
}

std::optional<std::string> QStringToBytes(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar character : text) {
        const auto byte = UnicodeToWindows1252(character.unicode());
        if (!byte) {
            return std::nullopt;
        }
        bytes += static_cast<char>(*byte);
    }
    return bytes;
}

} // namespace zelt
