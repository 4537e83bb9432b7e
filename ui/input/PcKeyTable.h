#pragma once

#include <span>

namespace zelt {

// One physical key of a PC keyboard (US layout) and every name it goes by: its scan code of
// set 1 (with pc::kExtended for E0 keys), its Linux input event code, its Windows virtual-key
// code, and the Qt key it produces. Keys whose meaning changes with Shift or Num Lock also name
// the Qt key they produce then; a keypad key's virtual-key code changes with Num Lock as well.
struct PcKeyRow {
    // A short name for messages and test output.
    const char* name;
    int scanCode;
    // Linux input event code; X11 and Wayland key codes are this plus 8.
    int evdevCode;
    int virtualKey;
    // The Qt::Key of the key, unshifted and with Num Lock on.
    int qtKey;
    // True when Qt reports the key with Qt::KeypadModifier.
    bool keypad;
    // The Qt::Key the key produces shifted (US layout) or, on the keypad, with Num Lock off;
    // 0 when there is none.
    int qtKeyAlternate;
    // The virtual-key code that goes with qtKeyAlternate; 0 when it is virtualKey.
    int virtualKeyAlternate;
};

// Every key, in scan code order. Where two keys produce the same Qt key (the left and right
// Shift, Ctrl and Alt keys), the left one comes first; without a native scan code the two
// cannot be told apart and the left one is assumed.
std::span<const PcKeyRow> PcKeyTable();

// The row of a scan code (with its extended bit), of a Linux input event code, or of a Qt key
// with or without the keypad modifier (matching the unshifted or the alternate key); nullptr
// when no key has it.
const PcKeyRow* FindPcKeyByScanCode(int scanCode);
const PcKeyRow* FindPcKeyByEvdevCode(int evdevCode);
const PcKeyRow* FindPcKeyByQtKey(int qtKey, bool keypad);

} // namespace zelt
