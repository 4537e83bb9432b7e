#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zelt {

// The platform's key-state word of Caps Lock, taken as a signed 16-bit number: 1 while Caps
// Lock is on, 0 while it is off, negative while the Caps Lock key is held down.
using CapsLockKeyState = std::int16_t;
CapsLockKeyState MakeCapsLockKeyState(bool on, bool held);

// Releases of the two Shift keys, as key flags.
inline constexpr int kLeftShiftReleaseFlags = 0xC02A;
inline constexpr int kRightShiftReleaseFlags = 0xC036;

// The character a first press of a main-block key gives on the US layout, unshifted or
// shifted; nothing for any other flags (an auto-repeat, an extended key, a key without one).
std::optional<char> ScanCodeToChar(int keyFlags, bool unshifted);

// The text of the keyboard output test and what it needs to remember between key events:
// whether a Shift key is down (from the test's point of view) and whether the Caps Lock key
// is being held. Key events carry the character code (the virtual-key code; for letters the
// upper-case letter) and the key flags (scan code, 0x100 for an extended key, 0x4000 for an
// auto-repeat, 0xC000 on release).
class KeyCodeOutput {
public:
    // Starts over: no text, Shift not down, Caps Lock not held.
    void Clear();

    // A key press: appends FormatKeyCode of it. capsLockOn is the lock's state now.
    void KeyDown(int charCode, int keyFlags, bool capsLockOn);
    // A key release: only the releases of the Shift keys (and of Caps Lock) matter.
    void KeyUp(int keyFlags);

    // The text for one key press: the keyword of a named key (a Shift key also counts as down
    // from then on), else a letter in the case that Shift and Caps Lock give, else the character
    // of the key, else nothing.
    std::string FormatKeyCode(int charCode, int keyFlags, CapsLockKeyState capsLock);

    const std::string& Text() const { return text_; }
    int ShiftDown() const { return shiftDown_; }
    bool CapsLockHeld() const { return capsLockHeld_; }

private:
    int shiftDown_ = 0;
    std::string text_;
    bool capsLockHeld_ = false;
};

} // namespace zelt
