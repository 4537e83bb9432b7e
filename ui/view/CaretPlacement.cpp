#include "view/CaretPlacement.h"

#include "view/DecimalForm.h"
#include "view/ViewGeometry.h"

#include <algorithm>
#include <string>

namespace zelt {

namespace {

// Moves a caret at column `column` of a text of length `length` whose window starts at `start`.
// Returns the new caret index and sets the column.
int PlaceInText(int length, int start, int column, int& caretColumn) {
    if (length <= view::kContentColumns && column > length) {
        caretColumn = length;
        return length;
    }
    if (start + column > length) {
        caretColumn = length - start;
        return length;
    }
    caretColumn = column;
    return start + column;
}

// The window start the caret state implies, kept inside the text: a caret left behind by a
// content that has since become shorter must not put the caret outside it.
int WindowStart(int caret, int caretColumn, int length) {
    return std::clamp(caret - caretColumn, 0, length);
}

} // namespace

int ContentColumnAt(int px) {
    return (px - view::kCaretLeft) / view::kCellWidth;
}

void PlaceCaretAtColumn(ViewState& state, std::string_view content, int column) {
    if (state.decimalDisplay == 0) {
        const int length = static_cast<int>(content.size());
        const int start = WindowStart(state.caretIndex, state.caretColumn, length);
        state.caretIndex = PlaceInText(length, start, column, state.caretColumn);
        return;
    }
    const std::string form = ShownDecimalForm(content);
    const int length = static_cast<int>(form.size());
    const int start = WindowStart(state.decimalCaretIndex, state.caretColumn, length);
    const bool inText =
        !(length <= view::kContentColumns && column > length) && start + column <= length;
    state.decimalCaretIndex = PlaceInText(length, start, column, state.caretColumn);
    if (inText) {
        // Back to the "[" that starts the clicked token; the end of the form is no token start.
        while (state.decimalCaretIndex > 0 &&
               (state.decimalCaretIndex == length ||
                form[static_cast<std::size_t>(state.decimalCaretIndex)] != '[')) {
            --state.decimalCaretIndex;
            if (state.caretColumn > 0) {
                --state.caretColumn;
            }
        }
    }
    state.caretIndex = TokenIndex(form, state.decimalCaretIndex);
}

} // namespace zelt
