#include "Commands.h"
#include "ConsoleMessages.h"
#include "DocumentTransfer.h"
#include "KeyArea.h"
#include "KeyboardAccess.h"
#include "ModelOption.h"
#include "PortOption.h"
#include "TemplateFit.h"
#include "TemplateInput.h"
#include "TransferConsole.h"

#include <CLI/CLI.hpp>

#include <cstdio>

namespace zelt::tool {
namespace {

constexpr const char* kForceHint = "Use --force to write it all the same.";
constexpr const char* kVerifiedMessage = "Verified: the keyboard holds the template as written.";

// The first block in which the keyboard's image differs from the one written, with the first
// differing byte; nothing when they are equal.
std::optional<std::string> FirstDifference(const TemplateImage& written,
                                           const TemplateImage& read) {
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (written[i] != read[i]) {
            char text[160];
            std::snprintf(text, sizeof(text),
                          "Verification failed: block %zu differs (byte %zu: written %02X, read "
                          "%02X).",
                          i / 32, i, written[i], read[i]);
            return std::string(text);
        }
    }
    return std::nullopt;
}

// zelt-tool write FILE --port usb|ps2 [--verify]: a template file into the keyboard.
class WriteCommand final : public Command {
public:
    CLI::App* Register(CLI::App& app) override {
        CLI::App* command = app.add_subcommand("write", "Write a template file into the keyboard");
        command->add_option("FILE", file_, "Template file to write into the keyboard")->required();
        AddPortOption(*command, port_, "Port the keyboard is connected to")->required();
        AddModelOption(*command, modelCode_);
        command->add_flag("--verify", verify_,
                          "Read the keyboard back afterwards and compare all 2048 bytes");
        command->add_flag("--force", force_,
                          "Write a file that fails the load check (damaged trailer, delay or "
                          "key count) all the same");
        command->footer("The key contents are checked and encoded as the editor does before a "
                        "write; an invalid key or a template that does not fit is refused "
                        "before anything is sent (exit status 1). A failed transfer exits with "
                        "2, a failed verification with 1. USB uses the simulator at "
                        "$ZELT_HID_SIM when set; PS/2 uses the port driver (on Linux its "
                        "stand-in socket, $ZELT_KBPORT).");
        return command;
    }

    int Run(Console& console) override {
        ConsoleMessages messages(console);
        const auto loaded = LoadTemplate(file_, modelCode_, console);
        if (!loaded) {
            return kExitFailure;
        }
        if (!loaded->validationMessage.empty()) {
            messages.ShowMessage(loaded->validationMessage);
            if (!force_) {
                messages.ShowMessage(kForceHint);
                return kExitInvalid;
            }
        }
        TemplateData document;
        document.modelCode = modelCode_;
        RefreshAfterRead(document, loaded->data.image);
        // Refused before the keyboard is touched; the transfer checks again.
        if (!CanBuildKeyArea(document, messages)) {
            return kExitInvalid;
        }

        TransferConsole transfer(console, ErrorStreamIsTerminal());
        auto keyboard = ConnectKeyboard(port_, transfer);
        if (!keyboard) {
            return kExitFailure;
        }
        if (!keyboard->WriteIntoKeyboard(document, std::nullopt, transfer, transfer).succeeded) {
            return kExitFailure;
        }
        if (!verify_) {
            return kExitSuccess;
        }
        TemplateData readBack;
        readBack.modelCode = modelCode_;
        if (!keyboard->ReadFromKeyboard(readBack, transfer, transfer).succeeded) {
            return kExitFailure;
        }
        if (const auto difference = FirstDifference(document.image, readBack.image)) {
            transfer.ShowMessage(*difference);
            return kExitInvalid;
        }
        transfer.ShowMessage(kVerifiedMessage);
        return kExitSuccess;
    }

private:
    std::string file_;
    CommPort port_ = CommPort::Ps2;
    int modelCode_ = 0;
    bool verify_ = false;
    bool force_ = false;
};

} // namespace

std::unique_ptr<Command> MakeWriteCommand() {
    return std::make_unique<WriteCommand>();
}

} // namespace zelt::tool
