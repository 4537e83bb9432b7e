#pragma once

#include "Command.h"

#include <memory>
#include <vector>

namespace zelt::tool {

// One factory per verb, each defined in the verb's own file.
std::unique_ptr<Command> MakeNewCommand();
std::unique_ptr<Command> MakeCheckCommand();
std::unique_ptr<Command> MakeKeysCommand();
std::unique_ptr<Command> MakeEncodeCommand();
std::unique_ptr<Command> MakeExportTextCommand();
std::unique_ptr<Command> MakeImportTextCommand();
std::unique_ptr<Command> MakeSpaceCommand();
std::unique_ptr<Command> MakeLayoutCommand();
std::unique_ptr<Command> MakePropsCommand();
std::unique_ptr<Command> MakeSetCommand();
std::unique_ptr<Command> MakeReadCommand();
std::unique_ptr<Command> MakeWriteCommand();

// Every verb in the order `zelt-tool --help` lists them.
std::vector<std::unique_ptr<Command>> MakeAllCommands();

} // namespace zelt::tool
