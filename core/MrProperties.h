#pragma once

#include "MrField.h"
#include "TemplateImage.h"

#include <array>
#include <optional>
#include <string>

namespace zelt {

// What the reader does with a card that has a track it could not read.
inline constexpr int kMrErrorModeSkipTrack = 0; // "Skip output of track with error"
inline constexpr int kMrErrorModeNoOutput = 1;  // "No data output with any error"

// The output format of one card track. Strings are in their text form ("[CR]" for 0x0D).
struct MrTrackProperties {
    std::string prefix;
    std::string suffix;
    std::string terminator;
    bool data = false;
    bool startSentinel = false;
    bool endSentinel = false;
    bool separator = false;
    bool lrcOutput = false;

    friend bool operator==(const MrTrackProperties&, const MrTrackProperties&) = default;
};

// The magnetic stripe reader's settings as the MR properties dialog shows them.
struct MrProperties {
    std::array<MrTrackProperties, kMrTrackCount> tracks;
    std::string cardPrefix;
    std::string cardSuffix;
    int errorMode = kMrErrorModeSkipTrack;
    bool beepGoodRead = false;
    bool beepsError = false;

    // The text of one of the eleven string fields.
    std::string& Text(MrField field);
    const std::string& Text(MrField field) const;

    friend bool operator==(const MrProperties&, const MrProperties&) = default;
};

// Reads the MR fields, the track flags and the MR bits of option bytes A and B.
MrProperties ReadMrProperties(const TemplateImage& image);

// The first field, in write-back order, whose text is not valid for it.
std::optional<MrField> FirstInvalidMrField(const MrProperties& properties);

struct MrWriteResult {
    // Set when a field's text was not valid; then nothing has been written.
    std::optional<MrField> invalidField;
    // Whether any byte of the image changed.
    bool changed = false;
};

// Writes the values back: each string field is filled with 0xFF and then gets its translated
// bytes; each track flags byte keeps bits 4..6; of option bytes A and B only the error mode
// bit and the two beep bits are touched. Every field is checked first, so a bad text never
// leaves a half-written image.
MrWriteResult WriteMrProperties(TemplateImage& image, const MrProperties& properties);

} // namespace zelt
