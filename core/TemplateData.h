#pragma once

#include "ModelCode.h"
#include "TemplateImage.h"

#include <array>
#include <string>

namespace zelt {

// The data a template consists of: the image and the editable form of its key area.
// Key number k (1..176) is entry k-1 of every per-key array. The template document
// (CZELTDoc) is built on this; the encoder, decoder and key-area operations work on it.
struct TemplateData {
    int modelCode = kDefaultModelCode;
    TemplateImage image{};
    std::array<std::string, kKeyCount> keyContents;
    // 1 while a key's content is empty.
    std::array<int, kKeyCount> blankKeyFlags{};
    // 1 while a key's content is as created, loaded or read.
    std::array<int, kKeyCount> definedKeyFlags{};
};

} // namespace zelt
