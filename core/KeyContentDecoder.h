#pragma once

#include "TemplateData.h"

#include <cstddef>
#include <string>

namespace zelt {

// One decoded key record: its text and the offset just past the bytes it consumed.
struct DecodedRecord {
    std::string text;
    std::size_t next = 0;
};

// Decodes the record starting at offset. Never reads past the image; a record that runs off
// the end of the image ends there.
DecodedRecord DecodeRecord(const TemplateImage& image, std::size_t offset);

// Replaces all 176 key contents with the decoded key area of data.image. Keys without a record
// (an image with too few terminators) get empty contents.
void DecodeImage(TemplateData& data);

} // namespace zelt
