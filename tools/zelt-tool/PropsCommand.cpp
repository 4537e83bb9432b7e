#include "Commands.h"
#include "PortOption.h"
#include "PropertyNames.h"
#include "TemplateInput.h"

#include <CLI/CLI.hpp>

namespace zelt::tool {
namespace {

// zelt-tool props FILE --model CODE [--port usb|ps2]: the KB and MR properties as the editor's
// dialogs show them.
class PropsCommand final : public Command {
public:
    CLI::App* Register(CLI::App& app) override {
        CLI::App* command = app.add_subcommand(
            "props", "Print the KB and MR properties of a template as name=value lines");
        template_.Register(*command, "Template file to read");
        AddPortOption(*command, port_,
                      "Port the keyboard is connected to (default ps2); the RS232 port "
                      "settings exist only on ps2");
        command->footer(PropertyListHelp());
        return command;
    }

    int Run(Console& console) override {
        const auto loaded = template_.Open(console);
        if (!loaded) {
            return kExitFailure;
        }
        const PropertyScope scope = ScopeFor(template_.modelCode, port_);
        const PropertyValues values = ReadPropertyValues(loaded->data.image, scope);
        for (const auto& [name, value] : FormatProperties(values, scope)) {
            console.out << name << '=' << value << '\n';
        }
        return kExitSuccess;
    }

private:
    TemplateArguments template_;
    CommPort port_ = CommPort::Ps2;
};

} // namespace

std::unique_ptr<Command> MakePropsCommand() {
    return std::make_unique<PropsCommand>();
}

} // namespace zelt::tool
