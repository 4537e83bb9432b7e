#pragma once

#include <functional>

namespace zelt {

// The state of the three lock keys as the keyboard's indicators show it.
struct LockKeys {
    bool capsLock = false;
    bool numLock = false;
    bool scrollLock = false;

    friend bool operator==(const LockKeys&, const LockKeys&) = default;
};

// Asks the windowing system: XKB indicators on X11, GetKeyState on Windows. Where the state
// cannot be known (offscreen, Wayland without X11, other systems) every lock reads as off, so
// typed letters come out as typed and tests behave the same on every machine.
LockKeys QueryLockKeys();

// The status bar and the typing code take the state through this, so tests can set it.
using LockKeyProvider = std::function<LockKeys()>;

} // namespace zelt
