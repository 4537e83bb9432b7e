#pragma once

#include <QString>

#include <string_view>

namespace zelt {

// The character the view draws for a byte it cannot show as itself.
inline constexpr char16_t kPlaceholderGlyph = u'\u2592';

// Bytes as the view shows them: Windows-1252 characters, with control characters and the
// replaced bytes drawn as the placeholder glyph.
QString DisplayText(std::string_view bytes);

} // namespace zelt
