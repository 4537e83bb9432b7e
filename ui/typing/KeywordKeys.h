#pragma once

#include <string_view>

namespace zelt {

// What a key of the keyword table does when it is pressed without a pending ESC.
enum class KeyAction {
    Nothing,
    // ESC itself: makes ESC pending.
    Escape,
    // A Shift key: Shift is held from now until its release.
    ShiftDown,
    CaretHome,
    CaretEnd,
    // The horizontal arrows move the caret, or the selection while Shift is held.
    ArrowLeft,
    ArrowRight,
    // The vertical arrows always move the selection.
    SelectionUp,
    SelectionDown,
    DeleteBeforeCaret,
    DeleteAtCaret,
};

// A key that enters its keyword when pressed after ESC ("[F1]" for F1, "[PageUp]" for Page Up)
// and otherwise does its action.
struct KeywordKey {
    int scanCode;
    std::string_view keyword;
    KeyAction action;
};

// A keypad key that types its digit while Num Lock is on and navigates while it is off. It
// needs no ESC; the navigation it does never enters a keyword.
struct KeypadKey {
    int scanCode;
    char digit;
    KeyAction numLockOffAction;
};

// The row of a scan code (with its extended bit, without the repeat bit), or nullptr.
const KeywordKey* FindKeywordKey(int scanCode);
const KeypadKey* FindKeypadKey(int scanCode);

} // namespace zelt
