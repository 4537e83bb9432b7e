#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zelt {

// The message shown whenever a key content cannot be encoded.
inline constexpr const char* kWrongWordMessage = "Wrong function word or scan code word!!";

// Key content texts are byte strings: plain bytes, "[[" and "]]" for literal brackets, and
// bracketed keywords. Encoded records are byte strings too (without the 0x00 terminator).
//
// Both checks accept a text only when its record comes back unchanged from the template: read
// back by the decoder it must end at its own terminator and encode to the same bytes again.
// A text that would not (a prefix byte with nothing after it, a raw 0x00, 0xFD or 0xFF among
// ASCII characters, a prefix pair without a name) would otherwise corrupt the keys after it
// the next time the template is opened.

// True for valid ASCII code mode content or a valid shift-level text.
bool IsAsciiContent(std::string_view text);

// True for valid scan code mode content.
bool IsScanCodeContent(std::string_view text);

// True when the text passes either check; the empty text is valid.
bool IsValidContent(std::string_view text);

// Bytes of one keyword (brackets included); "" when it has no translation.
std::string TranslateKeyword(std::string_view keyword);

// The key record of a text, without its terminator. Never contains 0x00, whatever the text.
std::string EncodeKeyContent(std::string_view text);

// Length of EncodeKeyContent(text) for every valid text, computed without building the bytes.
int GetEncodedSize(std::string_view text);

// How much of a record fitted into a limited space.
struct RecordFit {
    std::size_t size = 0;
    bool complete = true;
};

// Encodes text as EncodeKeyContent does, straight into out. When the record is longer than
// out, it is cut between codes, never inside one (a code cut in half would make the decoder
// swallow the next record's terminator); a shift-level selector is kept whole or not at all,
// and a scan-code record left with nothing but its lead byte is dropped.
RecordFit EncodeKeyContentInto(std::string_view text, std::span<std::uint8_t> out);

} // namespace zelt
