#include "view/KeySelection.h"

#include "KeyContent.h"
#include "ModelCode.h"
#include "view/ViewGeometry.h"

#include <cstddef>

namespace zelt {

namespace {

std::size_t Index(int value) {
    return static_cast<std::size_t>(value);
}

int KeyOf(const ModelLayout& layout, int position) {
    return layout.positionToKey[Index(position)];
}

} // namespace

void SetModeFromContent(ViewState& state, const TemplateData& data) {
    const std::size_t key = Index(state.selectedKey);
    state.keyAsciiMode[key] = IsAsciiContent(data.keyContents[key]) ? 1 : 0;
}

void SelectFirstPosition(ViewState& state, const ModelLayout& layout) {
    state.escPending = 0;
    state.shiftReleased = 1;
    state.caretIndex = 0;
    state.caretColumn = 0;
    state.selectedPosition = 0;
    state.selectedKey = KeyOf(layout, 0);
    state.keyRaised.fill(1);
    state.keyRaised[0] = 0;
}

bool HasLShapedEnter(int modelCode) {
    return modelCode != kModelTK0550 && modelCode != kModelTK0517 && modelCode != kModelTK0530;
}

int HitKey(const ModelLayout& layout, int px, int py) {
    for (int i = 0; i < layout.keyCount; ++i) {
        const KeyRect& r = layout.rects[Index(i)];
        if (r.x < px && px < r.x + r.width && r.y < py && py < r.y + r.height) {
            return i;
        }
    }
    return -1;
}

void ResetViewState(ViewState& state, const ModelLayout& layout, const TemplateData& data) {
    ResetAfterModelChange(state, layout);
    state.decimalCaretIndex = 0;
    // A loaded template may start with a scan-code key; its mode must say so, as it does after
    // any other selection, or typing would mix ASCII text into scan codes.
    SetModeFromContent(state, data);
    state.wrongWordShown = 0;
    state.decimalDisplay = 0;
}

void ResetAfterModelChange(ViewState& state, const ModelLayout& layout) {
    SelectFirstPosition(state, layout);
    state.keyAsciiMode.fill(1);
}

void SelectHitKey(ViewState& state, const ModelLayout& layout, const TemplateData& data, int hit) {
    const int previousKey = state.selectedKey;
    for (int i = 0; i < layout.keyCount; ++i) {
        state.keyRaised[Index(i)] = 1;
    }
    int position = hit;
    if (HasLShapedEnter(data.modelCode) && hit == view::kEnterUpperPosition) {
        position = view::kEnterLowerPosition;
    }
    state.selectedPosition = position;
    state.selectedKey = KeyOf(layout, position);
    state.keyRaised[Index(position)] = 0;

    state.caretIndex = 0;
    state.caretColumn = 0;
    // The decimal caret goes back too: the caret column is 0 now, and a token caret left
    // further right would show the window from there while insertions go to the start.
    state.decimalCaretIndex = 0;
    SetModeFromContent(state, data);
    if (state.selectedKey != previousKey) {
        state.decimalDisplay = 0;
    }
}

void MoveSelection(ViewState& state, const ModelLayout& layout, const TemplateData& data,
                   int direction) {
    const int target = NeighbourKey(layout, direction, state.selectedPosition);
    state.keyRaised[Index(state.selectedPosition)] = 1;
    state.keyRaised[Index(target)] = 0;
    state.selectedPosition = target;
    state.selectedKey = KeyOf(layout, target);
    state.caretIndex = 0;
    state.decimalCaretIndex = 0;
    state.caretColumn = 0;
    SetModeFromContent(state, data);
    state.decimalDisplay = 0;
}

} // namespace zelt
