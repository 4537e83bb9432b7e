#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zelt {

// Device strings are read into 256-byte buffers of UTF-16 code units: at most 127 units and
// a terminator.
inline constexpr std::size_t kHidStringMaxUnits = 127;

// A device's wide string as UTF-16 code units, up to the first terminator and at most
// kHidStringMaxUnits units (characters beyond the BMP become surrogate pairs; a pair that
// would not fit whole is dropped).
std::u16string WideToUtf16(std::wstring_view text);

// The single-byte form the identity check compares: the low byte of each code unit, up to
// the first terminator, at most 50 characters.
inline constexpr std::size_t kNarrowedStringMax = 50;
std::string NarrowHidString(std::u16string_view text);

} // namespace zelt
