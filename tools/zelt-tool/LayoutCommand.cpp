#include "Commands.h"
#include "ModelLayout.h"
#include "ModelOption.h"

#include <CLI/CLI.hpp>

#include <cstddef>

namespace zelt::tool {
namespace {

// zelt-tool layout --model CODE: every layout position of a model with its key, label,
// rectangle and arrow-key neighbours.
class LayoutCommand final : public Command {
public:
    CLI::App* Register(CLI::App& app) override {
        CLI::App* command = app.add_subcommand(
            "layout", "Print each layout position of a model: pos key label x y w h left right "
                      "up down (tab-separated, key numbers 1-based)");
        AddModelOption(*command, modelCode_);
        return command;
    }

    int Run(Console& console) override {
        const ModelLayout& layout = LayoutForModel(modelCode_);
        for (int position = 0; position < layout.keyCount; ++position) {
            const auto at = static_cast<std::size_t>(position);
            const KeyRect& rect = layout.rects[at];
            console.out << position << '\t' << layout.positionToKey[at] + 1 << '\t'
                        << layout.labels[at] << '\t' << rect.x << '\t' << rect.y << '\t'
                        << rect.width << '\t' << rect.height;
            for (int direction = 0; direction < kDirectionCount; ++direction) {
                console.out << '\t' << NeighbourKey(layout, direction, position);
            }
            console.out << '\n';
        }
        return kExitSuccess;
    }

private:
    int modelCode_ = 0;
};

} // namespace

std::unique_ptr<Command> MakeLayoutCommand() {
    return std::make_unique<LayoutCommand>();
}

} // namespace zelt::tool
