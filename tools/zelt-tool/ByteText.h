#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zelt::tool {

// Bytes as upper-case hex pairs separated by one space ("61 62 0D"); "" for no bytes.
std::string FormatHex(std::string_view bytes);

// A key content on one line of plain ASCII: bytes below 0x20, 0x7F and above as \xHH (upper
// case), a backslash as \\, everything else as it is.
std::string EscapeBytes(std::string_view bytes);

// The reverse of EscapeBytes; nothing when the text holds a backslash that starts neither
// \\ nor \x followed by two hex digits.
std::optional<std::string> UnescapeBytes(std::string_view text);

} // namespace zelt::tool
