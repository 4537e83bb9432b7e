#include "commands/PropertyCommands.h"

#include "KbProperties.h"
#include "MrProperties.h"

namespace zelt {

bool RunKbPropertiesCommand(CZELTDoc& document, CommPort port, CommandDialogs& dialogs) {
    const auto values =
        dialogs.EditKbProperties(ReadKbProperties(document.image, document.modelCode, port));
    if (!values) {
        return false;
    }
    WriteKbProperties(document.image, document.modelCode, *values);
    // Confirming the dialog counts as an edit even when every value stayed: the user has
    // settled the options, and may rely on being asked to save them.
    document.SetModifiedFlag();
    return true;
}

bool RunMrPropertiesCommand(CZELTDoc& document, CommandDialogs& dialogs, MessageSink& messages) {
    const auto values = dialogs.EditMrProperties(ReadMrProperties(document.image), messages);
    if (!values) {
        return false;
    }
    const MrWriteResult result = WriteMrProperties(document.image, *values);
    if (result.invalidField) {
        // The dialog confirms only valid fields; should a double ever pass a bad one, nothing
        // has been written and the user learns which field it was.
        messages.ShowMessage(MrFieldMessage(*result.invalidField));
        return false;
    }
    if (result.changed) {
        document.SetModifiedFlag();
    }
    return true;
}

} // namespace zelt
