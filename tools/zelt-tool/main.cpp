#include "Commands.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace {

constexpr const char* kCannotWriteOutputMessage = "Cannot write the output.";

// Output that never reached its destination (a full disk, a closed pipe) is an I/O error, not
// a success.
int Finish(int status) {
    std::cout.flush();
    if (!std::cout) {
        std::cerr << kCannotWriteOutputMessage << '\n';
        return zelt::tool::kExitFailure;
    }
    return status;
}

} // namespace

// zelt-tool: the template operations that need no window, for scripts and fleet deployment.
int main(int argc, char** argv) {
    using namespace zelt::tool;

    CLI::App app{"Command-line companion of the ZELT template editor", "zelt-tool"};
    app.require_subcommand(1);
    app.set_help_all_flag("--help-all", "Show the help of every command");

    const auto commands = MakeAllCommands();
    std::vector<std::pair<CLI::App*, Command*>> registered;
    for (const auto& command : commands) {
        registered.emplace_back(command->Register(app), command.get());
    }

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // --help ends as a "parse error" with status 0; everything else is a usage error.
        const int status = app.exit(e, std::cout, std::cerr);
        return Finish(status == 0 ? kExitSuccess : kExitFailure);
    }

    Console console{std::cout, std::cerr};
    for (const auto& [subcommand, command] : registered) {
        if (subcommand->parsed()) {
            return Finish(command->Run(console));
        }
    }
    return kExitFailure;
}
