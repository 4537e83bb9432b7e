#pragma once

#include <charconv>
#include <optional>
#include <string_view>

namespace zelt::tool {

// The whole text as a decimal int, an optional "-" before the digits; nothing for any other
// text, an empty one or a number outside int. Unlike the option parser's own conversion it
// knows no octal or hexadecimal, so "010" is ten.
inline std::optional<int> ParseDecimalInt(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

} // namespace zelt::tool
