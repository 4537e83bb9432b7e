#include "Commands.h"
#include "KeyArea.h"
#include "KeyContentDecoder.h"
#include "TemplateInput.h"

#include <CLI/CLI.hpp>

namespace zelt::tool {
namespace {

// zelt-tool space FILE [--model CODE]: the space left in the key area, as the editor shows it.
class SpaceCommand final : public Command {
public:
    CLI::App* Register(CLI::App& app) override {
        CLI::App* command = app.add_subcommand(
            "space", "Print the bytes left in the key area (negative when the keys do not fit)");
        template_.Register(*command, "Template file to read");
        return command;
    }

    int Run(Console& console) override {
        auto loaded = template_.Open(console);
        if (!loaded) {
            return kExitFailure;
        }
        DecodeImage(loaded->data);
        console.out << GetSpaceLeft(loaded->data) << '\n';
        return kExitSuccess;
    }

private:
    TemplateArguments template_;
};

} // namespace

std::unique_ptr<Command> MakeSpaceCommand() {
    return std::make_unique<SpaceCommand>();
}

} // namespace zelt::tool
