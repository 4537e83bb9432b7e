#pragma once

#include "CZELTDoc.h"
#include "CommPort.h"
#include "MessageSink.h"
#include "seams/CommandDialogs.h"

namespace zelt {

// "Config KB Properties": shows the keyboard options of the document's image for its model and
// the port the keyboard is connected to, and on OK writes them back and marks the document
// modified. Returns whether the user confirmed; the view then puts its caret at the start of
// the content line and redraws its status area.
bool RunKbPropertiesCommand(CZELTDoc& document, CommPort port, CommandDialogs& dialogs);

// "Config MR properties": shows the magnetic stripe reader's settings of the document's image
// and on OK writes them back. The document is marked modified when that changed the image, so
// that the changes are offered for saving like any other edit. Returns whether the user
// confirmed. Meant for documents whose model has MR support; the command is disabled otherwise.
bool RunMrPropertiesCommand(CZELTDoc& document, CommandDialogs& dialogs, MessageSink& messages);

} // namespace zelt
