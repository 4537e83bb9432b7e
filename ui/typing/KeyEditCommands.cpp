#include "typing/KeyEditCommands.h"

#include "KeyContent.h"
#include "KeyRecordCodes.h"
#include "KeywordTables.h"
#include "typing/CaretMoves.h"
#include "typing/ContentEdits.h"

#include <cstddef>

namespace zelt {

bool KeyEditCommands::CanClearKey() {
    return !key_.Content().empty();
}

bool KeyEditCommands::CanEnterShiftLevel() {
    return key_.Content().empty() && key_.InAsciiMode();
}

Redraw KeyEditCommands::ClearKey() {
    key_.MarkDocumentModified();
    ViewState& state = key_.State();
    state.caretIndex = 0;
    state.caretColumn = 0;
    state.decimalCaretIndex = 0;
    key_.Content().clear();
    key_.ClearKeyLockMirror();
    return Redraw::StatusArea;
}

Redraw KeyEditCommands::SetAsciiMode() {
    SetMode(1);
    return Redraw::All;
}

Redraw KeyEditCommands::SetScanCodeMode() {
    SetMode(0);
    return Redraw::All;
}

void KeyEditCommands::SetMode(int asciiMode) {
    ViewState& state = key_.State();
    int& mode = state.keyAsciiMode[static_cast<std::size_t>(state.selectedKey)];
    // A content of one mode means nothing in the other.
    if (mode != asciiMode) {
        key_.Content().clear();
    }
    mode = asciiMode;
    state.caretIndex = 0;
    state.caretColumn = 0;
    state.decimalDisplay = 0;
}

Redraw KeyEditCommands::InsertText(std::string_view text) {
    key_.MarkDocumentModified();
    KeepCaretInContent(key_.State(), key_.Content());
    InsertCommandText(key_.State(), key_.Content(), text, key_.SpaceLeft());
    key_.ClearFlags();
    return Redraw::All;
}

Redraw KeyEditCommands::InsertCapsCode() {
    return InsertText(kCapsKeyword);
}

Redraw KeyEditCommands::InsertDelayTime(int tenths) {
    if (tenths < kMinDelayTenths || tenths > kMaxDelayTenths) {
        return Redraw::None;
    }
    return InsertText(DelayKeyword(tenths));
}

Redraw KeyEditCommands::EnterLevelSeparator() {
    return InsertText(kSeparatorKeyword);
}

Redraw KeyEditCommands::EnterShiftLevel(int level) {
    if (level < kMinShiftLevel || level > kMaxShiftLevel) {
        return Redraw::None;
    }
    return InsertText(ShiftLevelKeyword(level));
}

Redraw KeyEditCommands::InsertScanCode(std::string_view text) {
    return InsertText(text);
}

Redraw KeyEditCommands::EnterAsciiCode(int code) {
    if (code < kMinAsciiCode || code > kMaxAsciiCode) {
        return Redraw::None;
    }
    key_.MarkDocumentModified();
    KeepCaretInContent(key_.State(), key_.Content());
    InsertCharacterCode(key_.State(), key_.Content(), static_cast<char>(code), key_.SpaceLeft());
    key_.ClearFlags();
    return Redraw::All;
}

Redraw KeyEditCommands::SwitchAsciiDisplay(MessageSink& messages) {
    if (!IsAsciiContent(key_.Content())) {
        KeepCaretInContent(key_.State(), key_.Content());
        messages.ShowMessage(kWrongAsciiWordMessage);
        return Redraw::None;
    }
    ViewState& state = key_.State();
    if (key_.InAsciiMode()) {
        state.decimalDisplay = state.decimalDisplay == 0 ? 1 : 0;
    }
    state.caretIndex = 0;
    state.decimalCaretIndex = 0;
    state.caretColumn = 0;
    return Redraw::All;
}

} // namespace zelt
