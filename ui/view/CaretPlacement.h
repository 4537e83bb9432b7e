#pragma once

#include "view/ViewState.h"

#include <string_view>

namespace zelt {

// The content box cell under client x coordinate px: 0..85 inside the box.
int ContentColumnAt(int px);

// Places the caret at a clicked column of the content box. A click right of the text puts the
// caret at the end. In the decimal display the caret snaps to the start of the token clicked,
// and caretIndex becomes that token's index in the content.
void PlaceCaretAtColumn(ViewState& state, std::string_view content, int column);

} // namespace zelt
