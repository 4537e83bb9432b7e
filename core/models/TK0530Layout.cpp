#include "ModelCode.h"
#include "ModelLayouts.h"

#include <cstddef>

namespace zelt::models {

namespace {

// A full key matrix drawn as 22 columns of 8 keys; layout position i is key number i + 1.
constexpr int kColumns = 22;
constexpr int kRows = 8;
constexpr int kKeys = kColumns * kRows;
constexpr int kLeft = 50;
constexpr int kTop = 50;
constexpr int kPitch = 30;
constexpr int kKeySize = 25;

} // namespace

ModelLayout MakeTK0530Layout() {
    ModelLayout layout;
    layout.modelCode = kModelTK0530;
    layout.name = "TK0530";
    layout.menuCommandId = 32823;
    layout.defaultTextFileName = "TK0530.txt";
    layout.supportsMr = false;
    layout.keyCount = kKeys;
    for (int i = 0; i < kKeys; ++i) {
        const int column = i / kRows;
        const int row = i % kRows;
        const auto at = static_cast<std::size_t>(i);
        layout.labels[at] = std::string(1, static_cast<char>('A' + column)) +
                            std::string(1, static_cast<char>('1' + row));
        layout.positionToKey[at] = i;
        layout.rects[at] = {kLeft + kPitch * column, kTop + kPitch * row, kKeySize, kKeySize};

        // Moves wrap around the edges of the grid: left from the first column lands in the
        // last one, up from the top row lands in the bottom row of the same column.
        auto& n = layout.neighbours;
        n[static_cast<std::size_t>(Direction::Left)][at] =
            column == 0 ? i + (kKeys - kRows) : i - kRows;
        n[static_cast<std::size_t>(Direction::Right)][at] =
            column == kColumns - 1 ? i - (kKeys - kRows) : i + kRows;
        n[static_cast<std::size_t>(Direction::Up)][at] = row == 0 ? i + (kRows - 1) : i - 1;
        n[static_cast<std::size_t>(Direction::Down)][at] =
            row == kRows - 1 ? i - (kRows - 1) : i + 1;
    }
    return layout;
}

} // namespace zelt::models
