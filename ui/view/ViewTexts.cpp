#include "view/ViewTexts.h"

namespace zelt {

std::string ModeText(const ViewState& state) {
    if (!SelectedKeyInAsciiMode(state)) {
        return kScanCodeModeText;
    }
    return state.decimalDisplay == 0 ? kAsciiModeText : kAsciiDecimalModeText;
}

std::string HintText(const ViewState& state) {
    return SelectedKeyInAsciiMode(state) ? kAsciiHint : kScanCodeHint;
}

std::string PortNameText(const ViewState& state) {
    return kPortNamePrefix + state.portName;
}

} // namespace zelt
