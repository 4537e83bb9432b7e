#pragma once

#include "MessageSink.h"
#include "seams/CommandDialogs.h"

namespace zelt {

class CommandSet;
class CZELTView;

// Binds the "Key Edit" commands to the editor view: each one with its availability rule, and
// those that need a value with their dialog. A command whose dialog is cancelled changes
// nothing.
void BindKeyEditCommands(CommandSet& commands, CZELTView& view, CommandDialogs& dialogs,
                         MessageSink& messages);

} // namespace zelt
