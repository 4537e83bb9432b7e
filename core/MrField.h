#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace zelt {

// The eleven MR string fields of the image, in the order they are written back.
enum class MrField {
    Track1Prefix,
    Track1Suffix,
    Track1Terminator,
    Track2Prefix,
    Track2Suffix,
    Track2Terminator,
    Track3Prefix,
    Track3Suffix,
    Track3Terminator,
    CardPrefix,
    CardSuffix,
};

inline constexpr std::size_t kMrFieldCount = 11;
inline constexpr int kMrTrackCount = 3;

inline constexpr std::array<MrField, kMrFieldCount> kAllMrFields = {
    MrField::Track1Prefix, MrField::Track1Suffix, MrField::Track1Terminator,
    MrField::Track2Prefix, MrField::Track2Suffix, MrField::Track2Terminator,
    MrField::Track3Prefix, MrField::Track3Suffix, MrField::Track3Terminator,
    MrField::CardPrefix,   MrField::CardSuffix,
};

// The fields of track (0..2).
MrField TrackPrefixField(int track);
MrField TrackSuffixField(int track);
MrField TrackTerminatorField(int track);

// Image offset and size in bytes of a field.
std::size_t MrFieldOffset(MrField field);
std::size_t MrFieldSize(MrField field);

// The message shown when the field's text is malformed or translates to more bytes than the
// field holds.
std::string_view MrFieldMessage(MrField field);

// The longest text that can stand for a valid value of the field: every byte written as a
// four-character keyword. Edit controls accept this many characters, since the byte limit is
// what counts and "[CR]" must fit a one-byte field.
std::size_t MrFieldMaxTextLength(MrField field);

// Whether text is a valid value of the field: it translates without error and to at most the
// field's size in bytes. The empty text is valid.
bool IsValidMrFieldText(MrField field, std::string_view text);

// The field's message when text is not valid, nothing when it is.
std::optional<std::string_view> CheckMrFieldText(MrField field, std::string_view text);

} // namespace zelt
