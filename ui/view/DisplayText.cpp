#include "view/DisplayText.h"

#include "Windows1252.h"
#include "view/ContentWindow.h"

#include <cstdint>

namespace zelt {

QString DisplayText(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (IsPlaceholderByte(byte)) {
            text.append(QChar(kPlaceholderGlyph));
        } else {
            text.append(QChar(static_cast<char16_t>(Windows1252ToUnicode(byte))));
        }
    }
    return text;
}

} // namespace zelt
