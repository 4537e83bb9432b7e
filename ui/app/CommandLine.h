#pragma once

#include "CommPort.h"

#include <QStringList>

#include <optional>
#include <string>

namespace zelt {

// What the command line asks of a start.
struct StartupOptions {
    // A template file to open instead of starting with a new template.
    std::optional<std::string> templateFile;
    // The port, answered in advance instead of asking at start-up.
    std::optional<CommPort> port;
    // Ends the program as soon as the main window has been painted (for start-up timing).
    bool exitAfterFirstPaint = false;
};

struct CommandLineResult {
    // Set when the program is to start; otherwise it ends with exitCode after printing output.
    std::optional<StartupOptions> options;
    int exitCode = 0;
    // Text for standard output (help, version) or standard error (a usage error).
    std::string output;
    bool outputIsError = false;
};

// Reads the arguments (the program name first). --help and --version end the program with 0; a
// wrong option or value ends it with 2 and says why.
CommandLineResult ParseCommandLine(const QStringList& arguments);

} // namespace zelt
