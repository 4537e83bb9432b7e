#pragma once

#include "ModelLayout.h"
#include "TemplateData.h"
#include "view/ViewState.h"

namespace zelt {

// After a transfer that reached its block loop, whatever its outcome: the selection goes back to
// layout position 0 with the caret at the start, a pending ESC is dropped and Shift counts as
// released (the user may well have let go of it while the window was blocked). Modes, the
// decimal display and the red line keep their values.
void ResetViewAfterTransfer(ViewState& state, const ModelLayout& layout);

// After a read, on top of ResetViewAfterTransfer: the selected key is edited in the mode its
// (new) content is written in.
void ResetViewAfterRead(ViewState& state, const ModelLayout& layout, const TemplateData& data);

} // namespace zelt
