#include "view/ViewTexts.h"

#include <cstddef>

namespace zelt {

namespace {

bool SelectedKeyInScanCodeMode(const ViewState& state) {
    return state.keyAsciiMode[static_cast<std::size_t>(state.selectedKey)] == 0;
}

} // namespace

std::string ModeText(const ViewState& state) {
    if (SelectedKeyInScanCodeMode(state)) {
        return kScanCodeModeText;
    }
    return state.decimalDisplay == 0 ? kAsciiModeText : kAsciiDecimalModeText;
}

std::string HintText(const ViewState& state) {
    return SelectedKeyInScanCodeMode(state) ? kScanCodeHint : kAsciiHint;
}

std::string PortNameText(const ViewState& state) {
    return kPortNamePrefix + state.portName;
}

} // namespace zelt
