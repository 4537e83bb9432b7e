#include "typing/ContentEdits.h"

#include "typing/CaretMoves.h"
#include "typing/DecimalTokens.h"
#include "view/DecimalForm.h"
#include "view/ViewGeometry.h"

#include <algorithm>
#include <cstddef>

namespace zelt {

namespace {

std::size_t Index(int value) {
    return static_cast<std::size_t>(value);
}

// Inserts at the character caret and moves the caret behind the text.
void InsertAtCharacterCaret(ViewState& state, std::string& content, std::string_view text) {
    content.insert(Index(state.caretIndex), text);
    const int length = static_cast<int>(text.size());
    state.caretIndex += length;
    state.caretColumn = std::min(state.caretColumn + length, view::kContentColumns);
}

// Removes the token `token` of the decimal display, or, for a content without tokens, the
// character at that index.
void EraseDecimalElement(std::string& content, int token) {
    if (const auto tokens = DecimalTokens(content)) {
        if (token >= 0 && Index(token) < tokens->size()) {
            const TokenSpan span = (*tokens)[Index(token)];
            content.erase(span.begin, span.end - span.begin);
        }
        return;
    }
    if (token >= 0 && Index(token) < content.size()) {
        content.erase(Index(token), 1);
    }
}

// Where text inserted at the caret of the decimal display goes: in front of the token at the
// caret, never inside a keyword.
std::size_t DecimalInsertPosition(const ViewState& state, std::string_view content) {
    const auto tokens = DecimalTokens(content);
    return tokens ? TokenPosition(*tokens, state.caretIndex, content.size())
                  : std::min(Index(state.caretIndex), content.size());
}

int DecimalElementCount(std::string_view content) {
    const auto tokens = DecimalTokens(content);
    return tokens ? static_cast<int>(tokens->size()) : static_cast<int>(content.size());
}

} // namespace

bool InsertTypedText(ViewState& state, std::string& content, std::string_view text, int spaceLeft) {
    if (state.decimalDisplay != 0 || text.empty() || spaceLeft <= 0) {
        return false;
    }
    KeepCaretInContent(state, content);
    InsertAtCharacterCaret(state, content, text);
    return true;
}

bool InsertCommandText(ViewState& state, std::string& content, std::string_view text,
                       int spaceLeft) {
    bool inserted = false;
    if (spaceLeft > 0) {
        KeepCaretInContent(state, content);
        if (state.decimalDisplay == 0) {
            InsertAtCharacterCaret(state, content, text);
        } else {
            content.insert(DecimalInsertPosition(state, content), text);
        }
        inserted = true;
    }
    if (state.decimalDisplay != 0) {
        CaretHome(state);
    }
    return inserted;
}

bool InsertCharacterCode(ViewState& state, std::string& content, char character, int spaceLeft) {
    if (state.decimalDisplay == 0) {
        return InsertTypedText(state, content, std::string_view(&character, 1), spaceLeft);
    }
    if (spaceLeft <= 0) {
        return false;
    }
    KeepCaretInContent(state, content);
    const int caret = state.caretIndex;
    const std::size_t at = DecimalInsertPosition(state, content);
    content.insert(at, 1, character);
    // The token index stays, so the caret stands in front of the new token; the decimal caret
    // moves on to the next token start if it is not on one.
    const std::string form = ShownDecimalForm(content);
    const int length = static_cast<int>(form.size());
    while (state.decimalCaretIndex < length && form[Index(state.decimalCaretIndex)] != '[') {
        ++state.decimalCaretIndex;
        if (state.caretColumn < view::kContentColumns && state.caretColumn < length) {
            ++state.caretColumn;
        }
    }
    // A bracket entered by its code leaves a content without a decimal form; the caret then
    // counts characters and stands on the new one, so that Delete takes it out again.
    state.caretIndex = DecimalTokens(content) ? caret : static_cast<int>(at);
    KeepCaretInContent(state, content);
    return true;
}

bool DeleteBeforeCaret(ViewState& state, std::string& content) {
    KeepCaretInContent(state, content);
    if (state.caretIndex <= 0) {
        return false;
    }
    if (state.caretColumn <= 0) {
        return true;
    }
    if (state.decimalDisplay == 0) {
        content.erase(Index(state.caretIndex - 1), 1);
        --state.caretIndex;
        --state.caretColumn;
        return true;
    }
    if (!SelectedKeyInAsciiMode(state)) {
        return true;
    }
    const std::string form = ShownDecimalForm(content);
    if (state.decimalCaretIndex > 0) {
        --state.decimalCaretIndex;
    }
    --state.caretColumn;
    MoveDecimalCaretToTokenStart(state, form);
    EraseDecimalElement(content, state.caretIndex - 1);
    --state.caretIndex;
    KeepCaretInContent(state, content);
    return true;
}

void DeleteAtCaret(ViewState& state, std::string& content) {
    KeepCaretInContent(state, content);
    if (state.decimalDisplay == 0) {
        if (Index(state.caretIndex) < content.size()) {
            content.erase(Index(state.caretIndex), 1);
        }
        return;
    }
    if (!SelectedKeyInAsciiMode(state) || state.caretIndex >= DecimalElementCount(content)) {
        return;
    }
    EraseDecimalElement(content, state.caretIndex);
    KeepCaretInContent(state, content);
}

} // namespace zelt
