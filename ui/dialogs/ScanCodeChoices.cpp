#include "dialogs/ScanCodeChoices.h"

#include <array>

namespace zelt {

namespace {

// F6, F10 and the Alt keys cannot be typed after ESC (the window takes them), so this list is
// where they are entered.
constexpr std::array<std::string_view, 80> kChoices = {
    "[F1]",
    "[F2]",
    "[F3]",
    "[F4]",
    "[F5]",
    "[F6]",
    "[F7]",
    "[F8]",
    "[F9]",
    "[F10]",
    "[F11]",
    "[F12]",
    "[ESC]",
    "[Backspace]",
    "[Tab]",
    "[CapsLock]",
    "[Enter]",
    "[Shift]",
    "[RightShift]",
    "[Ctrl]",
    "[RightCtrl]",
    "[Alt]",
    "[RightAlt]",
    "[Space]",
    "[Insert]",
    "[Delete]",
    "[Home]",
    "[End]",
    "[PageUp]",
    "[PageDown]",
    "[ArrowUp]",
    "[ArrowLeft]",
    "[ArrowRight]",
    "[ArrowDown]",
    "[NumLock]",
    "[ScrollLk]",
    "[PrintScreen]",
    "[PauseBreak]",
    "[Win]",
    "[RightWin]",
    "[Menu]",
    "[Ctrl+PauseBreak]",
    "[Ctrl+PrintScreen]",
    "[Alt+PrintScreen]",
    "[PAD0]",
    "[PAD1]",
    "[PAD2]",
    "[PAD3]",
    "[PAD4]",
    "[PAD5]",
    "[PAD6]",
    "[PAD7]",
    "[PAD8]",
    "[PAD9]",
    "[PAD+]",
    "[PAD-]",
    "[PAD*]",
    "[PAD/]",
    "[PAD.]",
    "[PADEnter]",
    "",
    "[SystemPower]",
    "[SystemSleep]",
    "[SystemWake]",
    "[Stop]",
    "[PlayPause]",
    "[Mute]",
    "[VolumeUp]",
    "[VolumeDown]",
    "[MediaSelect]",
    "[Mail]",
    "[Calculator]",
    "[MyComputer]",
    "[WWWSearch]",
    "[WWWHome]",
    "[WWWBack]",
    "[WWWForward]",
    "[WWWStop]",
    "[WWWRefresh]",
    "[WWWFavorites]",
};

} // namespace

std::span<const std::string_view> ScanCodeChoices() {
    return kChoices;
}

} // namespace zelt
