#include "Commands.h"
#include "ModelOption.h"
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
        command->add_option("FILE", file_, "Template file to read")->required();
        AddModelOption(*command, modelCode_);
        AddPortOption(*command, port_,
                      "Port the keyboard is connected to (default ps2); the RS232 port "
                      "settings exist only on ps2");
        command->footer(PropertyListHelp());
        return command;
    }

    int Run(Console& console) override {
        const auto loaded = LoadTemplate(file_, modelCode_, console);
        if (!loaded) {
            return kExitFailure;
        }
        if (!loaded->validationMessage.empty()) {
            console.err << loaded->validationMessage << '\n';
        }
        const PropertyScope scope = ScopeFor(modelCode_, port_);
        const PropertyValues values = ReadPropertyValues(loaded->data.image, scope);
        for (const auto& [name, value] : FormatProperties(values, scope)) {
            console.out << name << '=' << value << '\n';
        }
        return kExitSuccess;
    }

private:
    std::string file_;
    int modelCode_ = 0;
    CommPort port_ = CommPort::Ps2;
};

} // namespace

std::unique_ptr<Command> MakePropsCommand() {
    return std::make_unique<PropsCommand>();
}

} // namespace zelt::tool
