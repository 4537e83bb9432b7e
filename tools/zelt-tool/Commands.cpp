#include "Commands.h"

namespace zelt::tool {

std::vector<std::unique_ptr<Command>> MakeAllCommands() {
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(MakeNewCommand());
    commands.push_back(MakeCheckCommand());
    return commands;
}

} // namespace zelt::tool
