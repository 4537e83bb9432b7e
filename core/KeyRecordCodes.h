#pragma once

#include <cstdint>

namespace zelt {

// Bytes with a fixed meaning inside key records.
inline constexpr std::uint8_t kRecordTerminator = 0x00;
inline constexpr std::uint8_t kCarriageReturnCode = 0x0D;
inline constexpr std::uint8_t kLeftBracketCode = 0x5B;
inline constexpr std::uint8_t kRightBracketCode = 0x5D;
// 0xFD starts a two-byte function code: 0xFD 0xFC is Caps, 0xFD n a delay of n tenths.
inline constexpr std::uint8_t kFunctionCode = 0xFD;
inline constexpr std::uint8_t kCapsCode = 0xFC;
inline constexpr std::uint8_t kSeparatorCode = 0xFE;
// First byte of a scan-code record; a record of 0xFF bytes only is a shift-level selector.
inline constexpr std::uint8_t kScanRecordLead = 0xFF;
// Scan code prefixes: extended keys, the pause key, and the break (key release) prefix.
inline constexpr std::uint8_t kExtendedPrefix = 0xE0;
inline constexpr std::uint8_t kPausePrefix = 0xE1;
inline constexpr std::uint8_t kBreakPrefix = 0xF0;

// Delays are 1..250 tenths of a second.
inline constexpr int kMinDelay = 1;
inline constexpr int kMaxDelay = 250;
// Shift-level selectors exist for levels 1..9.
inline constexpr int kMinShiftLevel = 1;
inline constexpr int kMaxShiftLevel = 9;

} // namespace zelt
