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

// Decodes the record starting at offset. A record that runs past the key area reads on into the
// fields behind it; the end of the image ends it, and an offset at or past that end gives an
// empty record.
DecodedRecord DecodeRecord(const TemplateImage& image, std::size_t offset);

// Decodes the record starting at offset within bytes, appending its text to out, and returns
// the offset just past the bytes consumed. The end of bytes acts as a terminator.
std::size_t DecodeRecordInto(std::span<const std::uint8_t> bytes, std::size_t offset,
                             std::string& out);

// Replaces all 176 key contents with the decoded records of data.image, read with one running
// position from its first byte. Keys without a record (the image ended before their record
// began) get empty contents.
void DecodeImage(TemplateData& data);

} // namespace zelt
