#pragma once

#include "MessageSink.h"
#include "view/ViewDocument.h"
#include "view/ViewState.h"

#include <string>

namespace zelt {

// What a view operation needs repainted.
enum class Redraw { None, ContentBox, StatusArea, All };

// How a key's label is coloured: by the state of its content.
enum class LabelState { Blank, Defined, Modified };

// The editor view without a window: its state and every operation on it, driven by plain calls.
// The widget (CZELTView) translates events into these calls and paints what they leave.
class ViewController {
public:
    ViewController(ViewDocument& document, MessageSink& messages);

    ViewState& State() { return state_; }
    const ViewState& State() const { return state_; }
    ViewDocument& Document() { return document_; }
    const ViewDocument& Document() const { return document_; }

    // A new or loaded template: back to the first key, caret at the start.
    void InitialUpdate();

    // The document switched to another model (and emptied every key).
    void ModelChanged();

    // Left button press at a client point: caret placement inside the content box, else key
    // selection. Leaving a key whose content is invalid is refused with a message.
    Redraw LeftButtonDown(int px, int py);

    // Selection by direction 0..3; an invalid content shows the red line instead.
    Redraw MoveSelection(int direction);

    const std::string& SelectedContent() const;
    bool SelectedContentValid() const;

    // What the status lines and the content box show.
    std::string ContentBoxText() const;
    std::string ModeText() const;
    std::string HintText() const;
    std::string PortNameText() const;
    // Space left in the template; also refreshes every key's blank-key flag.
    int SpaceLeft();

    LabelState LabelStateOf(int position) const;

private:
    ViewDocument& document_;
    MessageSink& messages_;
    ViewState state_;
};

} // namespace zelt
