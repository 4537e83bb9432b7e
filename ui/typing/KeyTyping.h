#pragma once

#include "platform/LockKeys.h"
#include "typing/EditedKey.h"
#include "typing/KeywordKeys.h"
#include "typing/PcKeyCodes.h"
#include "view/ViewController.h"

#include <string_view>

namespace zelt {

// Typing into the selected key: printable keys insert their character (ASCII mode) or their
// scan code keyword (scan-code mode), keys without a character enter their keyword after ESC,
// and the rest move the caret or the selection or delete. Works on the view's state and the
// document alone; the widget only translates its events into these calls.
class KeyTyping {
public:
    explicit KeyTyping(ViewController& view) : view_(view), key_(view) {}

    // A key press, as a virtual-key code and scan flags, with the lock keys' state at the time.
    // Every press marks the template modified and clears the red line; the whole view is to be
    // redrawn afterwards.
    Redraw KeyDown(pc::KeyCode key, LockKeys locks);

    // A key release: only the release of a Shift key matters.
    Redraw KeyUp(pc::KeyCode key);

    // The window lost the keyboard: the Shift release will go elsewhere, so Shift is no longer
    // taken as held.
    void KeyboardLost();

private:
    void KeywordKeyDown(const KeywordKey& row);
    void KeypadKeyDown(const KeypadKey& row, int virtualKey);
    void CharacterKeyDown(int virtualKey, LockKeys locks);
    void DoAction(KeyAction action);
    void InsertAfterEscape(std::string_view keyword);
    bool EscapeApplies() const;
    bool ShiftHeld() const;

    ViewController& view_;
    EditedKey key_;
};

} // namespace zelt
