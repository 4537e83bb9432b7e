#include "platform/LockKeys.h"

#include <QGuiApplication>

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(ZELT_HAVE_X11)
#include <QtGui/qguiapplication_platform.h>
#if QT_CONFIG(xcb)
#include <X11/XKBlib.h>
#define ZELT_USE_XKB 1
#endif
#endif

namespace zelt {

#if defined(Q_OS_WIN)

LockKeys QueryLockKeys() {
    // The low bit of GetKeyState is the toggle state of a lock key.
    LockKeys keys;
    keys.capsLock = (GetKeyState(VK_CAPITAL) & 1) != 0;
    keys.numLock = (GetKeyState(VK_NUMLOCK) & 1) != 0;
    keys.scrollLock = (GetKeyState(VK_SCROLL) & 1) != 0;
    return keys;
}

#elif defined(ZELT_USE_XKB)

namespace {

bool IndicatorOn(Display* display, const char* name) {
    // Indicator names are interned once per display connection by the server; looking them up
    // by name keeps us independent of the keymap's modifier assignment (Num Lock is not always
    // Mod2, and Scroll Lock is usually no modifier at all).
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None) {
        return false;
    }
    Bool on = False;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr)) {
        return false;
    }
    return on == True;
}

} // namespace

LockKeys QueryLockKeys() {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                   : nullptr;
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    if (display == nullptr) {
        return {};
    }
    LockKeys keys;
    keys.capsLock = IndicatorOn(display, "Caps Lock");
    keys.numLock = IndicatorOn(display, "Num Lock");
    keys.scrollLock = IndicatorOn(display, "Scroll Lock");
    return keys;
}

#else

LockKeys QueryLockKeys() {
    return {};
}

#endif

} // namespace zelt
