#pragma once

// The key codes the editor's keyboard rules are written in: Windows virtual-key codes and the
// scan flags of a key event (the PC scan code of set 1 in the low byte, 0x100 for a key sent
// with the E0 prefix, 0x4000 for an auto-repeat, 0xC000 added on release). Every platform's
// key events are translated into these (see KeyEventMapping), so the rules and the keyboard
// output test read the same numbers everywhere.
namespace zelt::pc {

// Scan flag bits.
inline constexpr int kExtended = 0x100;
inline constexpr int kAutoRepeat = 0x4000;
inline constexpr int kRelease = 0xC000;
// The scan code with its extended bit: what identifies the physical key.
inline constexpr int kScanCodeMask = 0x1FF;

// Scan codes (set 1, with kExtended for E0 keys) the editor's rules name.
inline constexpr int kScanEscape = 0x01;
inline constexpr int kScanBackspace = 0x0E;
inline constexpr int kScanTab = 0x0F;
inline constexpr int kScanEnter = 0x1C;
inline constexpr int kScanLeftCtrl = 0x1D;
inline constexpr int kScanLeftShift = 0x2A;
inline constexpr int kScanRightShift = 0x36;
inline constexpr int kScanKeypadMultiply = 0x37;
inline constexpr int kScanLeftAlt = 0x38;
inline constexpr int kScanSpace = 0x39;
inline constexpr int kScanCapsLock = 0x3A;
inline constexpr int kScanF1 = 0x3B;
inline constexpr int kScanF2 = 0x3C;
inline constexpr int kScanF3 = 0x3D;
inline constexpr int kScanF4 = 0x3E;
inline constexpr int kScanF5 = 0x3F;
inline constexpr int kScanF6 = 0x40;
inline constexpr int kScanF7 = 0x41;
inline constexpr int kScanF8 = 0x42;
inline constexpr int kScanF9 = 0x43;
inline constexpr int kScanF10 = 0x44;
inline constexpr int kScanPause = 0x45;
inline constexpr int kScanScrollLock = 0x46;
inline constexpr int kScanKeypad7 = 0x47;
inline constexpr int kScanKeypad8 = 0x48;
inline constexpr int kScanKeypad9 = 0x49;
inline constexpr int kScanKeypadMinus = 0x4A;
inline constexpr int kScanKeypad4 = 0x4B;
inline constexpr int kScanKeypad5 = 0x4C;
inline constexpr int kScanKeypad6 = 0x4D;
inline constexpr int kScanKeypadPlus = 0x4E;
inline constexpr int kScanKeypad1 = 0x4F;
inline constexpr int kScanKeypad2 = 0x50;
inline constexpr int kScanKeypad3 = 0x51;
inline constexpr int kScanKeypad0 = 0x52;
inline constexpr int kScanKeypadPeriod = 0x53;
inline constexpr int kScanIso102nd = 0x56;
inline constexpr int kScanF11 = 0x57;
inline constexpr int kScanF12 = 0x58;
inline constexpr int kScanKeypadEnter = kExtended | 0x1C;
inline constexpr int kScanRightCtrl = kExtended | 0x1D;
inline constexpr int kScanKeypadDivide = kExtended | 0x35;
inline constexpr int kScanPrintScreen = kExtended | 0x37;
inline constexpr int kScanRightAlt = kExtended | 0x38;
// Num Lock arrives as an extended key, unlike Pause, whose make code it shares.
inline constexpr int kScanNumLock = kExtended | 0x45;
inline constexpr int kScanHome = kExtended | 0x47;
inline constexpr int kScanArrowUp = kExtended | 0x48;
inline constexpr int kScanPageUp = kExtended | 0x49;
inline constexpr int kScanArrowLeft = kExtended | 0x4B;
inline constexpr int kScanArrowRight = kExtended | 0x4D;
inline constexpr int kScanEnd = kExtended | 0x4F;
inline constexpr int kScanArrowDown = kExtended | 0x50;
inline constexpr int kScanPageDown = kExtended | 0x51;
inline constexpr int kScanInsert = kExtended | 0x52;
inline constexpr int kScanDelete = kExtended | 0x53;
inline constexpr int kScanLeftWindows = kExtended | 0x5B;
inline constexpr int kScanRightWindows = kExtended | 0x5C;
inline constexpr int kScanMenu = kExtended | 0x5D;

// Releases of the two Shift keys, the only releases the editor acts on.
inline constexpr int kLeftShiftReleased = kRelease | kScanLeftShift;
inline constexpr int kRightShiftReleased = kRelease | kScanRightShift;

// Virtual-key codes.
inline constexpr int kVkBackspace = 8;
inline constexpr int kVkTab = 9;
inline constexpr int kVkClear = 12;
inline constexpr int kVkReturn = 13;
inline constexpr int kVkShift = 16;
inline constexpr int kVkControl = 17;
inline constexpr int kVkAlt = 18;
inline constexpr int kVkPause = 19;
inline constexpr int kVkCapsLock = 20;
inline constexpr int kVkEscape = 27;
inline constexpr int kVkSpace = 32;
inline constexpr int kVkPageUp = 33;
inline constexpr int kVkPageDown = 34;
inline constexpr int kVkEnd = 35;
inline constexpr int kVkHome = 36;
inline constexpr int kVkLeft = 37;
inline constexpr int kVkUp = 38;
inline constexpr int kVkRight = 39;
inline constexpr int kVkDown = 40;
inline constexpr int kVkPrintScreen = 44;
inline constexpr int kVkInsert = 45;
inline constexpr int kVkDelete = 46;
inline constexpr int kVk0 = 48;
inline constexpr int kVk9 = 57;
inline constexpr int kVkA = 65;
inline constexpr int kVkE = 69;
inline constexpr int kVkF = 70;
inline constexpr int kVkZ = 90;
inline constexpr int kVkLeftWindows = 91;
inline constexpr int kVkRightWindows = 92;
inline constexpr int kVkMenu = 93;
inline constexpr int kVkSleep = 95;
inline constexpr int kVkNumpad0 = 96;
inline constexpr int kVkNumpad9 = 105;
inline constexpr int kVkMultiply = 106;
inline constexpr int kVkAdd = 107;
inline constexpr int kVkSeparator = 108;
inline constexpr int kVkSubtract = 109;
inline constexpr int kVkDecimal = 110;
inline constexpr int kVkDivide = 111;
inline constexpr int kVkF1 = 112;
inline constexpr int kVkF24 = 135;
inline constexpr int kVkNumLock = 144;
inline constexpr int kVkScrollLock = 145;
inline constexpr int kVkLeftShift = 160;
inline constexpr int kVkLaunchApp2 = 183;
inline constexpr int kVkOemSemicolon = 186;
inline constexpr int kVkOemPlus = 187;
inline constexpr int kVkOemComma = 188;
inline constexpr int kVkOemMinus = 189;
inline constexpr int kVkOemPeriod = 190;
inline constexpr int kVkOemSlash = 191;
inline constexpr int kVkOemTilde = 192;
inline constexpr int kVkOemOpenBracket = 219;
inline constexpr int kVkOemBackslash = 220;
inline constexpr int kVkOemCloseBracket = 221;
inline constexpr int kVkOemQuote = 222;
inline constexpr int kVkOem102 = 226;

// A key event in these terms.
struct KeyCode {
    int virtualKey = 0;
    int scanFlags = 0;

    bool IsRelease() const { return (scanFlags & kRelease) == kRelease; }
    bool IsAutoRepeat() const { return !IsRelease() && (scanFlags & kAutoRepeat) != 0; }
    // The physical key: scan code and extended bit, without the repeat and release bits.
    int ScanCode() const { return scanFlags & kScanCodeMask; }

    friend bool operator==(const KeyCode&, const KeyCode&) = default;
};

} // namespace zelt::pc
