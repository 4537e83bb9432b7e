#include "MrField.h"

#include "MrString.h"
#include "TemplateImage.h"

#include <algorithm>

namespace zelt {

namespace {

struct FieldInfo {
    std::size_t offset;
    std::size_t size;
    std::string_view message;
};

// Indexed by MrField.
constexpr std::array<FieldInfo, kMrFieldCount> kFieldInfo = {{
    {offsets::kTrackPrefix[0], kTrackStringSize, "Track1 prefix string error!"},
    {offsets::kTrackSuffix[0], kTrackStringSize, "Track1 suffix string error!"},
    {offsets::kTrackTerminator[0], kTerminatorSize, "Track1 field terminator error!"},
    {offsets::kTrackPrefix[1], kTrackStringSize, "Track2 prefix string error!"},
    {offsets::kTrackSuffix[1], kTrackStringSize, "Track2 suffix string error!"},
    {offsets::kTrackTerminator[1], kTerminatorSize, "Track2 field terminator error!"},
    {offsets::kTrackPrefix[2], kTrackStringSize, "Track3 prefix string error!"},
    {offsets::kTrackSuffix[2], kTrackStringSize, "Track3 suffix string error!"},
    {offsets::kTrackTerminator[2], kTerminatorSize, "Track3 field terminator error!"},
    {offsets::kCardPrefix, kCardStringSize, "Card data prefix string error!"},
    {offsets::kCardSuffix, kCardStringSize, "Card data suffix string error!"},
}};

// Longest text form of one byte ("[CR]").
constexpr std::size_t kMaxTextPerByte = 4;

const FieldInfo& Info(MrField field) {
    return kFieldInfo[static_cast<std::size_t>(field)];
}

MrField TrackField(int track, int kind) {
    const int clamped = std::clamp(track, 0, kMrTrackCount - 1);
    return static_cast<MrField>(clamped * 3 + kind);
}

} // namespace

MrField TrackPrefixField(int track) {
    return TrackField(track, 0);
}

MrField TrackSuffixField(int track) {
    return TrackField(track, 1);
}

MrField TrackTerminatorField(int track) {
    return TrackField(track, 2);
}

std::size_t MrFieldOffset(MrField field) {
    return Info(field).offset;
}

std::size_t MrFieldSize(MrField field) {
    return Info(field).size;
}

std::string_view MrFieldMessage(MrField field) {
    return Info(field).message;
}

std::size_t MrFieldMaxTextLength(MrField field) {
    return Info(field).size * kMaxTextPerByte;
}

bool IsValidMrFieldText(MrField field, std::string_view text) {
    const auto bytes = MrTextToBytes(text);
    return bytes && bytes->size() <= MrFieldSize(field);
}

std::optional<std::string_view> CheckMrFieldText(MrField field, std::string_view text) {
    if (IsValidMrFieldText(field, text)) {
        return std::nullopt;
    }
    return MrFieldMessage(field);
}

} // namespace zelt
