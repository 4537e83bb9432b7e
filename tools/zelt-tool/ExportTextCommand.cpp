#include "Commands.h"
#include "ConsoleMessages.h"
#include "TemplateInput.h"
#include "TextTemplateFile.h"
#include "TextTemplateFormat.h"
#include "ToolDocument.h"

#include <CLI/CLI.hpp>

namespace zelt::tool {
namespace {

// zelt-tool export-text FILE --model CODE [-o OUT]: the text template of a template file.
class ExportTextCommand final : public Command {
public:
    CLI::App* Register(CLI::App& app) override {
        CLI::App* command = app.add_subcommand(
            "export-text", "Write the text template (one CR LF row per key) of a template file");
        template_.Register(*command, "Template file to export");
        command
            ->add_option("-o,--output", output_,
                         "Text file to write; without it the rows go to standard output")
            ->option_text("OUT");
        return command;
    }

    int Run(Console& console) override {
        ConsoleMessages messages(console);
        ToolDocument doc(template_.modelCode);
        // A damaged image is reported and exported all the same, as the editor would.
        if (!doc->OnOpenDocument(template_.file, messages)) {
            return kExitFailure;
        }
        if (output_.empty()) {
            console.out << FormatTextTemplate(doc->Layout(), doc->keyLabels, doc->keyContents);
            return kExitSuccess;
        }
        return WriteTextTemplate(*doc, output_, messages) ? kExitSuccess : kExitFailure;
    }

private:
    TemplateArguments template_;
    std::string output_;
};

} // namespace

std::unique_ptr<Command> MakeExportTextCommand() {
    return std::make_unique<ExportTextCommand>();
}

} // namespace zelt::tool
