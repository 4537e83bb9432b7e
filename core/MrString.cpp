#include "MrString.h"

#include <algorithm>
#include <array>

namespace zelt {

namespace {

struct ControlKeyword {
    char byte;
    std::string_view text;
};

constexpr std::array<ControlKeyword, 3> kControlKeywords = {{
    {'\x0D', "[CR]"},
    {'\x0A', "[LF]"},
    {'\x09', "[TB]"},
}};

constexpr char kOpenBracket = '[';

} // namespace

std::string ReadMrString(std::span<const std::uint8_t> field) {
    const auto end = std::find(field.begin(), field.end(), kMrStringEnd);
    return {field.begin(), end};
}

std::string MrBytesToText(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char byte : bytes) {
        const auto keyword = std::find_if(kControlKeywords.begin(), kControlKeywords.end(),
                                          [byte](const auto& k) { return k.byte == byte; });
        if (keyword != kControlKeywords.end()) {
            text += keyword->text;
        } else if (byte == kOpenBracket) {
            text += "[[";
        } else {
            text += byte;
        }
    }
    return text;
}

std::optional<std::string> MrTextToBytes(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::string_view rest = text.substr(i);
        if (static_cast<std::uint8_t>(rest.front()) == kMrStringEnd) {
            return std::nullopt;
        }
        if (rest.front() != kOpenBracket) {
            bytes += rest.front();
            ++i;
            continue;
        }
        if (rest.starts_with("[[")) {
            bytes += kOpenBracket;
            i += 2;
            continue;
        }
        const auto keyword =
            std::find_if(kControlKeywords.begin(), kControlKeywords.end(),
                         [rest](const auto& k) { return rest.starts_with(k.text); });
        if (keyword == kControlKeywords.end()) {
            return std::nullopt;
        }
        bytes += keyword->byte;
        i += keyword->text.size();
    }
    return bytes;
}

bool WriteMrString(std::span<std::uint8_t> field, std::string_view bytes) {
    bool changed = false;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const auto value = i < bytes.size() ? static_cast<std::uint8_t>(bytes[i]) : kMrStringEnd;
        changed = changed || field[i] != value;
        field[i] = value;
    }
    return changed;
}

} // namespace zelt
