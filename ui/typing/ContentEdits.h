#pragma once

#include "view/ViewState.h"

#include <string>
#include <string_view>

namespace zelt {

// The edits of the selected key's content, `content`, at the caret. Each one rebuilds the whole
// string: the part before the caret, the inserted text, the part from the caret on. None of
// them looks at whether the result is a valid content; that is checked when the key is left.

// Insertion by typing: only in the normal display, only a non-empty text, and only while the
// template has space left (one insertion may take it below 0). The caret moves behind the
// text. True when the text went in.
bool InsertTypedText(ViewState& state, std::string& content, std::string_view text, int spaceLeft);

// Insertion by a menu command: like typing, but also in the decimal display, where the text
// goes in front of the token at the caret and the caret then returns to the start of the
// content (also when the template was full). True when the text went in.
bool InsertCommandText(ViewState& state, std::string& content, std::string_view text,
                       int spaceLeft);

// Insertion of one character by its code: as typing in the normal display; in the decimal
// display the character goes in front of the token at the caret, which then stands in front of
// the new token. True when the character went in.
bool InsertCharacterCode(ViewState& state, std::string& content, char character, int spaceLeft);

// Backspace: removes what stands before the caret, a character in the normal display and a
// token in the decimal display, unless the caret is in the first column of the box (the text
// scrolls there instead). In the decimal display only for a key in ASCII mode. False when the
// caret stood at the very start of the content, which makes the key press no edit at all.
bool DeleteBeforeCaret(ViewState& state, std::string& content);

// Delete: removes the character (normal display) or token (decimal display, ASCII mode only)
// at the caret; the caret stays.
void DeleteAtCaret(ViewState& state, std::string& content);

} // namespace zelt
