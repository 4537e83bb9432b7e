#pragma once

#include <cstdint>
#include <optional>

namespace zelt {

// Key contents, labels and MR strings are bytes; on screen they are Windows-1252 characters.
// The five bytes that code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1
// control characters of the same value, so every byte has a character and converts back.

char32_t Windows1252ToUnicode(std::uint8_t byte);

// The byte of a character, or nothing for a character outside the code page.
std::optional<std::uint8_t> UnicodeToWindows1252(char32_t character);

} // namespace zelt
