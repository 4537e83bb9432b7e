#pragma once

#include "HidBackend.h"

#include <array>
#include <cstdint>
#include <optional>

namespace zelt {

// The keyboard's USB wire format: command reports with a block address, and block data as a
// stream of nibbles carried eight to a report in reverse order. Reads and writes order the two
// nibbles of a byte differently; the keyboard firmware expects exactly these orders.

inline constexpr std::uint8_t kReadBlockCommand = 0xE6;
inline constexpr std::uint8_t kWriteBlockCommand = 0xE7;

inline constexpr std::size_t kBlockSize = 32;
inline constexpr int kBlockCount = 64;
// 32 data bytes and their XOR checksum.
inline constexpr std::size_t kBlockWithChecksumSize = kBlockSize + 1;
inline constexpr std::size_t kNibbleStreamSize = 2 * kBlockWithChecksumSize; // 66
inline constexpr std::size_t kDataReportsPerBlock = 9;
inline constexpr std::size_t kPayloadSize = kHidReportSize - 1;
inline constexpr std::size_t kStreamPlaces = kDataReportsPerBlock * kPayloadSize; // 72
static_assert(kNibbleStreamSize <= kStreamPlaces, "a block's nibbles must fit its reports");
// Written stream bytes carry their nibble in the low four bits under this tag.
inline constexpr std::uint8_t kWriteNibbleTag = 0xD0;

using BlockWithChecksum = std::array<std::uint8_t, kBlockWithChecksumSize>;
using BlockData = std::array<std::uint8_t, kBlockSize>;
using NibbleStream = std::array<std::uint8_t, kStreamPlaces>;
using DataReports = std::array<HidReport, kDataReportsPerBlock>;

// XOR of the 32 data bytes.
std::uint8_t BlockChecksum(const std::uint8_t* data32);

// Command report for a block: the block number is taken as an unsigned byte and its address
// (number x 32) stored little-endian in payload bytes 1 and 2.
HidReport MakeCommandReport(std::uint8_t command, std::uint8_t blockNumber);

// Program-to-keyboard stream: for each of the 33 bytes, 0xD0|low nibble then 0xD0|high nibble;
// the six places after the checksum are filled with 0xD0.
NibbleStream MakeWriteStream(const BlockData& data);

// Keyboard-to-program: byte i = (low 4 bits of stream 2i) x 16 + (low 4 bits of stream 2i+1).
BlockWithChecksum DecodeReadStream(const NibbleStream& stream);

// The inverse of DecodeReadStream, as the keyboard sends it; tagHigh goes into the unused high
// four bits of every stream byte (the program ignores them).
NibbleStream MakeReadStream(const BlockWithChecksum& bytes, std::uint8_t tagHigh);

// The inverse of MakeWriteStream, as the keyboard receives it: the 33 bytes, or nothing when a
// stream byte lacks its 0xD0 tag.
std::optional<BlockWithChecksum> DecodeWriteStream(const NibbleStream& stream);

// Report k carries stream bytes 8k+7 down to 8k+0 in payload bytes 1..8; report ID 0.
DataReports StreamToReports(const NibbleStream& stream);
// Appends the payload bytes 8, 7, ..., 1 of each report, in report order.
NibbleStream ReportsToStream(const DataReports& reports);

// True when the XOR of all 33 bytes is 0.
bool ChecksumHolds(const BlockWithChecksum& bytes);

} // namespace zelt
