#include "Commands.h"
#include "KeyArea.h"
#include "KeyContentDecoder.h"
#include "ModelOption.h"
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
        command->add_option("FILE", file_, "Template file to read")->required();
        AddModelOption(*command, modelCode_);
        return command;
    }

    int Run(Console& console) override {
        auto loaded = LoadTemplate(file_, modelCode_, console);
        if (!loaded) {
            return kExitFailure;
        }
        if (!loaded->validationMessage.empty()) {
            console.err << loaded->validationMessage << '\n';
        }
        DecodeImage(loaded->data);
        console.out << GetSpaceLeft(loaded->data) << '\n';
        return kExitSuccess;
    }

private:
    std::string file_;
    int modelCode_ = 0;
};

} // namespace

std::unique_ptr<Command> MakeSpaceCommand() {
    return std::make_unique<SpaceCommand>();
}

} // namespace zelt::tool
