#pragma once

#include "KeyRecordCodes.h"
#include "dialogs/SpinValueDialog.h"

namespace zelt {

inline constexpr SpinValueDialogSetup kShiftLevelDialog{"shiftLevelDialog", "Put Shift Level Code",
                                                        "Level No:",        "(1--9)",
                                                        kMinShiftLevel,     kMaxShiftLevel};

// Asks for the level of a "[ShiftLevel" keyword.
class CShiftLevel final : public SpinValueDialog {
public:
    explicit CShiftLevel(MessageSink& messages, QWidget* parent = nullptr)
        : SpinValueDialog(kShiftLevelDialog, messages, parent) {}
};

} // namespace zelt
