#include "ByteText.h"
#include "Commands.h"
#include "KeyContent.h"
#include "KeyRecordCodes.h"

#include <CLI/CLI.hpp>

namespace zelt::tool {
namespace {

constexpr const char* kInvalidWord = "invalid";
constexpr const char* kNoTextMessage = "encode: at least one TEXT is required.";

// Which kind of record a valid text makes.
const char* RecordKind(const std::string& record) {
    if (record.empty() || static_cast<std::uint8_t>(record[0]) != kScanRecordLead) {
        return "ascii";
    }
    return record.find_first_not_of(static_cast<char>(kScanRecordLead)) == std::string::npos
               ? "shift"
               : "scan";
}

// zelt-tool encode TEXT...: what each key content text becomes in the template.
class EncodeCommand final : public Command {
public:
    CLI::App* Register(CLI::App& app) override {
        CLI::App* command = app.add_subcommand(
            "encode", "Print per key content TEXT: ascii|scan|shift SIZE HEX, or invalid; exit 1 "
                      "if any text is invalid");
        command->add_flag("--escaped", escaped_,
                          "Read \\xHH and \\\\ in the texts as in the output of keys");
        // The texts are taken as they are, after the options: CLI11 would read a value in
        // brackets, such as "[F1]" or "[,]", as a list, and a text may well begin with "-".
        command->prefix_command();
        command->footer("TEXT...: key content texts, after the options. A text may begin with "
                        "-; everything from the first text on is a text.");
        command_ = command;
        return command;
    }

    int Run(Console& console) override {
        const std::vector<std::string> texts = command_->remaining();
        if (texts.empty()) {
            console.err << kNoTextMessage << '\n';
            return kExitFailure;
        }
        int status = kExitSuccess;
        for (const std::string& argument : texts) {
            std::string text = argument;
            if (escaped_) {
                auto unescaped = UnescapeBytes(argument);
                if (!unescaped) {
                    console.err << "Not a valid escaped text: " << argument << '\n';
                    return kExitFailure;
                }
                text = std::move(*unescaped);
            }
            if (!IsValidContent(text)) {
                console.out << kInvalidWord << '\n';
                status = kExitInvalid;
                continue;
            }
            const std::string record = EncodeKeyContent(text);
            console.out << RecordKind(record) << ' ' << GetEncodedSize(text);
            if (!record.empty()) {
                console.out << ' ' << FormatHex(record);
            }
            console.out << '\n';
        }
        return status;
    }

private:
    CLI::App* command_ = nullptr;
    bool escaped_ = false;
};

} // namespace

std::unique_ptr<Command> MakeEncodeCommand() {
    return std::make_unique<EncodeCommand>();
}

} // namespace zelt::tool
