#pragma once

#include "dialogs/SpinValueDialog.h"
#include "typing/KeyEditCommands.h"

namespace zelt {

inline constexpr SpinValueDialogSetup kDelayTimeDialog{"delayTimeDialog", "Put Delay Time",
                                                       "Time:",           " x 0.1 second",
                                                       kMinDelayTenths,   kMaxDelayTenths};

// Asks for the delay a "[Delay" keyword makes, in tenths of a second.
class CDelayTime final : public SpinValueDialog {
public:
    explicit CDelayTime(MessageSink& messages, QWidget* parent = nullptr)
        : SpinValueDialog(kDelayTimeDialog, messages, parent) {}
};

} // namespace zelt
