#include "Commands.h"
#include "ModelOption.h"
#include "TemplateInput.h"

#include <CLI/CLI.hpp>

namespace zelt::tool {
namespace {

// zelt-tool check FILE: the messages the editor would show when opening the file.
class CheckCommand final : public Command {
public:
    CLI::App* Register(CLI::App& app) override {
        CLI::App* command = app.add_subcommand(
            "check", "Print the load check's message for a template file; exit 1 if there is one");
        command->add_option("FILE", file_, "Template file to check")->required();
        AddModelOption(*command, modelCode_);
        return command;
    }

    int Run(Console& console) override {
        const auto loaded = LoadTemplate(file_, modelCode_, console);
        if (!loaded) {
            return kExitFailure;
        }
        if (!loaded->validationMessage.empty()) {
            console.out << loaded->validationMessage << '\n';
            return kExitInvalid;
        }
        return kExitSuccess;
    }

private:
    std::string file_;
    int modelCode_ = 0;
};

} // namespace

std::unique_ptr<Command> MakeCheckCommand() {
    return std::make_unique<CheckCommand>();
}

} // namespace zelt::tool
