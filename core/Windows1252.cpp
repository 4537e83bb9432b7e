#include "Windows1252.h"

#include <array>

namespace zelt {

namespace {

// Characters of bytes 0x80..0x9F; the rest of the code page coincides with Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

constexpr std::uint8_t kHighControlsBegin = 0x80;
constexpr std::uint8_t kHighControlsEnd = 0xA0;

} // namespace

char32_t Windows1252ToUnicode(std::uint8_t byte) {
    if (byte >= kHighControlsBegin && byte < kHighControlsEnd) {
        return kHighControls[byte - kHighControlsBegin];
    }
    return byte;
}

std::optional<std::uint8_t> UnicodeToWindows1252(char32_t character) {
    if (character < kHighControlsBegin || (character >= kHighControlsEnd && character <= 0xFF)) {
        return static_cast<std::uint8_t>(character);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == character) {
            return static_cast<std::uint8_t>(kHighControlsBegin + i);
        }
    }
    return std::nullopt;
}

} // namespace zelt
