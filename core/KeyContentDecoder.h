#pragma once

#include "TemplateData.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace zelt {

// One decoded key record: its text and the offset just past the bytes it consumed.
struct DecodedRecord {
    std::string text;
    std::size_t next = 0;
};

// Decodes the record starting at offset. Never reads past the key area; a record that runs
// off its end ends there, and an offset at or past its end gives an empty record.
DecodedRecord DecodeRecord(const TemplateImage& image, std::size_t offset);

// Decodes the record starting at offset within bytes, appending its text to out, and returns
// the offset just past the bytes consumed. The end of bytes acts as a terminator.
std::size_t DecodeRecordInto(std::span<const std::uint8_t> bytes, std::size_t offset,
                             std::string& out);

// Replaces all 176 key contents with the decoded key area of data.image. Keys without a record
// (an image with too few terminators) get empty contents.
void DecodeImage(TemplateData& data);

} // namespace zelt
