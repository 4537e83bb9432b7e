#pragma once

#include <string>
#include <string_view>

namespace zelt {

// The message shown whenever a key content cannot be encoded.
inline constexpr const char* kWrongWordMessage = "Wrong function word or scan code word!!";

// Key content texts are byte strings: plain bytes, "[[" and "]]" for literal brackets, and
// bracketed keywords. Encoded records are byte strings too (without the 0x00 terminator).

// True for valid ASCII code mode content or a valid shift-level text.
bool IsAsciiContent(std::string_view text);

// True for valid scan code mode content.
bool IsScanCodeContent(std::string_view text);

// True when the text passes either check; the empty text is valid.
bool IsValidContent(std::string_view text);

// Bytes of one keyword (brackets included); "" when it has no translation.
std::string TranslateKeyword(std::string_view keyword);

// The key record of a text, without its terminator.
std::string EncodeKeyContent(std::string_view text);

// Length of EncodeKeyContent(text) for every valid text, computed without building the bytes.
int GetEncodedSize(std::string_view text);

} // namespace zelt
