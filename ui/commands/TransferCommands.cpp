#include "commands/TransferCommands.h"

#include "UsbNoKeyboardMessage.h"
#include "transfer/TransferProgressDisplay.h"
#include "transfer/TransferViewReset.h"
#include "view/CZELTView.h"

#include <string>

namespace zelt {

namespace {

// The transport is chosen before the main window is used; without one there is nothing to
// talk to, which the user hears as for a keyboard that is not there.
KeyboardConnection* ConnectionOrSay(CZELTView& view, MessageSink& messages) {
    KeyboardConnection* connection = view.Port().Connection();
    if (connection == nullptr) {
        messages.ShowMessage(kNoKeyboardMessage);
    }
    return connection;
}

} // namespace

TransferResult RunReadFromKeyboard(CZELTDoc& document, CZELTView& view, MessageSink& messages) {
    KeyboardConnection* connection = ConnectionOrSay(view, messages);
    if (connection == nullptr) {
        return {};
    }
    TransferResult result;
    {
        TransferProgressDisplay progress(view);
        result = connection->ReadFromKeyboard(document, messages, progress);
    }
    if (!result.reachedBlockLoop) {
        return result;
    }
    if (result.succeeded) {
        document.SetModifiedFlag();
    }
    ResetViewAfterRead(view.Controller().State(), document.Layout(), document);
    view.Apply(Redraw::All);
    return result;
}

TransferResult RunWriteIntoKeyboard(CZELTDoc& document, CZELTView& view, MessageSink& messages) {
    KeyboardConnection* connection = ConnectionOrSay(view, messages);
    if (connection == nullptr) {
        return {};
    }
    // A copy: the check runs while the document is being encoded.
    const std::string selected = view.Controller().SelectedContent();
    TransferResult result;
    {
        TransferProgressDisplay progress(view);
        result = connection->WriteIntoKeyboard(document, selected, messages, progress);
    }
    if (!result.reachedBlockLoop) {
        return result;
    }
    ResetViewAfterTransfer(view.Controller().State(), document.Layout());
    view.Apply(Redraw::All);
    return result;
}

} // namespace zelt
