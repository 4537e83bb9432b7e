// Arbitrary 2048-byte images through the load check, the decoder and the key area builder.
// Input: the image (shorter inputs are padded with 0x00), optionally followed by one byte that
// picks the model (the six models and one code outside the catalogue).

#include "KeyArea.h"
#include "KeyContent.h"
#include "KeyContentDecoder.h"
#include "ModelCode.h"
#include "TemplateImage.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

using namespace zelt;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::size_t Terminators(const TemplateImage& image) {
    return static_cast<std::size_t>(
        std::count(image.begin(), image.begin() + kKeyAreaSize, std::uint8_t{0}));
}

bool SameOutsideKeyArea(const TemplateImage& a, const TemplateImage& b) {
    return std::equal(a.begin() + kKeyAreaSize, a.begin() + offsets::kRecordIndex,
                      b.begin() + kKeyAreaSize) &&
           std::equal(a.begin() + offsets::kInterCharDelay, a.end(),
                      b.begin() + offsets::kInterCharDelay);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TemplateData doc;
    std::memcpy(doc.image.data(), data, std::min(size, kImageSize));
    constexpr int kModels[] = {kModelRM0480, kModelRM0410, kModelRM0420, kModelTK0550,
                               kModelTK0517, kModelTK0530, 2099};
    doc.modelCode = size > kImageSize ? kModels[data[kImageSize] % 7] : kModelRM0480;
    const TemplateImage original = doc.image;

    (void)ValidateImage(doc.image);
    DecodeImage(doc);
    bool allValid = true;
    for (const std::string& content : doc.keyContents) {
        // The text of a record never outgrows what the image can hold.
        Require(content.size() <= kImageSize * 17 + 16);
        allValid = allValid && IsValidContent(content);
    }
    (void)GetSpaceLeft(doc);

    // Whatever the contents, the built key area holds every record and leaves the rest alone.
    BuildKeyArea(doc);
    Require(Terminators(doc.image) >= kKeyCount);
    Require(SameOutsideKeyArea(original, doc.image));
    const TemplateImage built = doc.image;

    // What the builder wrote from valid contents decodes to contents that build it again.
    if (allValid) {
        TemplateData again = doc;
        DecodeImage(again);
        for (const std::string& content : again.keyContents) {
            Require(IsValidContent(content));
        }
        BuildKeyArea(again);
        Require(std::equal(built.begin(), built.end(), again.image.begin()));
    }
    return 0;
}
