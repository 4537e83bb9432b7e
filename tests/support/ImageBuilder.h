#pragma once

#include "HexBytes.h"
#include "TemplateImage.h"

#include <string_view>

namespace zelt::testing {

// Writes records given as hex ("41 42 00") into the key area from offset 0 on. The rest of
// the key area keeps the filler byte.
inline TemplateImage ImageWithKeyArea(std::string_view hex, std::uint8_t filler = 0x00) {
    TemplateImage image = MakeNewImage(2013);
    std::fill(image.begin(), image.begin() + kKeyAreaSize, filler);
    const std::string bytes = FromHex(hex);
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return image;
}

} // namespace zelt::testing
