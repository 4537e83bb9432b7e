#pragma once

#include <ostream>

namespace CLI {
class App;
} // namespace CLI

namespace zelt::tool {

// Exit status of zelt-tool.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitInvalid = 1; // the input is invalid or a check failed
inline constexpr int kExitFailure = 2; // usage or I/O error

// Where a command writes: results to out, messages to err.
struct Console {
    std::ostream& out;
    std::ostream& err;
};

// One verb of zelt-tool. Register adds the verb's subcommand with its arguments and options
// (each with its --help text) and binds them to members; Run is called once the command line
// has been parsed and this verb was chosen.
class Command {
public:
    virtual ~Command() = default;
    virtual CLI::App* Register(CLI::App& app) = 0;
    virtual int Run(Console& console) = 0;
};

} // namespace zelt::tool
