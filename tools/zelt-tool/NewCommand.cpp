#include "Commands.h"
#include "ModelOption.h"
#include "TemplateImage.h"
#include "TemplateInput.h"

#include <CLI/CLI.hpp>

namespace zelt::tool {
namespace {

// zelt-tool new --model CODE -o OUT: the fresh template of a model.
class NewCommand final : public Command {
public:
    CLI::App* Register(CLI::App& app) override {
        CLI::App* command = app.add_subcommand("new", "Write the new, empty template of a model");
        AddModelOption(*command, modelCode_);
        command->add_option("-o,--output", output_, "Template file to write")
            ->option_text("OUT")
            ->required();
        return command;
    }

    int Run(Console& console) override {
        return SaveImage(output_, MakeNewImage(modelCode_), console) ? kExitSuccess : kExitFailure;
    }

private:
    int modelCode_ = 0;
    std::string output_;
};

} // namespace

std::unique_ptr<Command> MakeNewCommand() {
    return std::make_unique<NewCommand>();
}

} // namespace zelt::tool
