#include "MrProperties.h"

#include "BitField.h"
#include "MrString.h"

#include <span>
#include <utility>

namespace zelt {

namespace {

// Track flags byte.
constexpr int kDataBit = 0;
constexpr int kStartSentinelBit = 1;
constexpr int kEndSentinelBit = 2;
constexpr int kSeparatorBit = 3;
constexpr int kLrcOffBit = 7; // stored inverted

// Option bytes.
constexpr int kSkipTrackWithErrorBit = 1; // A
constexpr int kBeepGoodReadBit = 6;       // B
constexpr int kBeepsErrorBit = 7;         // B

std::span<const std::uint8_t> FieldBytes(const TemplateImage& image, MrField field) {
    return std::span<const std::uint8_t>(image).subspan(MrFieldOffset(field), MrFieldSize(field));
}

std::span<std::uint8_t> FieldBytes(TemplateImage& image, MrField field) {
    return std::span<std::uint8_t>(image).subspan(MrFieldOffset(field), MrFieldSize(field));
}

bool WriteByte(TemplateImage& image, std::size_t offset, std::uint8_t value) {
    const bool changed = image[offset] != value;
    image[offset] = value;
    return changed;
}

} // namespace

std::string& MrProperties::Text(MrField field) {
    return const_cast<std::string&>(std::as_const(*this).Text(field));
}

const std::string& MrProperties::Text(MrField field) const {
    switch (field) {
    case MrField::CardPrefix:
        return cardPrefix;
    case MrField::CardSuffix:
        return cardSuffix;
    default:
        break;
    }
    const auto index = static_cast<int>(field);
    const MrTrackProperties& track = tracks[static_cast<std::size_t>(index / 3)];
    switch (index % 3) {
    case 0:
        return track.prefix;
    case 1:
        return track.suffix;
    default:
        return track.terminator;
    }
}

MrProperties ReadMrProperties(const TemplateImage& image) {
    MrProperties p;
    for (const MrField field : kAllMrFields) {
        p.Text(field) = MrBytesToText(ReadMrString(FieldBytes(image, field)));
    }
    for (int t = 0; t < kMrTrackCount; ++t) {
        const std::uint8_t flags = image[offsets::kTrackFlags[t]];
        MrTrackProperties& track = p.tracks[static_cast<std::size_t>(t)];
        track.data = TestBit(flags, kDataBit);
        track.startSentinel = TestBit(flags, kStartSentinelBit);
        track.endSentinel = TestBit(flags, kEndSentinelBit);
        track.separator = TestBit(flags, kSeparatorBit);
        track.lrcOutput = !TestBit(flags, kLrcOffBit);
    }
    p.errorMode = TestBit(image[offsets::kOptionA], kSkipTrackWithErrorBit) ? kMrErrorModeSkipTrack
                                                                            : kMrErrorModeNoOutput;
    p.beepGoodRead = TestBit(image[offsets::kOptionB], kBeepGoodReadBit);
    p.beepsError = TestBit(image[offsets::kOptionB], kBeepsErrorBit);
    return p;
}

std::optional<MrField> FirstInvalidMrField(const MrProperties& properties) {
    for (const MrField field : kAllMrFields) {
        if (!IsValidMrFieldText(field, properties.Text(field))) {
            return field;
        }
    }
    return std::nullopt;
}

MrWriteResult WriteMrProperties(TemplateImage& image, const MrProperties& p) {
    MrWriteResult result;
    result.invalidField = FirstInvalidMrField(p);
    if (result.invalidField) {
        return result;
    }
    bool changed = false;
    const auto writeField = [&](MrField field) {
        // Valid by the check above, so the translation exists and fits.
        const auto bytes = MrTextToBytes(p.Text(field)).value_or(std::string());
        changed = WriteMrString(FieldBytes(image, field), bytes) || changed;
    };
    for (int t = 0; t < kMrTrackCount; ++t) {
        const MrTrackProperties& track = p.tracks[static_cast<std::size_t>(t)];
        writeField(TrackPrefixField(t));
        writeField(TrackSuffixField(t));
        writeField(TrackTerminatorField(t));
        std::uint8_t flags = image[offsets::kTrackFlags[t]];
        AssignBit(flags, kDataBit, track.data);
        AssignBit(flags, kStartSentinelBit, track.startSentinel);
        AssignBit(flags, kEndSentinelBit, track.endSentinel);
        AssignBit(flags, kSeparatorBit, track.separator);
        AssignBit(flags, kLrcOffBit, !track.lrcOutput);
        changed = WriteByte(image, offsets::kTrackFlags[t], flags) || changed;
    }
    std::uint8_t a = image[offsets::kOptionA];
    AssignBit(a, kSkipTrackWithErrorBit, p.errorMode == kMrErrorModeSkipTrack);
    changed = WriteByte(image, offsets::kOptionA, a) || changed;
    std::uint8_t b = image[offsets::kOptionB];
    AssignBit(b, kBeepGoodReadBit, p.beepGoodRead);
    AssignBit(b, kBeepsErrorBit, p.beepsError);
    changed = WriteByte(image, offsets::kOptionB, b) || changed;
    writeField(MrField::CardPrefix);
    writeField(MrField::CardSuffix);
    result.changed = changed;
    return result;
}

} // namespace zelt
