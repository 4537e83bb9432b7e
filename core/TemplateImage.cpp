#include "TemplateImage.h"

#include "ModelCode.h"

#include <algorithm>

namespace zelt {

// Groups of eight key numbers, alternately ascending and descending.
const std::array<int, kKeyCount> kRecordOrder = {
    121, 122, 123, 124, 125, 126, 127, 128, 120, 119, 118, 117, 116, 115, 114, 113, //
    105, 106, 107, 108, 109, 110, 111, 112, 104, 103, 102, 101, 100, 99,  98,  97,  //
    89,  90,  91,  92,  93,  94,  95,  96,  88,  87,  86,  85,  84,  83,  82,  81,  //
    73,  74,  75,  76,  77,  78,  79,  80,  72,  71,  70,  69,  68,  67,  66,  65,  //
    57,  58,  59,  60,  61,  62,  63,  64,  56,  55,  54,  53,  52,  51,  50,  49,  //
    41,  42,  43,  44,  45,  46,  47,  48,  40,  39,  38,  37,  36,  35,  34,  33,  //
    25,  26,  27,  28,  29,  30,  31,  32,  24,  23,  22,  21,  20,  19,  18,  17,  //
    9,   10,  11,  12,  13,  14,  15,  16,  8,   7,   6,   5,   4,   3,   2,   1,   //
    137, 138, 139, 140, 141, 142, 143, 144, 136, 135, 134, 133, 132, 131, 130, 129, //
    153, 154, 155, 156, 157, 158, 159, 160, 152, 151, 150, 149, 148, 147, 146, 145, //
    169, 170, 171, 172, 173, 174, 175, 176, 168, 167, 166, 165, 164, 163, 162, 161, //
};

namespace {

constexpr std::uint8_t kMrDefaultOptionA = 0xEA;
constexpr std::uint8_t kMrDefaultOptionB = 0xD6;
constexpr std::uint8_t kRs232DefaultOptionA = 0xE0;
constexpr std::uint8_t kRs232DefaultOptionB = 0x9E;
constexpr std::uint8_t kDefaultInterCharDelay = 2;
constexpr std::uint8_t kMaxInterCharDelay = 250;

// Offset just past the terminator of the record starting at offset, bounded by the key area.
std::size_t SkipRecord(const TemplateImage& image, std::size_t offset) {
    while (offset < kKeyAreaSize && image[offset] != 0x00) {
        ++offset;
    }
    return std::min(offset + 1, kKeyAreaSize);
}

} // namespace

TemplateImage MakeNewImage(int modelCode) {
    TemplateImage image{};
    if (HasMrImageDefaults(modelCode)) {
        std::fill(image.begin() + kMrFieldsBegin, image.begin() + kMrFieldsEnd, 0xFF);
        image[offsets::kOptionA] = kMrDefaultOptionA;
        image[offsets::kOptionB] = kMrDefaultOptionB;
    } else {
        image[offsets::kOptionA] = kRs232DefaultOptionA;
        image[offsets::kOptionB] = kRs232DefaultOptionB;
    }
    image[offsets::kInterCharDelay] = kDefaultInterCharDelay;
    std::copy(std::begin(kTrailer), std::end(kTrailer), image.begin() + offsets::kTrailer);
    return image;
}

std::optional<std::string> ValidateImage(const TemplateImage& image) {
    const bool trailerOk =
        std::equal(std::begin(kTrailer), std::end(kTrailer), image.begin() + offsets::kTrailer);
    const std::uint8_t delay = image[offsets::kInterCharDelay];
    if (!trailerOk || delay == 0 || delay > kMaxInterCharDelay) {
        return kCorruptedTemplateMessage;
    }
    const auto terminators = std::count(image.begin(), image.begin() + kKeyAreaSize, 0x00);
    if (terminators < kKeyCount) {
        return kWrongKeyNumberMessage;
    }
    return std::nullopt;
}

std::size_t RecordOffset(const TemplateImage& image, int recordPosition) {
    std::size_t offset = 0;
    for (int p = 0; p < recordPosition && offset < kKeyAreaSize; ++p) {
        offset = SkipRecord(image, offset);
    }
    return offset;
}

void ComputeRecordIndex(TemplateImage& image) {
    std::size_t offset = 0;
    for (int j = 0; j < kRecordIndexEntries; ++j) {
        for (int r = 0; r < kRecordIndexStep && offset < kKeyAreaSize; ++r) {
            offset = SkipRecord(image, offset);
        }
        const std::size_t at = offsets::kRecordIndex + 2 * static_cast<std::size_t>(j);
        image[at] = static_cast<std::uint8_t>(offset & 0xFF);
        image[at + 1] = static_cast<std::uint8_t>(offset >> 8);
    }
}

std::uint16_t ReadUint16(const TemplateImage& image, std::size_t offset) {
    return static_cast<std::uint16_t>(image[offset] | (image[offset + 1] << 8));
}

} // namespace zelt
