#pragma once

#include "ModelLayout.h"
#include "TemplateData.h"
#include "view/ViewState.h"

namespace zelt {

// True for the models drawn with an L-shaped Enter key (the RM models, and codes outside the
// catalogue, which are drawn as RM0480). Takes the document's model code: a code outside the
// catalogue keeps its own value while it borrows RM0480's layout.
bool HasLShapedEnter(int modelCode);

// The first layout position whose rectangle strictly contains the point, or -1. A point on a
// key's outline hits nothing; where rectangles overlap the lowest position wins.
int HitKey(const ModelLayout& layout, int px, int py);

// The selected key is edited in the mode its content is written in.
void SetModeFromContent(ViewState& state, const TemplateData& data);

// Back to layout position 0 with the caret at the start: a pending ESC is dropped and Shift
// counts as released. Modes, the decimal display with its caret and the red line keep their
// values.
void SelectFirstPosition(ViewState& state, const ModelLayout& layout);

// The selection a new or loaded template starts with: layout position 0, caret at the start,
// every key in ASCII mode except the selected one, whose mode follows its content.
void ResetViewState(ViewState& state, const ModelLayout& layout, const TemplateData& data);

// After a model change every key is empty: back to the first position and ASCII mode. The
// decimal display, its caret and the red line are left as they were.
void ResetAfterModelChange(ViewState& state, const ModelLayout& layout);

// Selects the key hit by the mouse at layout position `hit`. A hit on the upper part of the
// L-shaped Enter key selects its lower part, which stands for the whole key.
void SelectHitKey(ViewState& state, const ModelLayout& layout, const TemplateData& data, int hit);

// Moves the selection to the neighbour in direction 0 (left), 1 (right), 2 (up) or 3 (down).
void MoveSelection(ViewState& state, const ModelLayout& layout, const TemplateData& data,
                   int direction);

} // namespace zelt
