#include "KbProperties.h"
#include "MrField.h"
#include "MrProperties.h"
#include "MrString.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

void Require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

// Text typed into an MR field: a valid text translates to bytes whose text form translates
// back to the same bytes, and the field check agrees with the translated length.
void CheckText(std::string_view text) {
    const auto bytes = zelt::MrTextToBytes(text);
    if (bytes) {
        Require(zelt::MrTextToBytes(zelt::MrBytesToText(*bytes)) == *bytes);
    }
    for (const zelt::MrField field : zelt::kAllMrFields) {
        const bool valid = bytes && bytes->size() <= zelt::MrFieldSize(field);
        Require(zelt::IsValidMrFieldText(field, text) == valid);
        Require(zelt::CheckMrFieldText(field, text).has_value() == !valid);
    }
}

// Any image through both dialogs' read and write-back: the second round changes nothing, and
// nothing outside the bytes the dialogs own ever changes.
void CheckImage(const zelt::TemplateImage& original) {
    zelt::TemplateImage image = original;
    const zelt::MrProperties mr = zelt::ReadMrProperties(image);
    Require(!zelt::WriteMrProperties(image, mr).invalidField);
    Require(zelt::ReadMrProperties(image) == mr);
    Require(!zelt::WriteMrProperties(image, mr).changed);
    for (const int model : {2013, 2017}) {
        for (const zelt::CommPort port : {zelt::CommPort::Ps2, zelt::CommPort::Usb}) {
            zelt::TemplateImage kb = image;
            const zelt::KbProperties values = zelt::ReadKbProperties(kb, model, port);
            zelt::WriteKbProperties(kb, model, values);
            Require(zelt::ReadKbProperties(kb, model, port) == values);
            Require(!zelt::WriteKbProperties(kb, model, values));
            for (std::size_t i = 0; i < zelt::kImageSize; ++i) {
                const bool owned = i == zelt::offsets::kOptionA || i == zelt::offsets::kOptionB ||
                                   i == zelt::offsets::kOptionC ||
                                   i == zelt::offsets::kInterCharDelay;
                Require(owned || kb[i] == image[i]);
            }
        }
    }
    for (std::size_t i = 0; i < zelt::kImageSize; ++i) {
        const bool mrArea = i >= zelt::kMrFieldsBegin && i < zelt::kMrFieldsEnd &&
                            i != zelt::offsets::kOptionC && i != zelt::offsets::kReserved;
        const bool optionAB = i == zelt::offsets::kOptionA || i == zelt::offsets::kOptionB;
        Require(mrArea || optionAB || image[i] == original[i]);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckText(std::string_view(reinterpret_cast<const char*>(data), size));
    // The input laid over the fields after the key area, so that short inputs reach them.
    zelt::TemplateImage image{};
    const std::size_t tail = zelt::kImageSize - zelt::kMrFieldsBegin;
    std::memcpy(image.data() + zelt::kMrFieldsBegin, data, std::min(size, tail));
    CheckImage(image);
    return 0;
}
