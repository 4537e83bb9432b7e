#include "input/PcKeyTable.h"

#include "typing/PcKeyCodes.h"

#include <Qt>

#include <algorithm>
#include <array>

namespace zelt {

namespace {

using namespace pc;

// clang-format off
constexpr std::array kKeys = {
    //       name             scan code          evdev  VK                  Qt key                keypad Qt key alternate       VK alternate
    PcKeyRow{"Escape",        kScanEscape,       1,     kVkEscape,          Qt::Key_Escape,       false, 0,                     0},
    PcKeyRow{"1",             0x02,              2,     '1',                Qt::Key_1,            false, Qt::Key_Exclam,        0},
    PcKeyRow{"2",             0x03,              3,     '2',                Qt::Key_2,            false, Qt::Key_At,            0},
    PcKeyRow{"3",             0x04,              4,     '3',                Qt::Key_3,            false, Qt::Key_NumberSign,    0},
    PcKeyRow{"4",             0x05,              5,     '4',                Qt::Key_4,            false, Qt::Key_Dollar,        0},
    PcKeyRow{"5",             0x06,              6,     '5',                Qt::Key_5,            false, Qt::Key_Percent,       0},
    PcKeyRow{"6",             0x07,              7,     '6',                Qt::Key_6,            false, Qt::Key_AsciiCircum,   0},
    PcKeyRow{"7",             0x08,              8,     '7',                Qt::Key_7,            false, Qt::Key_Ampersand,     0},
    PcKeyRow{"8",             0x09,              9,     '8',                Qt::Key_8,            false, Qt::Key_Asterisk,      0},
    PcKeyRow{"9",             0x0A,              10,    '9',                Qt::Key_9,            false, Qt::Key_ParenLeft,     0},
    PcKeyRow{"0",             0x0B,              11,    '0',                Qt::Key_0,            false, Qt::Key_ParenRight,    0},
    PcKeyRow{"Minus",         0x0C,              12,    kVkOemMinus,        Qt::Key_Minus,        false, Qt::Key_Underscore,    0},
    PcKeyRow{"Equal",         0x0D,              13,    kVkOemPlus,         Qt::Key_Equal,        false, Qt::Key_Plus,          0},
    PcKeyRow{"Backspace",     kScanBackspace,    14,    kVkBackspace,       Qt::Key_Backspace,    false, 0,                     0},
    PcKeyRow{"Tab",           kScanTab,          15,    kVkTab,             Qt::Key_Tab,          false, Qt::Key_Backtab,       0},
    PcKeyRow{"Q",             0x10,              16,    'Q',                Qt::Key_Q,            false, 0,                     0},
    PcKeyRow{"W",             0x11,              17,    'W',                Qt::Key_W,            false, 0,                     0},
    PcKeyRow{"E",             0x12,              18,    'E',                Qt::Key_E,            false, 0,                     0},
    PcKeyRow{"R",             0x13,              19,    'R',                Qt::Key_R,            false, 0,                     0},
    PcKeyRow{"T",             0x14,              20,    'T',                Qt::Key_T,            false, 0,                     0},
    PcKeyRow{"Y",             0x15,              21,    'Y',                Qt::Key_Y,            false, 0,                     0},
    PcKeyRow{"U",             0x16,              22,    'U',                Qt::Key_U,            false, 0,                     0},
    PcKeyRow{"I",             0x17,              23,    'I',                Qt::Key_I,            false, 0,                     0},
    PcKeyRow{"O",             0x18,              24,    'O',                Qt::Key_O,            false, 0,                     0},
    PcKeyRow{"P",             0x19,              25,    'P',                Qt::Key_P,            false, 0,                     0},
    PcKeyRow{"BracketLeft",   0x1A,              26,    kVkOemOpenBracket,  Qt::Key_BracketLeft,  false, Qt::Key_BraceLeft,     0},
    PcKeyRow{"BracketRight",  0x1B,              27,    kVkOemCloseBracket, Qt::Key_BracketRight, false, Qt::Key_BraceRight,    0},
    PcKeyRow{"Enter",         kScanEnter,        28,    kVkReturn,          Qt::Key_Return,       false, 0,                     0},
    PcKeyRow{"LeftCtrl",      kScanLeftCtrl,     29,    kVkControl,         Qt::Key_Control,      false, 0,                     0},
    PcKeyRow{"A",             0x1E,              30,    'A',                Qt::Key_A,            false, 0,                     0},
    PcKeyRow{"S",             0x1F,              31,    'S',                Qt::Key_S,            false, 0,                     0},
    PcKeyRow{"D",             0x20,              32,    'D',                Qt::Key_D,            false, 0,                     0},
    PcKeyRow{"F",             0x21,              33,    'F',                Qt::Key_F,            false, 0,                     0},
    PcKeyRow{"G",             0x22,              34,    'G',                Qt::Key_G,            false, 0,                     0},
    PcKeyRow{"H",             0x23,              35,    'H',                Qt::Key_H,            false, 0,                     0},
    PcKeyRow{"J",             0x24,              36,    'J',                Qt::Key_J,            false, 0,                     0},
    PcKeyRow{"K",             0x25,              37,    'K',                Qt::Key_K,            false, 0,                     0},
    PcKeyRow{"L",             0x26,              38,    'L',                Qt::Key_L,            false, 0,                     0},
    PcKeyRow{"Semicolon",     0x27,              39,    kVkOemSemicolon,    Qt::Key_Semicolon,    false, Qt::Key_Colon,         0},
    PcKeyRow{"Apostrophe",    0x28,              40,    kVkOemQuote,        Qt::Key_Apostrophe,   false, Qt::Key_QuoteDbl,      0},
    PcKeyRow{"Grave",         0x29,              41,    kVkOemTilde,        Qt::Key_QuoteLeft,    false, Qt::Key_AsciiTilde,    0},
    PcKeyRow{"LeftShift",     kScanLeftShift,    42,    kVkShift,           Qt::Key_Shift,        false, 0,                     0},
    PcKeyRow{"Backslash",     0x2B,              43,    kVkOemBackslash,    Qt::Key_Backslash,    false, Qt::Key_Bar,           0},
    PcKeyRow{"Z",             0x2C,              44,    'Z',                Qt::Key_Z,            false, 0,                     0},
    PcKeyRow{"X",             0x2D,              45,    'X',                Qt::Key_X,            false, 0,                     0},
    PcKeyRow{"C",             0x2E,              46,    'C',                Qt::Key_C,            false, 0,                     0},
    PcKeyRow{"V",             0x2F,              47,    'V',                Qt::Key_V,            false, 0,                     0},
    PcKeyRow{"B",             0x30,              48,    'B',                Qt::Key_B,            false, 0,                     0},
    PcKeyRow{"N",             0x31,              49,    'N',                Qt::Key_N,            false, 0,                     0},
    PcKeyRow{"M",             0x32,              50,    'M',                Qt::Key_M,            false, 0,                     0},
    PcKeyRow{"Comma",         0x33,              51,    kVkOemComma,        Qt::Key_Comma,        false, Qt::Key_Less,          0},
    PcKeyRow{"Period",        0x34,              52,    kVkOemPeriod,       Qt::Key_Period,       false, Qt::Key_Greater,       0},
    PcKeyRow{"Slash",         0x35,              53,    kVkOemSlash,        Qt::Key_Slash,        false, Qt::Key_Question,      0},
    PcKeyRow{"RightShift",    kScanRightShift,   54,    kVkShift,           Qt::Key_Shift,        false, 0,                     0},
    PcKeyRow{"KeypadMultiply",kScanKeypadMultiply,55,   kVkMultiply,        Qt::Key_Asterisk,     true,  0,                     0},
    PcKeyRow{"LeftAlt",       kScanLeftAlt,      56,    kVkAlt,             Qt::Key_Alt,          false, 0,                     0},
    PcKeyRow{"Space",         kScanSpace,        57,    kVkSpace,           Qt::Key_Space,        false, 0,                     0},
    PcKeyRow{"CapsLock",      kScanCapsLock,     58,    kVkCapsLock,        Qt::Key_CapsLock,     false, 0,                     0},
    PcKeyRow{"F1",            kScanF1,           59,    kVkF1,              Qt::Key_F1,           false, 0,                     0},
    PcKeyRow{"F2",            kScanF2,           60,    kVkF1 + 1,          Qt::Key_F2,           false, 0,                     0},
    PcKeyRow{"F3",            kScanF3,           61,    kVkF1 + 2,          Qt::Key_F3,           false, 0,                     0},
    PcKeyRow{"F4",            kScanF4,           62,    kVkF1 + 3,          Qt::Key_F4,           false, 0,                     0},
    PcKeyRow{"F5",            kScanF5,           63,    kVkF1 + 4,          Qt::Key_F5,           false, 0,                     0},
    PcKeyRow{"F6",            kScanF6,           64,    kVkF1 + 5,          Qt::Key_F6,           false, 0,                     0},
    PcKeyRow{"F7",            kScanF7,           65,    kVkF1 + 6,          Qt::Key_F7,           false, 0,                     0},
    PcKeyRow{"F8",            kScanF8,           66,    kVkF1 + 7,          Qt::Key_F8,           false, 0,                     0},
    PcKeyRow{"F9",            kScanF9,           67,    kVkF1 + 8,          Qt::Key_F9,           false, 0,                     0},
    PcKeyRow{"F10",           kScanF10,          68,    kVkF1 + 9,          Qt::Key_F10,          false, 0,                     0},
    PcKeyRow{"Pause",         kScanPause,        119,   kVkPause,           Qt::Key_Pause,        false, 0,                     0},
    PcKeyRow{"ScrollLock",    kScanScrollLock,   70,    kVkScrollLock,      Qt::Key_ScrollLock,   false, 0,                     0},
    PcKeyRow{"Keypad7",       kScanKeypad7,      71,    kVkNumpad0 + 7,     Qt::Key_7,            true,  Qt::Key_Home,          kVkHome},
    PcKeyRow{"Keypad8",       kScanKeypad8,      72,    kVkNumpad0 + 8,     Qt::Key_8,            true,  Qt::Key_Up,            kVkUp},
    PcKeyRow{"Keypad9",       kScanKeypad9,      73,    kVkNumpad0 + 9,     Qt::Key_9,            true,  Qt::Key_PageUp,        kVkPageUp},
    PcKeyRow{"KeypadMinus",   kScanKeypadMinus,  74,    kVkSubtract,        Qt::Key_Minus,        true,  0,                     0},
    PcKeyRow{"Keypad4",       kScanKeypad4,      75,    kVkNumpad0 + 4,     Qt::Key_4,            true,  Qt::Key_Left,          kVkLeft},
    PcKeyRow{"Keypad5",       kScanKeypad5,      76,    kVkNumpad0 + 5,     Qt::Key_5,            true,  Qt::Key_Clear,         kVkClear},
    PcKeyRow{"Keypad6",       kScanKeypad6,      77,    kVkNumpad0 + 6,     Qt::Key_6,            true,  Qt::Key_Right,         kVkRight},
    PcKeyRow{"KeypadPlus",    kScanKeypadPlus,   78,    kVkAdd,             Qt::Key_Plus,         true,  0,                     0},
    PcKeyRow{"Keypad1",       kScanKeypad1,      79,    kVkNumpad0 + 1,     Qt::Key_1,            true,  Qt::Key_End,           kVkEnd},
    PcKeyRow{"Keypad2",       kScanKeypad2,      80,    kVkNumpad0 + 2,     Qt::Key_2,            true,  Qt::Key_Down,          kVkDown},
    PcKeyRow{"Keypad3",       kScanKeypad3,      81,    kVkNumpad0 + 3,     Qt::Key_3,            true,  Qt::Key_PageDown,      kVkPageDown},
    PcKeyRow{"Keypad0",       kScanKeypad0,      82,    kVkNumpad0,         Qt::Key_0,            true,  Qt::Key_Insert,        kVkInsert},
    PcKeyRow{"KeypadPeriod",  kScanKeypadPeriod, 83,    kVkDecimal,         Qt::Key_Period,       true,  Qt::Key_Delete,        kVkDelete},
    PcKeyRow{"Iso102nd",      kScanIso102nd,     86,    kVkOem102,          Qt::Key_Less,         false, Qt::Key_Greater,       0},
    PcKeyRow{"F11",           kScanF11,          87,    kVkF1 + 10,         Qt::Key_F11,          false, 0,                     0},
    PcKeyRow{"F12",           kScanF12,          88,    kVkF1 + 11,         Qt::Key_F12,          false, 0,                     0},
    PcKeyRow{"KeypadEnter",   kScanKeypadEnter,  96,    kVkReturn,          Qt::Key_Enter,        true,  0,                     0},
    PcKeyRow{"RightCtrl",     kScanRightCtrl,    97,    kVkControl,         Qt::Key_Control,      false, 0,                     0},
    PcKeyRow{"KeypadDivide",  kScanKeypadDivide, 98,    kVkDivide,          Qt::Key_Slash,        true,  0,                     0},
    PcKeyRow{"PrintScreen",   kScanPrintScreen,  99,    kVkPrintScreen,     Qt::Key_Print,        false, 0,                     0},
    PcKeyRow{"RightAlt",      kScanRightAlt,     100,   kVkAlt,             Qt::Key_Alt,          false, Qt::Key_AltGr,         0},
    PcKeyRow{"NumLock",       kScanNumLock,      69,    kVkNumLock,         Qt::Key_NumLock,      false, 0,                     0},
    PcKeyRow{"Home",          kScanHome,         102,   kVkHome,            Qt::Key_Home,         false, 0,                     0},
    PcKeyRow{"ArrowUp",       kScanArrowUp,      103,   kVkUp,              Qt::Key_Up,           false, 0,                     0},
    PcKeyRow{"PageUp",        kScanPageUp,       104,   kVkPageUp,          Qt::Key_PageUp,       false, 0,                     0},
    PcKeyRow{"ArrowLeft",     kScanArrowLeft,    105,   kVkLeft,            Qt::Key_Left,         false, 0,                     0},
    PcKeyRow{"ArrowRight",    kScanArrowRight,   106,   kVkRight,           Qt::Key_Right,        false, 0,                     0},
    PcKeyRow{"End",           kScanEnd,          107,   kVkEnd,             Qt::Key_End,          false, 0,                     0},
    PcKeyRow{"ArrowDown",     kScanArrowDown,    108,   kVkDown,            Qt::Key_Down,         false, 0,                     0},
    PcKeyRow{"PageDown",      kScanPageDown,     109,   kVkPageDown,        Qt::Key_PageDown,     false, 0,                     0},
    PcKeyRow{"Insert",        kScanInsert,       110,   kVkInsert,          Qt::Key_Insert,       false, 0,                     0},
    PcKeyRow{"Delete",        kScanDelete,       111,   kVkDelete,          Qt::Key_Delete,       false, 0,                     0},
    PcKeyRow{"LeftWindows",   kScanLeftWindows,  125,   kVkLeftWindows,     Qt::Key_Super_L,      false, Qt::Key_Meta,          0},
    PcKeyRow{"RightWindows",  kScanRightWindows, 126,   kVkRightWindows,    Qt::Key_Super_R,      false, 0,                     0},
    PcKeyRow{"Menu",          kScanMenu,         127,   kVkMenu,            Qt::Key_Menu,         false, 0,                     0},
};
// clang-format on

template <typename Matches> const PcKeyRow* FindFirst(Matches matches) {
    const auto it = std::find_if(kKeys.begin(), kKeys.end(), matches);
    return it == kKeys.end() ? nullptr : &*it;
}

} // namespace

std::span<const PcKeyRow> PcKeyTable() {
    return kKeys;
}

const PcKeyRow* FindPcKeyByScanCode(int scanCode) {
    return FindFirst([scanCode](const PcKeyRow& row) { return row.scanCode == scanCode; });
}

const PcKeyRow* FindPcKeyByEvdevCode(int evdevCode) {
    return FindFirst([evdevCode](const PcKeyRow& row) { return row.evdevCode == evdevCode; });
}

const PcKeyRow* FindPcKeyByQtKey(int qtKey, bool keypad) {
    if (qtKey == 0) {
        return nullptr;
    }
    return FindFirst([qtKey, keypad](const PcKeyRow& row) {
        return row.keypad == keypad && (row.qtKey == qtKey || row.qtKeyAlternate == qtKey);
    });
}

} // namespace zelt
