#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace zelt {

// The template image: the keyboard's whole 2048-byte configuration block.
inline constexpr std::size_t kImageSize = 2048;
using TemplateImage = std::array<std::uint8_t, kImageSize>;

// Key positions of the keyboard's key matrix (key numbers 1..176).
inline constexpr int kKeyCount = 176;

// Key area: 176 records, each ended by 0x00. Record bytes go only up to kKeyAreaWriteLimit - 1
// so that the last byte of the area can always hold a terminator.
inline constexpr std::size_t kKeyAreaSize = 1968;
inline constexpr std::size_t kKeyAreaWriteLimit = 1967;

// Offsets of the fields after the key area.
namespace offsets {
inline constexpr std::size_t kTrackPrefix[3] = {1968, 1984, 2000};
inline constexpr std::size_t kTrackSuffix[3] = {1976, 1992, 2008};
inline constexpr std::size_t kTrackTerminator[3] = {2016, 2017, 2018};
inline constexpr std::size_t kTrackFlags[3] = {2019, 2020, 2021};
inline constexpr std::size_t kOptionC = 2022;
inline constexpr std::size_t kReserved = 2023;
inline constexpr std::size_t kCardPrefix = 2024;
inline constexpr std::size_t kCardSuffix = 2028;
inline constexpr std::size_t kRecordIndex = 2032;
inline constexpr std::size_t kInterCharDelay = 2042;
inline constexpr std::size_t kOptionA = 2043;
inline constexpr std::size_t kOptionB = 2044;
inline constexpr std::size_t kTrailer = 2045;
} // namespace offsets

inline constexpr std::size_t kMrFieldsBegin = 1968;
inline constexpr std::size_t kMrFieldsEnd = 2032; // one past the card data suffix
inline constexpr std::size_t kTrackStringSize = 8;
inline constexpr std::size_t kCardStringSize = 4;
inline constexpr std::size_t kTerminatorSize = 1;
inline constexpr std::uint8_t kTrailer[3] = {0x55, 0xAA, 0xD6};

// Record positions whose start offsets the record index stores directly.
inline constexpr int kRecordIndexStep = 32;
inline constexpr int kRecordIndexEntries = 5;

// Record order: kRecordOrder[p] is the key number (1..176) stored at record position p.
extern const std::array<int, kKeyCount> kRecordOrder;

// The messages of the load check, exactly as the user sees them.
inline constexpr const char* kCorruptedTemplateMessage =
    "The template data file is corrupted !\nDownloading this template will make keyboard "
    "malfunction.\nUse Import/Export function to recover the file,";
inline constexpr const char* kWrongKeyNumberMessage =
    "The key number is wrong in the template data file !\nDownloading this template will make "
    "keyboard malfunction.\nRe-edit the template file please.";

// A fresh image with the defaults of the model group of modelCode.
TemplateImage MakeNewImage(int modelCode);

// The load check: the message of the first failing rule, or nothing when the image is sound.
std::optional<std::string> ValidateImage(const TemplateImage& image);

// Start offset of record position p (0..175), found by skipping p terminated records.
// Never reads past the key area; a position beyond the last terminator yields kKeyAreaSize.
std::size_t RecordOffset(const TemplateImage& image, int recordPosition);

// Recomputes the five record index entries at 2032..2041 from the key area.
void ComputeRecordIndex(TemplateImage& image);

// 16-bit little-endian value stored at offset.
std::uint16_t ReadUint16(const TemplateImage& image, std::size_t offset);

} // namespace zelt
