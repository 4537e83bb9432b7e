#pragma once

#include "HexBytes.h"
#include "KeyArea.h"
#include "TemplateData.h"
#include "TemplateImage.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

// The new template of a model with the given keys (key number, content) filled in, encoded into
// its key area.
inline TemplateImage ImageWithKeys(int model,
                                   const std::vector<std::pair<int, std::string>>& keys) {
    TemplateData data;
    data.modelCode = model;
    data.image = MakeNewImage(model);
    for (const auto& [key, content] : keys) {
        data.keyContents[static_cast<std::size_t>(key - 1)] = content;
    }
    BuildKeyArea(data);
    return data.image;
}

} // namespace zelt::testing
