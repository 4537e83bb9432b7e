#include "KeyArea.h"

#include "KeyContent.h"
#include "KeyContentEncoder.h"
#include "ModelCode.h"

#include <algorithm>

namespace zelt {
namespace {

std::string& Content(std::array<std::string, kKeyCount>& contents, int keyNumber) {
    return contents[static_cast<std::size_t>(keyNumber - 1)];
}

// The KeyLock record repeats key 122's record (written earlier in the record order) whole or
// not at all, and returns how many bytes it wrote. Were it cut, the next load would copy the
// cut content over key 122, which itself was stored whole. Key 122's record is found again
// where it stands, as the second record in record order (no record holds a 0x00), rather than
// remembered through the whole loop.
std::size_t CopyMirroredRecord(std::uint8_t* area, std::size_t pos, std::size_t room) {
    const std::uint8_t* end = area + kKeyAreaSize;
    const std::uint8_t* mirror = std::find(static_cast<const std::uint8_t*>(area), end, 0x00) + 1;
    const auto size = static_cast<std::size_t>(std::find(mirror, end, 0x00) - mirror);
    if (size > room) {
        return 0;
    }
    std::copy_n(mirror, size, area + pos);
    return size;
}

// Where the room of record r ends: room is kept for the terminators of this and every later
// record, so that the key area always holds all 176 records, however long the contents are.
std::size_t RoomEnd(int r) {
    return kKeyAreaSize - static_cast<std::size_t>(kKeyCount - r);
}

// The position of the KeyLock key's record in the record order.
int KeyLockRecord() {
    static const int record = static_cast<int>(
        std::find(kRecordOrder.begin(), kRecordOrder.end(), kKeyLockKey) - kRecordOrder.begin());
    return record;
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
    const int mirrorRecord = data.modelCode == kModelRM0480 ? KeyLockRecord() : kKeyCount;
    std::uint8_t* const area = data.image.data();
    std::size_t pos = 0;
    bool full = false;
    int r = 0;
    while (r < kKeyCount) {
        // The record index holds the start of every 32nd record; it is known right here.
        if (r != 0 && r % kRecordIndexStep == 0) {
            const std::size_t at =
                offsets::kRecordIndex + 2 * static_cast<std::size_t>(r / kRecordIndexStep - 1);
            area[at] = static_cast<std::uint8_t>(pos & 0xFF);
            area[at + 1] = static_cast<std::uint8_t>(pos >> 8);
        }
        if (!full && r != mirrorRecord) {
            // The usual records in one go, up to the next record index entry or the KeyLock
            // record; whatever they stop at is taken one record at a time below.
            const int runEnd = std::min({(r / kRecordIndexStep + 1) * kRecordIndexStep, kKeyCount,
                                         r < mirrorRecord ? mirrorRecord : kKeyCount});
            const encoding::WholeRecords done = encoding::EncodeWholeRecords(
                data.keyContents.data(),
                {kRecordOrder.begin() + r, static_cast<std::size_t>(runEnd - r)}, area + pos,
                area + RoomEnd(r));
            r += static_cast<int>(done.count);
            pos = static_cast<std::size_t>(done.end - area);
            if (r == runEnd) {
                continue;
            }
        }
        const int key = kRecordOrder[static_cast<std::size_t>(r)];
        const std::size_t room = RoomEnd(r) - pos;
        if (r == mirrorRecord) {
            pos += CopyMirroredRecord(area, pos, room);
        } else if (const std::string& text = Content(data.keyContents, key);
                   !full && !text.empty()) {
            const RecordFit fit = EncodeKeyContentInto(text, {area + pos, room});
            pos += fit.size;
            // Once a record has been cut, the records after it stay empty rather than filling
            // the little room left with contents out of order.
            full = !fit.complete;
        }
        area[pos++] = 0x00;
        ++r;
    }
    if (full) {
        std::fill(area + pos, area + kKeyAreaSize, 0x00);
    }
}

} // namespace zelt
