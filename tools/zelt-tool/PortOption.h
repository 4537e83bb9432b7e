#pragma once

#include "CommPort.h"

namespace CLI {
class App;
class Option;
} // namespace CLI

namespace zelt::tool {

// Adds "--port usb|ps2" to a verb. port keeps its value when the option is not given.
CLI::Option* AddPortOption(CLI::App& command, CommPort& port, const char* description);

} // namespace zelt::tool
