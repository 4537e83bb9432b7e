#include "view/ViewController.h"

#include "KeyArea.h"
#include "KeyContent.h"
#include "view/CaretPlacement.h"
#include "view/ContentWindow.h"
#include "view/KeySelection.h"
#include "view/ViewGeometry.h"
#include "view/ViewTexts.h"

#include <cstddef>

namespace zelt {

ViewController::ViewController(ViewDocument& document, MessageSink& messages)
    : document_(document), messages_(messages) {
    InitialUpdate();
}

void ViewController::InitialUpdate() {
    ResetViewState(state_, document_.Layout(), document_.Data());
}

void ViewController::ModelChanged() {
    ResetAfterModelChange(state_, document_.Layout());
}

Redraw ViewController::LeftButtonDown(int px, int py) {
    if (view::kContentBox.StrictlyContains(px, py)) {
        PlaceCaretAtColumn(state_, SelectedContent(), ContentColumnAt(px));
        return Redraw::ContentBox;
    }
    const ModelLayout& layout = document_.Layout();
    const int hit = HitKey(layout, px, py);
    if (hit < 0) {
        return Redraw::None;
    }
    if (!SelectedContentValid()) {
        messages_.ShowMessage(kWrongWordMessage);
        return Redraw::None;
    }
    SelectHitKey(state_, layout, document_.Data(), hit);
    return Redraw::All;
}

Redraw ViewController::MoveSelection(int direction) {
    if (!SelectedContentValid()) {
        state_.wrongWordShown = 1;
        return Redraw::All;
    }
    zelt::MoveSelection(state_, document_.Layout(), document_.Data(), direction);
    return Redraw::All;
}

const std::string& ViewController::SelectedContent() const {
    return document_.Data().keyContents[static_cast<std::size_t>(state_.selectedKey)];
}

bool ViewController::SelectedContentValid() const {
    const std::string& content = SelectedContent();
    return IsAsciiContent(content) || IsScanCodeContent(content);
}

std::string ViewController::ContentBoxText() const {
    return zelt::ContentBoxText(state_, SelectedContent());
}

std::string ViewController::ModeText() const {
    return zelt::ModeText(state_);
}
std::string ViewController::HintText() const {
    return zelt::HintText(state_);
}
std::string ViewController::PortNameText() const {
    return zelt::PortNameText(state_);
}

int ViewController::SpaceLeft() {
    return GetSpaceLeft(document_.Data());
}

LabelState ViewController::LabelStateOf(int position) const {
    const auto key = static_cast<std::size_t>(
        document_.Layout().positionToKey[static_cast<std::size_t>(position)]);
    const TemplateData& data = document_.Data();
    if (data.blankKeyFlags[key] != 0) {
        return LabelState::Blank;
    }
    return data.definedKeyFlags[key] != 0 ? LabelState::Defined : LabelState::Modified;
}

} // namespace zelt
