#pragma once

#include <cstdint>

namespace zelt {

// Single-bit access to the option and flags bytes, which are changed bit by bit so that bits
// the editor does not own keep whatever the keyboard stored there.
constexpr bool TestBit(std::uint8_t byte, int bit) {
    return ((byte >> bit) & 1U) != 0;
}

constexpr void AssignBit(std::uint8_t& byte, int bit, bool on) {
    const auto mask = static_cast<std::uint8_t>(1U << bit);
    byte = on ? static_cast<std::uint8_t>(byte | mask) : static_cast<std::uint8_t>(byte & ~mask);
}

} // namespace zelt
