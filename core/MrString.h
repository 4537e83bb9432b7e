#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zelt {

// MR strings are raw bytes in fixed-size fields of the image, padded with 0xFF. Users edit them
// in a text form in which the control codes the reader commonly appends are written as
// keywords: 0x0D "[CR]", 0x0A "[LF]", 0x09 "[TB]", and "[" doubled. Every other byte stands for
// itself; "]" needs no escape.

inline constexpr std::uint8_t kMrStringEnd = 0xFF;

// The string held in a field: its bytes up to the first 0xFF or the end of the field.
std::string ReadMrString(std::span<const std::uint8_t> field);

// The text form of a string of bytes.
std::string MrBytesToText(std::string_view bytes);

// Translates a text into the bytes it stands for. Nothing is returned for a text with a "["
// that starts no known keyword (a lone "[" at the end included), and for one that contains the
// byte 0xFF, which the field could not hold: it would end the string early and silently drop
// everything after it.
std::optional<std::string> MrTextToBytes(std::string_view text);

// Fills the field with 0xFF and writes as many bytes as fit from its start. Returns whether any
// byte of the field changed.
bool WriteMrString(std::span<std::uint8_t> field, std::string_view bytes);

} // namespace zelt
