#include "KeyArea.h"

#include "KeyContent.h"
#include "ModelCode.h"

#include <algorithm>

namespace zelt {
namespace {

std::string& Content(std::array<std::string, kKeyCount>& contents, int keyNumber) {
    return contents[static_cast<std::size_t>(keyNumber - 1)];
}

} // namespace

void MirrorKeyLock(std::array<std::string, kKeyCount>& keyContents, int modelCode) {
    if (modelCode != kModelRM0480) {
        return;
    }
    std::string& keyLock = Content(keyContents, kKeyLockKey);
    std::string& mirror = Content(keyContents, kKeyLockMirrorKey);
    if (keyLock.empty()) {
        keyLock = mirror;
    } else {
        mirror = keyLock;
    }
}

int GetSpaceLeft(TemplateData& data) {
    int used = 0;
    for (std::size_t k = 0; k < kKeyCount; ++k) {
        const int size = GetEncodedSize(data.keyContents[k]);
        data.blankKeyFlags[k] = size == 0 ? 1 : 0;
        used += size + 1;
    }
    return static_cast<int>(kKeyAreaSize) - used;
}

std::optional<int> FindFirstInvalidKey(const TemplateData& data) {
    for (int key = 1; key <= kKeyCount; ++key) {
        if (!IsValidContent(data.keyContents[static_cast<std::size_t>(key - 1)])) {
            return key;
        }
    }
    return std::nullopt;
}

bool ValidateAllKeys(const TemplateData& data, MessageSink& messages) {
    if (FindFirstInvalidKey(data)) {
        messages.ShowMessage(kWrongWordMessage, MessageIcon::Warning);
        return false;
    }
    return true;
}

void BuildKeyArea(TemplateData& data) {
    MirrorKeyLock(data.keyContents, data.modelCode);
    const bool mirrorsKeyLock = data.modelCode == kModelRM0480;
    TemplateImage& image = data.image;
    std::size_t pos = 0;
    bool full = false;
    std::size_t mirrorStart = 0;
    std::size_t mirrorSize = 0;
    for (int r = 0; r < kKeyCount; ++r) {
        // The record index holds the start of every 32nd record; it is known right here.
        if (r != 0 && r % kRecordIndexStep == 0) {
            const std::size_t at =
                offsets::kRecordIndex + 2 * static_cast<std::size_t>(r / kRecordIndexStep - 1);
            image[at] = static_cast<std::uint8_t>(pos & 0xFF);
            image[at + 1] = static_cast<std::uint8_t>(pos >> 8);
        }
        const int key = kRecordOrder[r];
        const std::string& text = data.keyContents[static_cast<std::size_t>(key - 1)];
        // Room is kept for the terminators of this and every later record, so that the key
        // area always holds all 176 records, however long the contents are.
        const std::size_t room = kKeyAreaSize - static_cast<std::size_t>(kKeyCount - r) - pos;
        if (mirrorsKeyLock && key == kKeyLockKey) {
            // The KeyLock record repeats key 122's record (written earlier in the record
            // order) whole or not at all. Were it cut, the next load would copy the cut
            // content over key 122, which itself was stored whole.
            if (mirrorSize <= room) {
                std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(mirrorStart), mirrorSize,
                            image.begin() + static_cast<std::ptrdiff_t>(pos));
                pos += mirrorSize;
            }
        } else if (!full && !text.empty()) {
            const RecordFit fit = EncodeKeyContentInto(text, {image.data() + pos, room});
            if (key == kKeyLockMirrorKey) {
                mirrorStart = pos;
                mirrorSize = fit.size;
            }
            pos += fit.size;
            // Once a record has been cut, the records after it stay empty rather than filling
            // the little room left with contents out of order.
            full = !fit.complete;
        }
        image[pos++] = 0x00;
    }
    if (full) {
        std::fill(image.begin() + static_cast<std::ptrdiff_t>(pos),
                  image.begin() + static_cast<std::ptrdiff_t>(kKeyAreaSize), 0x00);
    }
}

} // namespace zelt
