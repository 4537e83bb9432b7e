#include "Commands.h"
#include "KeyContent.h"
#include "KeyContentDecoder.h"
#include "TemplateInput.h"

#include <CLI/CLI.hpp>

namespace zelt::tool {
namespace {

// zelt-tool check FILE: the messages the editor would show when opening the file, and those
// that saving it again would meet. Standard output carries only the load check's message, so
// that scripts can compare it with the editor's text; the keys that could not be saved again
// are named on standard error.
class CheckCommand final : public Command {
public:
    CLI::App* Register(CLI::App& app) override {
        CLI::App* command = app.add_subcommand(
            "check", "Print the load check's message, and on standard error every key whose "
                     "decoded content could not be saved again; exit 1 if there is any");
        template_.Register(*command, "Template file to check");
        return command;
    }

    int Run(Console& console) override {
        auto loaded = LoadTemplate(template_.file, template_.modelCode, console);
        if (!loaded) {
            return kExitFailure;
        }
        int status = kExitSuccess;
        if (!loaded->validationMessage.empty()) {
            console.out << loaded->validationMessage << '\n';
            status = kExitInvalid;
        }
        DecodeImage(loaded->data);
        for (int key = 1; key <= kKeyCount; ++key) {
            if (!IsValidContent(loaded->data.keyContents[static_cast<std::size_t>(key - 1)])) {
                console.err << "Key " << key << ": " << kWrongWordMessage << '\n';
                status = kExitInvalid;
            }
        }
        return status;
    }

private:
    TemplateArguments template_;
};

} // namespace

std::unique_ptr<Command> MakeCheckCommand() {
    return std::make_unique<CheckCommand>();
}

} // namespace zelt::tool
