#pragma once

#include "view/ViewState.h"

#include <string_view>

namespace zelt {

// Caret movements in the content box of the selected key, whose content is `content`. In the
// normal display the caret index counts characters; in the decimal display the caret stands at
// the start of a token of the decimal form and the caret index counts tokens. The caret column
// follows the caret up to the last of the box's 85 columns, after which the text scrolls.
void CaretLeft(ViewState& state, std::string_view content);
void CaretRight(ViewState& state, std::string_view content);
void CaretHome(ViewState& state);
void CaretEnd(ViewState& state, std::string_view content);

// Brings a caret that the content no longer fits (the content was shortened or replaced under
// it) back inside: caret index within the content, caret column within the caret index and the
// box, and in the decimal display a caret on a token start of the decimal form, with the caret
// index naming that token. A caret that fits is left exactly as it is.
void KeepCaretInContent(ViewState& state, std::string_view content);

// In the decimal display: moves the caret back to the start of the token it stands in, taking
// the caret column along while it is above 0.
void MoveDecimalCaretToTokenStart(ViewState& state, std::string_view decimalForm);

} // namespace zelt
