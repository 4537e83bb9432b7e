#include "input/KeyEventMapping.h"

#include "input/PcKeyTable.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace zelt {

namespace {

// X11 and Wayland number their key codes from 8: code 8 is Linux input event code 0.
constexpr quint32 kEvdevOffset = 8;
// Qt's native modifiers on Windows carry the extended-key flag of the message in this bit.
constexpr quint32 kWindowsExtendedKeyModifier = 0x01000000;
constexpr quint32 kWindowsScanCodeMask = 0xFF;

bool IsQtLetter(int key) {
    return key >= Qt::Key_A && key <= Qt::Key_Z;
}

const PcKeyRow* NativeRow(const QKeyEvent& event, NativeKeyCodes native) {
    const quint32 code = event.nativeScanCode();
    switch (native) {
    case NativeKeyCodes::None:
        return nullptr;
    case NativeKeyCodes::Evdev:
        return code >= kEvdevOffset ? FindPcKeyByEvdevCode(static_cast<int>(code - kEvdevOffset))
                                    : nullptr;
    case NativeKeyCodes::Windows: {
        int scan = static_cast<int>(code & kWindowsScanCodeMask);
        if ((code & static_cast<quint32>(pc::kExtended)) != 0 ||
            (event.nativeModifiers() & kWindowsExtendedKeyModifier) != 0) {
            scan |= pc::kExtended;
        }
        return scan != 0 ? FindPcKeyByScanCode(scan) : nullptr;
    }
    }
    return nullptr;
}

// The virtual-key code of a key found by its native scan code. The layout decides letters, and
// the event's Qt key decides between a keypad key's two meanings; Num Lock is the last resort
// for layouts whose keypad produces keys the table does not name (a decimal comma, say).
int VirtualKeyOf(const PcKeyRow& row, int qtKey, bool numLock) {
    if (IsQtLetter(qtKey)) {
        return qtKey;
    }
    if (row.virtualKeyAlternate == 0 || qtKey == row.qtKey) {
        return row.virtualKey;
    }
    if (qtKey == row.qtKeyAlternate) {
        return row.virtualKeyAlternate;
    }
    return numLock ? row.virtualKey : row.virtualKeyAlternate;
}

// The virtual-key code of a key found by its Qt key.
int VirtualKeyOfQtKey(const PcKeyRow& row, int qtKey) {
    if (qtKey == row.qtKeyAlternate && row.virtualKeyAlternate != 0) {
        return row.virtualKeyAlternate;
    }
    return row.virtualKey;
}

pc::KeyCode PressOrRelease(const QKeyEvent& event, const PcKeyRow* row, int virtualKey) {
    int flags = row != nullptr ? row->scanCode : 0;
    if (event.type() == QEvent::KeyRelease) {
        flags |= pc::kRelease;
    } else if (event.isAutoRepeat()) {
        flags |= pc::kAutoRepeat;
    }
    return pc::KeyCode{virtualKey, flags};
}

} // namespace

NativeKeyCodes PlatformNativeKeyCodes() {
#if defined(Q_OS_WIN)
    return NativeKeyCodes::Windows;
#else
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"))) {
        return NativeKeyCodes::Evdev;
    }
    return NativeKeyCodes::None;
#endif
}

std::optional<pc::KeyCode> MapKeyEvent(const QKeyEvent& event, bool numLock,
                                       NativeKeyCodes native) {
    if (event.type() == QEvent::KeyRelease && event.isAutoRepeat()) {
        return std::nullopt;
    }
    const int qtKey = event.key();
    if (const PcKeyRow* row = NativeRow(event, native)) {
        int virtualKey = VirtualKeyOf(*row, qtKey, numLock);
        // Windows names the key itself, with the keyboard layout applied.
        if (native == NativeKeyCodes::Windows && event.nativeVirtualKey() != 0) {
            virtualKey = static_cast<int>(event.nativeVirtualKey());
        }
        return PressOrRelease(event, row, virtualKey);
    }
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if (const PcKeyRow* row = FindPcKeyByQtKey(qtKey, keypad)) {
        return PressOrRelease(event, row, VirtualKeyOfQtKey(*row, qtKey));
    }
    // A key of a layout this table does not know (an accented letter, a media key): the
    // rules see an unknown key, which types nothing.
    return PressOrRelease(event, nullptr, 0);
}

bool IsMenuKey(const QKeyEvent& event) {
    const int key = event.key();
    if (key == Qt::Key_Alt || key == Qt::Key_AltGr || key == Qt::Key_F10) {
        return true;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    return modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier);
}

} // namespace zelt
