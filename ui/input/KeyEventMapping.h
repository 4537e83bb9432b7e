#pragma once

#include "typing/PcKeyCodes.h"

#include <optional>

class QKeyEvent;

namespace zelt {

// What the platform's native scan code of a key event means.
enum class NativeKeyCodes {
    // No usable native code (offscreen, synthesized events, systems without PC scan codes):
    // the key is known from its Qt key alone.
    None,
    // X11 and Wayland: the key code is the Linux input event code plus 8.
    Evdev,
    // Windows: the PC scan code, with the extended-key bit.
    Windows,
};

// The kind of native code the running platform delivers.
NativeKeyCodes PlatformNativeKeyCodes();

// Translates a Qt key event into the virtual-key code and scan flags of the editor's keyboard
// rules. The physical key comes from the native scan code where the platform gives one, else
// from the Qt key (with the keypad modifier) so that synthesized events map too. Letters take
// the virtual-key code of the letter the layout produces, as they do on Windows; a keypad key
// takes the code that its Num Lock state gives (numLock is asked only when the event itself
// does not tell). Presses carry the auto-repeat bit when Qt reports a repeat; releases carry
// the release bits. A release that is part of an auto-repeat is no release of the key:
// nothing is returned for it.
std::optional<pc::KeyCode> MapKeyEvent(const QKeyEvent& event, bool numLock,
                                       NativeKeyCodes native = PlatformNativeKeyCodes());

// True for the keys that belong to the menu bar rather than to the focused window: the Alt keys,
// F10, and any key pressed while Alt (without Ctrl, which makes it AltGr on Windows) is held.
bool IsMenuKey(const QKeyEvent& event);

} // namespace zelt
