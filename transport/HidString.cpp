#include "HidString.h"

#include <cstdint>

namespace zelt {

std::u16string WideToUtf16(std::wstring_view text) {
    std::u16string units;
    for (wchar_t wide : text) {
        const auto code = static_cast<std::uint32_t>(wide);
        if (code == 0) {
            break;
        }
        if (code < 0x10000) {
            if (units.size() + 1 > kHidStringMaxUnits) {
                break;
            }
            units.push_back(static_cast<char16_t>(code));
        } else if (code <= 0x10FFFF) {
            if (units.size() + 2 > kHidStringMaxUnits) {
                break;
            }
            const std::uint32_t v = code - 0x10000;
            units.push_back(static_cast<char16_t>(0xD800 + (v >> 10)));
            units.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
        } else {
            // Not a character at all; keep the place with the replacement character.
            if (units.size() + 1 > kHidStringMaxUnits) {
                break;
            }
            units.push_back(u'\uFFFD');
        }
    }
    return units;
}

std::string NarrowHidString(std::u16string_view text) {
    std::string narrow;
    for (char16_t unit : text) {
        if (unit == 0 || narrow.size() == kNarrowedStringMax) {
            break;
        }
        narrow.push_back(static_cast<char>(unit & 0xFF));
    }
    return narrow;
}

} // namespace zelt
