#include "typing/KeyTyping.h"

#include "KeywordTables.h"
#include "typing/CaretMoves.h"
#include "typing/CharacterKeyText.h"
#include "typing/ContentEdits.h"

#include <string>

namespace zelt {

namespace {

constexpr int kLeft = static_cast<int>(Direction::Left);
constexpr int kRight = static_cast<int>(Direction::Right);
constexpr int kUp = static_cast<int>(Direction::Up);
constexpr int kDown = static_cast<int>(Direction::Down);

bool IsKeypadDigitCode(int virtualKey) {
    return virtualKey >= pc::kVkNumpad0 && virtualKey <= pc::kVkNumpad9;
}

} // namespace

Redraw KeyTyping::KeyDown(pc::KeyCode key, LockKeys locks) {
    key_.MarkDocumentModified();
    ViewState& state = key_.State();
    state.wrongWordShown = 0;
    KeepCaretInContent(state, key_.Content());
    // An auto-repeat is handled like a first press.
    const int scanCode = key.ScanCode();
    if (const KeywordKey* row = FindKeywordKey(scanCode)) {
        KeywordKeyDown(*row);
    } else if (const KeypadKey* keypad = FindKeypadKey(scanCode)) {
        KeypadKeyDown(*keypad, key.virtualKey);
    } else {
        CharacterKeyDown(key.virtualKey, locks);
    }
    return Redraw::All;
}

Redraw KeyTyping::KeyUp(pc::KeyCode key) {
    if (key.scanFlags == pc::kLeftShiftReleased || key.scanFlags == pc::kRightShiftReleased) {
        key_.State().shiftReleased = 1;
    }
    return Redraw::None;
}

void KeyTyping::KeyboardLost() {
    key_.State().shiftReleased = 1;
}

bool KeyTyping::EscapeApplies() const {
    const ViewState& state = view_.State();
    return state.escPending == 1 && state.decimalDisplay == 0;
}

bool KeyTyping::ShiftHeld() const {
    return view_.State().shiftReleased == 0;
}

void KeyTyping::KeywordKeyDown(const KeywordKey& row) {
    if (!EscapeApplies()) {
        DoAction(row.action);
        return;
    }
    InsertAfterEscape(row.keyword);
    // A second ESC enters "[ESC]" and keeps waiting for the key it announces.
    if (row.action != KeyAction::Escape) {
        key_.State().escPending = 0;
    }
}

void KeyTyping::InsertAfterEscape(std::string_view keyword) {
    InsertTypedText(key_.State(), key_.Content(), keyword, key_.SpaceLeft());
    key_.ClearFlags();
}

void KeyTyping::KeypadKeyDown(const KeypadKey& row, int virtualKey) {
    ViewState& state = key_.State();
    if (IsKeypadDigitCode(virtualKey) && state.decimalDisplay == 0) {
        // Num Lock is on: the digit, whatever ESC says, which stays pending.
        const std::string text =
            key_.InAsciiMode() ? std::string(1, row.digit) : std::string("[PAD") + row.digit + ']';
        InsertTypedText(state, key_.Content(), text, key_.SpaceLeft());
        key_.ClearFlags();
        return;
    }
    DoAction(row.numLockOffAction);
}

void KeyTyping::CharacterKeyDown(int virtualKey, LockKeys locks) {
    ViewState& state = key_.State();
    if (state.decimalDisplay != 0) {
        return;
    }
    key_.ClearFlags();
    if (state.escPending == 1 && (virtualKey == pc::kVkE || virtualKey == pc::kVkF)) {
        const std::string_view prefix =
            virtualKey == pc::kVkE ? kExtendedPrefixKeyword : kBreakPrefixKeyword;
        InsertTypedText(state, key_.Content(), prefix, key_.SpaceLeft());
    } else {
        const std::string text = key_.InAsciiMode()
                                     ? AsciiTextOfKey(virtualKey, ShiftHeld(), locks.capsLock)
                                     : ScanKeywordOfKey(virtualKey);
        if (!text.empty()) {
            InsertTypedText(state, key_.Content(), text, key_.SpaceLeft());
        }
    }
    state.escPending = 0;
}

void KeyTyping::DoAction(KeyAction action) {
    ViewState& state = key_.State();
    switch (action) {
    case KeyAction::Nothing:
        return;
    case KeyAction::Escape:
        state.escPending = 1;
        return;
    case KeyAction::ShiftDown:
        state.shiftReleased = 0;
        return;
    case KeyAction::CaretHome:
        CaretHome(state);
        return;
    case KeyAction::CaretEnd:
        CaretEnd(state, key_.Content());
        return;
    case KeyAction::ArrowLeft:
        if (ShiftHeld()) {
            view_.MoveSelection(kLeft);
        } else {
            CaretLeft(state, key_.Content());
        }
        return;
    case KeyAction::ArrowRight:
        if (ShiftHeld()) {
            view_.MoveSelection(kRight);
        } else {
            CaretRight(state, key_.Content());
        }
        return;
    case KeyAction::SelectionUp:
        view_.MoveSelection(kUp);
        return;
    case KeyAction::SelectionDown:
        view_.MoveSelection(kDown);
        return;
    case KeyAction::DeleteBeforeCaret:
        if (DeleteBeforeCaret(state, key_.Content())) {
            key_.ClearFlags();
            key_.CopyKeyLockToMirror();
        }
        return;
    case KeyAction::DeleteAtCaret:
        DeleteAtCaret(state, key_.Content());
        key_.ClearFlags();
        key_.CopyKeyLockToMirror();
        return;
    }
}

} // namespace zelt
