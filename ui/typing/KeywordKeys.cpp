#include "typing/KeywordKeys.h"

#include "typing/PcKeyCodes.h"

#include <algorithm>
#include <array>

namespace zelt {

namespace {

using namespace pc;

// F6, F10 and the Alt keys are missing on purpose: the main window and the menu bar take them
// before the view sees them. Their keywords are entered with the scan code list instead.
constexpr std::array kKeywordKeys = {
    KeywordKey{kScanEscape, "[ESC]", KeyAction::Escape},
    KeywordKey{kScanF1, "[F1]", KeyAction::Nothing},
    KeywordKey{kScanF2, "[F2]", KeyAction::Nothing},
    KeywordKey{kScanF3, "[F3]", KeyAction::Nothing},
    KeywordKey{kScanF4, "[F4]", KeyAction::Nothing},
    KeywordKey{kScanF5, "[F5]", KeyAction::Nothing},
    KeywordKey{kScanF7, "[F7]", KeyAction::Nothing},
    KeywordKey{kScanF8, "[F8]", KeyAction::Nothing},
    KeywordKey{kScanF9, "[F9]", KeyAction::Nothing},
    KeywordKey{kScanF11, "[F11]", KeyAction::Nothing},
    KeywordKey{kScanF12, "[F12]", KeyAction::Nothing},
    KeywordKey{kScanTab, "[Tab]", KeyAction::Nothing},
    KeywordKey{kScanCapsLock, "[CapsLock]", KeyAction::Nothing},
    KeywordKey{kScanLeftCtrl, "[Ctrl]", KeyAction::Nothing},
    KeywordKey{kScanRightCtrl, "[RightCtrl]", KeyAction::Nothing},
    KeywordKey{kScanLeftShift, "[Shift]", KeyAction::ShiftDown},
    KeywordKey{kScanRightShift, "[RightShift]", KeyAction::ShiftDown},
    KeywordKey{kScanPause, "[PauseBreak]", KeyAction::Nothing},
    KeywordKey{kScanScrollLock, "[ScrollLk]", KeyAction::Nothing},
    KeywordKey{kScanNumLock, "[NumLock]", KeyAction::Nothing},
    KeywordKey{kScanInsert, "[Insert]", KeyAction::Nothing},
    KeywordKey{kScanPageUp, "[PageUp]", KeyAction::Nothing},
    KeywordKey{kScanPageDown, "[PageDown]", KeyAction::Nothing},
    KeywordKey{kScanLeftWindows, "[Win]", KeyAction::Nothing},
    KeywordKey{kScanRightWindows, "[RightWin]", KeyAction::Nothing},
    KeywordKey{kScanMenu, "[Menu]", KeyAction::Nothing},
    KeywordKey{kScanHome, "[Home]", KeyAction::CaretHome},
    KeywordKey{kScanEnd, "[End]", KeyAction::CaretEnd},
    KeywordKey{kScanArrowLeft, "[ArrowLeft]", KeyAction::ArrowLeft},
    KeywordKey{kScanArrowRight, "[ArrowRight]", KeyAction::ArrowRight},
    KeywordKey{kScanArrowUp, "[ArrowUp]", KeyAction::SelectionUp},
    KeywordKey{kScanArrowDown, "[ArrowDown]", KeyAction::SelectionDown},
    KeywordKey{kScanBackspace, "[Backspace]", KeyAction::DeleteBeforeCaret},
    KeywordKey{kScanDelete, "[Delete]", KeyAction::DeleteAtCaret},
};

constexpr std::array kKeypadKeys = {
    KeypadKey{kScanKeypad7, '7', KeyAction::CaretHome},
    KeypadKey{kScanKeypad1, '1', KeyAction::CaretEnd},
    KeypadKey{kScanKeypad8, '8', KeyAction::SelectionUp},
    KeypadKey{kScanKeypad2, '2', KeyAction::SelectionDown},
    KeypadKey{kScanKeypad4, '4', KeyAction::ArrowLeft},
    KeypadKey{kScanKeypad6, '6', KeyAction::ArrowRight},
};

template <typename Table> auto FindByScanCode(const Table& table, int scanCode) {
    const auto it = std::find_if(table.begin(), table.end(),
                                 [scanCode](const auto& row) { return row.scanCode == scanCode; });
    return it == table.end() ? nullptr : &*it;
}

} // namespace

const KeywordKey* FindKeywordKey(int scanCode) {
    return FindByScanCode(kKeywordKeys, scanCode);
}
const KeypadKey* FindKeypadKey(int scanCode) {
    return FindByScanCode(kKeypadKeys, scanCode);
}

} // namespace zelt
