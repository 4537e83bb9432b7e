#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace zelt {

// Byte strings of the template shown in Qt controls as Windows-1252 characters, and back.
QString BytesToQString(std::string_view bytes);

// Nothing when the text holds a character the code page does not have.
std::optional<std::string> QStringToBytes(const QString& text);

} // namespace zelt
