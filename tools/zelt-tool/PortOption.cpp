#include "PortOption.h"

#include <CLI/CLI.hpp>

#include <string>

namespace zelt::tool {

CLI::Option* AddPortOption(CLI::App& command, CommPort& port, const char* description) {
    return command
        .add_option_function<std::string>(
            "--port",
            [&port](const std::string& name) {
                port = name == "usb" ? CommPort::Usb : CommPort::Ps2;
            },
            description)
        ->option_text("usb|ps2")
        ->transform(CLI::IsMember({"usb", "ps2"}, CLI::ignore_case));
}

} // namespace zelt::tool
