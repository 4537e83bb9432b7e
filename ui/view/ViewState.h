#pragma once

#include "TemplateImage.h"

#include <array>
#include <cstddef>
#include <string>

namespace zelt {

// The editor view's selection and caret state. Plain integers, as the rest of the editor and the
// transfer procedures read and set them by these names.
struct ViewState {
    // Key number - 1 of the selected key, and its layout position.
    int selectedKey = 0;
    int selectedPosition = 0;
    // By layout position: 1 = drawn raised, 0 = drawn pressed (the selected key).
    std::array<int, kKeyCount> keyRaised{};
    // By key: 1 = edited in ASCII mode, 0 = in scan-code mode.
    std::array<int, kKeyCount> keyAsciiMode{};
    // Caret in the content, caret in its decimal form, and caret column in the content box.
    int caretIndex = 0;
    int decimalCaretIndex = 0;
    int caretColumn = 0;
    int shiftReleased = 1;
    int escPending = 0;
    int decimalDisplay = 0;
    int wrongWordShown = 0;
    // "PS2" or "USB" once the port is chosen; shown in the legend line.
    std::string portName;

    ViewState() {
        keyRaised.fill(1);
        keyRaised[0] = 0;
        keyAsciiMode.fill(1);
    }
};

inline bool SelectedKeyInAsciiMode(const ViewState& state) {
    return state.keyAsciiMode[static_cast<std::size_t>(state.selectedKey)] != 0;
}

} // namespace zelt
