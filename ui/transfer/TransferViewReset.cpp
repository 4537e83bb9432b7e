#include "transfer/TransferViewReset.h"

#include "view/KeySelection.h"

namespace zelt {

void ResetViewAfterTransfer(ViewState& state, const ModelLayout& layout) {
    SelectFirstPosition(state, layout);
    // The token caret belongs to the key that was selected; left behind it would put the
    // decimal window somewhere in the new key's text while insertions go to its start.
    state.decimalCaretIndex = 0;
}

void ResetViewAfterRead(ViewState& state, const ModelLayout& layout, const TemplateData& data) {
    ResetViewAfterTransfer(state, layout);
    SetModeFromContent(state, data);
}

} // namespace zelt
