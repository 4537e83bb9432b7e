#include "ModelCode.h"
#include "ModelLayouts.h"

namespace zelt::models {

namespace {

// Six wide keys above eleven narrow ones.
// clang-format off
std::vector<KeyRun> KeyRuns() {
    std::vector<KeyRun> runs = {
        // first  x    step  y    w   h   labels
        {0,       100, 93,   130, 69, 30, NumberedLabels("K", 1, 6, 2)},
        {6,       100, 50,   180, 35, 30, NumberedLabels("K", 7, 17, 2)},
    };
    return runs;
}

// Key number (1-based) edited through each layout position.
constexpr int kKeyNumbers[] = {
    106, 107, 108, 109, 110, 111, 122, 123, 124, 125, // 0-9
    126, 127, 128, 120, 119, 118, 117, // 10-16
};

// Layout position selected by the up and the down arrow from each layout position; each wide
// key sits above two narrow ones, and with only two rows up and down lead to the same key.
constexpr int kUp[] = {
      6,   8,  10,  12,  14,  16,   0,   0,   1,   1, // 0-9
      2,   2,   3,   3,   4,   4,   5, // 10-16
};
constexpr int kDown[] = {
      6,   8,  10,  12,  14,  16,   0,   0,   1,   1, // 0-9
      2,   2,   3,   3,   4,   4,   5, // 10-16
};
// clang-format on

} // namespace

ModelLayout MakeTK0517Layout() {
    ModelLayout layout;
    layout.modelCode = kModelTK0517;
    layout.name = "TK0517";
    layout.menuCommandId = 32822;
    layout.defaultTextFileName = "TK0517.txt";
    layout.supportsMr = false;
    layout.keyCount = 17;
    PlaceKeys(layout, KeyRuns());
    SetKeyNumbers(layout, kKeyNumbers);
    SetVerticalNeighbours(layout, kUp, kDown);
    DeriveHorizontalNeighbours(layout, {}, {});
    return layout;
}

} // namespace zelt::models
