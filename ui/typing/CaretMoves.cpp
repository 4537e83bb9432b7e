#include "typing/CaretMoves.h"

#include "typing/DecimalTokens.h"
#include "view/DecimalForm.h"
#include "view/ViewGeometry.h"

#include <algorithm>
#include <cstddef>

namespace zelt {

namespace {

constexpr int kColumns = view::kContentColumns;

int Length(std::string_view text) {
    return static_cast<int>(text.size());
}

char At(std::string_view text, int index) {
    return text[static_cast<std::size_t>(index)];
}

// The caret index in the decimal display: the token the caret stands in front of. A content
// without a decimal form has no tokens; its caret index counts characters, so that Delete can
// still take out what broke the form.
int DecimalCaretIndex(const ViewState& state, std::string_view content, std::string_view form) {
    if (DecimalTokens(content)) {
        return TokenIndex(form, state.decimalCaretIndex);
    }
    return std::clamp(state.caretIndex, 0, Length(content));
}

void NormalLeft(ViewState& state) {
    if (state.caretColumn > 0) {
        --state.caretColumn;
    }
    if (state.caretIndex > 0) {
        --state.caretIndex;
    }
}

void NormalRight(ViewState& state, int length) {
    if (state.caretIndex < length) {
        ++state.caretIndex;
    }
    if (state.caretColumn < kColumns && state.caretColumn < length) {
        ++state.caretColumn;
    }
}

void DecimalLeft(ViewState& state, std::string_view content) {
    const std::string form = ShownDecimalForm(content);
    if (state.decimalCaretIndex > 0) {
        --state.decimalCaretIndex;
    }
    if (state.caretColumn > 0) {
        --state.caretColumn;
    }
    MoveDecimalCaretToTokenStart(state, form);
    state.caretIndex = DecimalCaretIndex(state, content, form);
}

void DecimalRight(ViewState& state, std::string_view content) {
    const std::string form = ShownDecimalForm(content);
    const int length = Length(form);
    const auto advanceColumn = [&state, length] {
        if (state.caretColumn < kColumns && state.caretColumn < length) {
            ++state.caretColumn;
        }
    };
    if (state.decimalCaretIndex < length) {
        ++state.decimalCaretIndex;
    }
    advanceColumn();
    while (state.decimalCaretIndex < length && At(form, state.decimalCaretIndex) != '[') {
        ++state.decimalCaretIndex;
        advanceColumn();
    }
    state.caretIndex = DecimalCaretIndex(state, content, form);
}

} // namespace

void MoveDecimalCaretToTokenStart(ViewState& state, std::string_view decimalForm) {
    // The end of the form is a caret position of its own; every other one is a token's "[".
    const int length = Length(decimalForm);
    while (state.decimalCaretIndex > 0 && state.decimalCaretIndex < length &&
           At(decimalForm, state.decimalCaretIndex) != '[') {
        --state.decimalCaretIndex;
        if (state.caretColumn > 0) {
            --state.caretColumn;
        }
    }
}

void CaretLeft(ViewState& state, std::string_view content) {
    KeepCaretInContent(state, content);
    if (state.decimalDisplay == 0) {
        NormalLeft(state);
    } else if (SelectedKeyInAsciiMode(state)) {
        DecimalLeft(state, content);
    }
}

void CaretRight(ViewState& state, std::string_view content) {
    KeepCaretInContent(state, content);
    if (state.decimalDisplay == 0) {
        NormalRight(state, Length(content));
    } else if (SelectedKeyInAsciiMode(state)) {
        DecimalRight(state, content);
    }
}

void CaretHome(ViewState& state) {
    state.caretIndex = 0;
    state.decimalCaretIndex = 0;
    state.caretColumn = 0;
}

void CaretEnd(ViewState& state, std::string_view content) {
    if (state.decimalDisplay == 0) {
        state.caretIndex = Length(content);
        state.caretColumn = std::min(Length(content), kColumns);
        return;
    }
    const std::string form = ShownDecimalForm(content);
    state.decimalCaretIndex = Length(form);
    state.caretColumn = std::min(Length(form), kColumns);
    const auto tokens = DecimalTokens(content);
    state.caretIndex = tokens ? static_cast<int>(tokens->size()) : Length(content);
}

void KeepCaretInContent(ViewState& state, std::string_view content) {
    if (state.decimalDisplay == 0) {
        state.caretIndex = std::clamp(state.caretIndex, 0, Length(content));
        state.caretColumn = std::clamp(state.caretColumn, 0, std::min(state.caretIndex, kColumns));
        return;
    }
    const std::string form = ShownDecimalForm(content);
    state.decimalCaretIndex = std::clamp(state.decimalCaretIndex, 0, Length(form));
    state.caretColumn =
        std::clamp(state.caretColumn, 0, std::min(state.decimalCaretIndex, kColumns));
    MoveDecimalCaretToTokenStart(state, form);
    state.caretIndex = DecimalCaretIndex(state, content, form);
}

} // namespace zelt
