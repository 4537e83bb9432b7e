#include "keytest/KeyCodeOutput.h"

#include "keytest/KeyCodeTables.h"

#include <algorithm>

namespace zelt {

namespace {

constexpr int kAutoRepeat = 0x4000;
constexpr int kScanCodeWithExtended = 0x1FF;
constexpr int kCapsLockScanCode = 0x3A;
constexpr int kLeftShiftScanCode = 0x2A;
constexpr int kRightShiftScanCode = 0x36;
constexpr std::uint16_t kKeyDownBit = 0x8000;

const keytest::NamedKey* FindNamedKey(int keyFlags) {
    const auto keys = keytest::NamedKeys();
    const auto it = std::find_if(keys.begin(), keys.end(), [keyFlags](const keytest::NamedKey& k) {
        return keyFlags == k.flags || (k.repeats && keyFlags == (k.flags | kAutoRepeat));
    });
    return it == keys.end() ? nullptr : &*it;
}

} // namespace

CapsLockKeyState MakeCapsLockKeyState(bool on, bool held) {
    const auto word = static_cast<std::uint16_t>((held ? kKeyDownBit : 0U) | (on ? 1U : 0U));
    return static_cast<CapsLockKeyState>(word);
}

std::optional<char> ScanCodeToChar(int keyFlags, bool unshifted) {
    for (const keytest::CharacterKey& key : keytest::CharacterKeys()) {
        if (key.scanCode == keyFlags) {
            return unshifted ? key.unshifted : key.shifted;
        }
    }
    return std::nullopt;
}

void KeyCodeOutput::Clear() {
    shiftDown_ = 0;
    text_.clear();
    capsLockHeld_ = false;
}

void KeyCodeOutput::KeyDown(int charCode, int keyFlags, bool capsLockOn) {
    if ((keyFlags & kScanCodeWithExtended) == kCapsLockScanCode) {
        capsLockHeld_ = true;
    }
    text_ += FormatKeyCode(charCode, keyFlags, MakeCapsLockKeyState(capsLockOn, capsLockHeld_));
}

void KeyCodeOutput::KeyUp(int keyFlags) {
    if (keyFlags == kLeftShiftReleaseFlags || keyFlags == kRightShiftReleaseFlags) {
        shiftDown_ = 0;
    }
    if ((keyFlags & kScanCodeWithExtended) == kCapsLockScanCode) {
        capsLockHeld_ = false;
    }
}

std::string KeyCodeOutput::FormatKeyCode(int charCode, int keyFlags, CapsLockKeyState capsLock) {
    if (const keytest::NamedKey* named = FindNamedKey(keyFlags)) {
        const int scanCode = named->flags;
        if (scanCode == kLeftShiftScanCode || scanCode == kRightShiftScanCode) {
            shiftDown_ = 1;
        }
        return named->text;
    }
    if (charCode >= 'A' && charCode <= 'Z') {
        // A held Caps Lock key makes the word negative, and the result non-zero whatever
        // Shift says: upper case.
        const bool upper = (shiftDown_ ^ static_cast<int>(capsLock)) != 0;
        const char letter = static_cast<char>(charCode);
        return std::string(1, upper ? letter : static_cast<char>(letter - 'A' + 'a'));
    }
    if (const std::optional<char> c = ScanCodeToChar(keyFlags, shiftDown_ == 0)) {
        return std::string(1, *c);
    }
    return {};
}

} // namespace zelt
