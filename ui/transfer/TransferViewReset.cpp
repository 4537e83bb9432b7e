#include "transfer/TransferViewReset.h"

#include "KeyContent.h"

#include <cstddef>

namespace zelt {

void ResetViewAfterTransfer(ViewState& state, const ModelLayout& layout) {
    state.selectedPosition = 0;
    state.selectedKey = layout.positionToKey[0];
    state.caretIndex = 0;
    state.caretColumn = 0;
    // The token caret belongs to the key that was selected; left behind it would put the
    // decimal window somewhere in the new key's text while insertions go to its start.
    state.decimalCaretIndex = 0;
    state.escPending = 0;
    state.shiftReleased = 1;
    state.keyRaised.fill(1);
    state.keyRaised[0] = 0;
}

void ResetViewAfterRead(ViewState& state, const ModelLayout& layout, const TemplateData& data) {
    ResetViewAfterTransfer(state, layout);
    const auto key = static_cast<std::size_t>(state.selectedKey);
    state.keyAsciiMode[key] = IsAsciiContent(data.keyContents[key]) ? 1 : 0;
}

} // namespace zelt
