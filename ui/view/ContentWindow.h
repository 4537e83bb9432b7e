#pragma once

#include "view/ViewState.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zelt {

// The byte drawn as the placeholder glyph in the content box.
inline constexpr std::uint8_t kPlaceholderByte = 0x9D;

// True for the bytes the content box shows as the placeholder: control characters and the
// bytes that have no visible character of their own (undefined in Windows-1252, the soft
// hyphen) or that would be mistaken for another character.
bool IsPlaceholderByte(std::uint8_t byte);

// The at most 85 bytes the content box shows for the selected key's content, starting at the
// caret minus the caret column, with placeholder bytes replaced by kPlaceholderByte. In the
// decimal display the window is taken from the decimal form, and a content that is not a valid
// ASCII-mode content shows nothing.
std::string ContentBoxText(const ViewState& state, std::string_view content);

} // namespace zelt
