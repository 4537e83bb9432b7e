#include "Commands.h"
#include "PortOption.h"
#include "PropertyNames.h"
#include "TemplateInput.h"

#include <CLI/CLI.hpp>

namespace zelt::tool {
namespace {

// zelt-tool set FILE --model CODE [--port usb|ps2] name=value... -o OUT: changes properties as
// confirming the editor's dialogs would, with the same checks.
class SetCommand final : public Command {
public:
    CLI::App* Register(CLI::App& app) override {
        CLI::App* command = app.add_subcommand(
            "set", "Change KB and MR properties of a template and write the result");
        template_.Register(*command, "Template file to read");
        command
            ->add_option("ASSIGNMENTS", assignments_,
                         "name=value for each property to change (names as printed by props)")
            ->option_text("name=value...")
            ->required();
        AddPortOption(*command, port_,
                      "Port the keyboard is connected to (default ps2). Changing any KB value "
                      "on usb also turns the RS232 port off, as the editor does");
        command->add_option("-o,--output", output_, "Template file to write (may be FILE)")
            ->option_text("OUT")
            ->required();
        command->footer(PropertyListHelp() +
                        "\nA bad value, or a name that does not apply to the model or port, is\n"
                        "refused with its message (exit 1); a malformed assignment or an unknown\n"
                        "or repeated name is a usage error (exit 2). Nothing is written then.");
        return command;
    }

    int Run(Console& console) override {
        auto loaded = template_.Open(console);
        if (!loaded) {
            return kExitFailure;
        }
        TemplateImage& image = loaded->data.image;
        const PropertyScope scope = ScopeFor(template_.modelCode, port_);
        PropertyValues values = ReadPropertyValues(image, scope);
        const AssignmentResult result = ApplyAssignments(values, scope, assignments_);
        if (result.error != AssignmentError::None) {
            console.err << result.message << '\n';
            return result.error == AssignmentError::Malformed ? kExitFailure : kExitInvalid;
        }
        // Each group is written back only when one of its values was named, just as each
        // dialog writes only when it is confirmed.
        if (result.kbTouched) {
            WriteKbProperties(image, template_.modelCode, values.kb);
        }
        if (result.mrTouched) {
            // The values passed their field checks above, so this cannot be refused.
            WriteMrProperties(image, values.mr);
        }
        return SaveImage(output_, image, console) ? kExitSuccess : kExitFailure;
    }

private:
    TemplateArguments template_;
    std::vector<std::string> assignments_;
    CommPort port_ = CommPort::Ps2;
    std::string output_;
};

} // namespace

std::unique_ptr<Command> MakeSetCommand() {
    return std::make_unique<SetCommand>();
}

} // namespace zelt::tool
