#include "ByteText.h"
#include "Commands.h"
#include "KeyContentDecoder.h"
#include "TemplateInput.h"

#include <CLI/CLI.hpp>

namespace zelt::tool {
namespace {

// zelt-tool keys FILE [--model CODE]: the decoded key contents, one line per key number.
class KeysCommand final : public Command {
public:
    CLI::App* Register(CLI::App& app) override {
        CLI::App* command = app.add_subcommand(
            "keys", "Print the decoded content of every key as KEYNUMBER<TAB>content, with "
                    "control and non-ASCII bytes as \\xHH and \\ as \\\\");
        template_.Register(*command, "Template file to read");
        return command;
    }

    int Run(Console& console) override {
        auto loaded = template_.Open(console);
        if (!loaded) {
            return kExitFailure;
        }
        DecodeImage(loaded->data);
        for (int key = 1; key <= kKeyCount; ++key) {
            console.out << key << '\t'
                        << EscapeBytes(loaded->data.keyContents[static_cast<std::size_t>(key - 1)])
                        << '\n';
        }
        return kExitSuccess;
    }

private:
    TemplateArguments template_;
};

} // namespace

std::unique_ptr<Command> MakeKeysCommand() {
    return std::make_unique<KeysCommand>();
}

} // namespace zelt::tool
