#include "Commands.h"
#include "ConsoleMessages.h"
#include "KeyArea.h"
#include "ModelOption.h"
#include "TemplateFit.h"
#include "TemplateImage.h"
#include "TextTemplateFile.h"
#include "ToolDocument.h"

#include <CLI/CLI.hpp>

#include <string_view>

namespace zelt::tool {
namespace {

// Passes every message on except those of the load check: the base's image is checked again
// once the rows are in, since rebuilding the key area may have mended what the check found.
class WithoutLoadCheck final : public MessageSink {
public:
    explicit WithoutLoadCheck(MessageSink& next) : next_(next) {}
    void ShowMessage(std::string_view text, MessageIcon icon = MessageIcon::None) override {
        if (text != kCorruptedTemplateMessage && text != kWrongKeyNumberMessage) {
            next_.ShowMessage(text, icon);
        }
    }

private:
    MessageSink& next_;
};

// zelt-tool import-text TXT --model CODE [--into BASE] -o OUT: a template built from a text
// template, on top of a new image or of an existing template's settings.
class ImportTextCommand final : public Command {
public:
    CLI::App* Register(CLI::App& app) override {
        CLI::App* command = app.add_subcommand(
            "import-text", "Apply a text template's rows to a template and write the result");
        command->add_option("TXT", text_, "Text template to import")->required();
        AddModelOption(*command, modelCode_);
        command
            ->add_option("--into", base_,
                         "Template file whose settings and keys the rows are applied to "
                         "(default: the new template of the model)")
            ->option_text("BASE");
        command->add_option("-o,--output", output_, "Template file to write")
            ->option_text("OUT")
            ->required();
        return command;
    }

    int Run(Console& console) override {
        ConsoleMessages messages(console);
        ToolDocument doc(modelCode_);
        WithoutLoadCheck baseMessages(messages);
        if (!base_.empty() && !doc->OnOpenDocument(base_, baseMessages)) {
            return kExitFailure;
        }
        switch (ReadTextTemplate(*doc, text_, messages)) {
        case TextReadOutcome::NotRead:
            return kExitFailure;
        case TextReadOutcome::WrongRowCount:
            // In a script a file for another model, or a cut-off one, must not become a
            // keyboard's template unnoticed.
            return kExitInvalid;
        case TextReadOutcome::Applied:
            break;
        }
        if (!CanBuildKeyArea(*doc, messages)) {
            return kExitInvalid;
        }
        // A script must not produce a template the keyboard would choke on, such as one built
        // on a base whose trailer or delay byte is damaged.
        BuildKeyArea(*doc);
        if (const auto problem = ValidateImage(doc->image)) {
            messages.ShowMessage(*problem, MessageIcon::Warning);
            return kExitInvalid;
        }
        return doc->OnSaveDocument(output_, messages) ? kExitSuccess : kExitFailure;
    }

private:
    std::string text_;
    int modelCode_ = 0;
    std::string base_;
    std::string output_;
};

} // namespace

std::unique_ptr<Command> MakeImportTextCommand() {
    return std::make_unique<ImportTextCommand>();
}

} // namespace zelt::tool
