#include "Commands.h"

namespace zelt::tool {

std::vector<std::unique_ptr<Command>> MakeAllCommands() {
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(MakeNewCommand());
    commands.push_back(MakeCheckCommand());
    commands.push_back(MakeKeysCommand());
    commands.push_back(MakeEncodeCommand());
    commands.push_back(MakeExportTextCommand());
    commands.push_back(MakeImportTextCommand());
    commands.push_back(MakeSpaceCommand());
    commands.push_back(MakeLayoutCommand());
    commands.push_back(MakePropsCommand());
    commands.push_back(MakeSetCommand());
    commands.push_back(MakeReadCommand());
    commands.push_back(MakeWriteCommand());
    return commands;
}

} // namespace zelt::tool
