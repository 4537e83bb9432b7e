#include "Commands.h"
#include "KeyboardAccess.h"
#include "PortOption.h"
#include "SafeFileWrite.h"
#include "TemplateImage.h"
#include "TemplateInput.h"
#include "TransferConsole.h"

#include <CLI/CLI.hpp>

namespace zelt::tool {
namespace {

// zelt-tool read --port usb|ps2 -o OUT: the keyboard's template, as a template file.
class ReadCommand final : public Command {
public:
    CLI::App* Register(CLI::App& app) override {
        CLI::App* command =
            app.add_subcommand("read", "Read the keyboard's template into a template file");
        AddPortOption(*command, port_, "Port the keyboard is connected to")->required();
        command->add_option("-o,--output", output_, "Template file to write")
            ->option_text("OUT")
            ->required();
        command->footer("USB uses the simulator at $ZELT_HID_SIM when set; PS/2 uses the port "
                        "driver (on Linux its stand-in socket, $ZELT_KBPORT). A progress line "
                        "goes to standard error. Nothing is written unless all 64 blocks "
                        "arrived.");
        return command;
    }

    int Run(Console& console) override {
        // A read takes many seconds; an output that cannot be written is told before it, not
        // after the keyboard's template has been read for nothing.
        if (const auto problem = CheckFileWritable(output_)) {
            console.err << *problem << '\n';
            return kExitFailure;
        }
        TransferConsole transfer(console, ErrorStreamIsTerminal());
        auto keyboard = ConnectKeyboard(port_, transfer);
        if (!keyboard) {
            return kExitFailure;
        }
        TemplateData document;
        if (!keyboard->ReadFromKeyboard(document, transfer, transfer).succeeded) {
            return kExitFailure;
        }
        if (!SaveImage(output_, document.image, console)) {
            return kExitFailure;
        }
        // The keyboard's template is saved as it is; the editor would warn when opening it, so
        // the command warns now.
        if (const auto problem = ValidateImage(document.image)) {
            transfer.ShowMessage(*problem);
        }
        return kExitSuccess;
    }

private:
    CommPort port_ = CommPort::Ps2;
    std::string output_;
};

} // namespace

std::unique_ptr<Command> MakeReadCommand() {
    return std::make_unique<ReadCommand>();
}

} // namespace zelt::tool
