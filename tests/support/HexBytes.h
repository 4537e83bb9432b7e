#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

namespace zelt::testing {

// "61 62 0D" <-> the bytes, for writing expected records readably.
inline std::string FromHex(std::string_view hex) {
    std::string bytes;
    std::istringstream in{std::string(hex)};
    std::string token;
    while (in >> token) {
        bytes.push_back(static_cast<char>(std::stoi(token, nullptr, 16)));
    }
    return bytes;
}

inline std::string ToHex(std::string_view bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        if (!hex.empty()) {
            hex.push_back(' ');
        }
        hex.push_back(digits[b >> 4]);
        hex.push_back(digits[b & 0x0F]);
    }
    return hex;
}

} // namespace zelt::testing
