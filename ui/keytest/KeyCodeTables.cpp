#include "keytest/KeyCodeTables.h"

#include <array>

namespace zelt::keytest {

namespace {

// clang-format off
// F6 (0x40) and F10 (0x44) are missing on purpose: the main window takes them before the test
// could see them. Caps Lock has no auto-repeat value.
constexpr std::array kNamedKeys = {
    NamedKey{0x01, ", [ESC]", true},
    NamedKey{0x0E, ", [Backspace]", true},
    NamedKey{0x0F, ", [Tab]", true},
    NamedKey{0x1C, ", [Enter]", true},
    NamedKey{0x1D, ", [Ctrl]", true},
    NamedKey{0x2A, ", [Shift]", true},
    NamedKey{0x36, ", [RightShift]", true},
    NamedKey{0x37, ", [PAD*]", true},
    NamedKey{0x39, ", [Space]", true},
    NamedKey{0x3A, ", [CapsLock]", false},
    NamedKey{0x3B, ", [F1]", true},
    NamedKey{0x3C, ", [F2]", true},
    NamedKey{0x3D, ", [F3]", true},
    NamedKey{0x3E, ", [F4]", true},
    NamedKey{0x3F, ", [F5]", true},
    NamedKey{0x41, ", [F7]", true},
    NamedKey{0x42, ", [F8]", true},
    NamedKey{0x43, ", [F9]", true},
    NamedKey{0x45, ", [PauseBreak]", true},
    NamedKey{0x46, ", [ScrollLk]", true},
    NamedKey{0x47, ", [PAD7]", true},
    NamedKey{0x48, ", [PAD8]", true},
    NamedKey{0x49, ", [PAD9]", true},
    NamedKey{0x4A, ", [PAD-]", true},
    NamedKey{0x4B, ", [PAD4]", true},
    NamedKey{0x4C, ", [PAD5]", true},
    NamedKey{0x4D, ", [PAD6]", true},
    NamedKey{0x4E, ", [PAD+]", true},
    NamedKey{0x4F, ", [PAD1]", true},
    NamedKey{0x50, ", [PAD2]", true},
    NamedKey{0x51, ", [PAD3]", true},
    NamedKey{0x52, ", [PAD0]", true},
    NamedKey{0x53, ", [PAD.]", true},
    NamedKey{0x57, ", [F11]", true},
    NamedKey{0x58, ", [F12]", true},
    NamedKey{0x11C, ", [PADEnter]", true},
    NamedKey{0x11D, ", [RightCtrl]", true},
    NamedKey{0x135, ", [PAD/]", true},
    NamedKey{0x145, ", [NumLock]", true},
    NamedKey{0x147, ", [Home]", true},
    NamedKey{0x148, ", [ArrowUp]", true},
    NamedKey{0x149, ", [PageUp]", true},
    NamedKey{0x14B, ", [ArrowLeft]", true},
    NamedKey{0x14D, ", [ArrowRight]", true},
    NamedKey{0x14F, ", [End]", true},
    NamedKey{0x150, ", [ArrowDown]", true},
    NamedKey{0x151, ", [PageDown]", true},
    NamedKey{0x152, ", [Insert]", true},
    NamedKey{0x153, ", [Delete]", true},
    NamedKey{0x15B, ", [Win]", true},
    NamedKey{0x15C, ", [RightWin]", true},
    NamedKey{0x15D, ", [Menu]", true},
};

constexpr std::array kCharacterKeys = {
    CharacterKey{0x02, '1', '!'},
    CharacterKey{0x03, '2', '@'},
    CharacterKey{0x04, '3', '#'},
    CharacterKey{0x05, '4', '$'},
    CharacterKey{0x06, '5', '%'},
    CharacterKey{0x07, '6', '^'},
    CharacterKey{0x08, '7', '&'},
    CharacterKey{0x09, '8', '*'},
    CharacterKey{0x0A, '9', '('},
    CharacterKey{0x0B, '0', ')'},
    CharacterKey{0x0C, '-', '_'},
    CharacterKey{0x0D, '=', '+'},
    CharacterKey{0x1A, '[', '{'},
    CharacterKey{0x1B, ']', '}'},
    CharacterKey{0x27, ';', ':'},
    CharacterKey{0x28, '\'', '"'},
    CharacterKey{0x29, '`', '~'},
    CharacterKey{0x2B, '\\', '|'},
    CharacterKey{0x33, ',', '<'},
    CharacterKey{0x34, '.', '>'},
    CharacterKey{0x35, '/', '?'},
};
// clang-format on

} // namespace

std::span<const NamedKey> NamedKeys() {
    return kNamedKeys;
}

std::span<const CharacterKey> CharacterKeys() {
    return kCharacterKeys;
}

} // namespace zelt::keytest
