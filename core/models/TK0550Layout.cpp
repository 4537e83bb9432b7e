#include "ModelCode.h"
#include "ModelLayouts.h"

namespace zelt::models {

namespace {

// Five rows of keys: a left block "L", the numeric pad (with "M11" and "M21" above it), a right
// block "R" and two extra keys "X"; a key's name gives its column, then its row.
// clang-format off
std::vector<KeyRun> KeyRuns() {
    std::vector<KeyRun> runs = {
        // first  x    step  y    w   h   labels
        {0,       100, 40,   95,  35, 30, {"L11", "L21", "L31", "L41", "L51"}},
        {5,       300, 0,    95,  45, 30, {"M11"}},
        {6,       370, 0,    95,  45, 30, {"M21"}},
        {7,       420, 40,   95,  35, 30, {"R11", "R21", "R31", "R41", "R51"}},
        {12,      620, 0,    95,  35, 30, {"X11"}},
        {13,      100, 40,   135, 35, 30, {"L12", "L22", "L32", "L42", "L52"}},
        {18,      300, 40,   135, 35, 30, {"7", "8", "9"}},
        {21,      420, 40,   135, 35, 30, {"R12", "R22", "R32", "R42", "R52"}},
        {26,      620, 0,    135, 35, 30, {"X12"}},
        {27,      100, 40,   175, 35, 30, {"L13", "L23", "L33", "L43", "L53"}},
        {32,      300, 40,   175, 35, 30, {"4", "5", "6"}},
        {35,      420, 40,   175, 35, 30, {"R13", "R23", "R33", "R43", "R53"}},
        {40,      100, 40,   215, 35, 30, {"L14", "L24", "L34", "L44", "L54"}},
        {45,      300, 40,   215, 35, 30, {"1", "2", "3"}},
        {48,      420, 40,   215, 35, 30, {"R14", "R24", "R34", "R44", "R54"}},
        {53,      100, 40,   255, 35, 30, {"L15", "L25", "L35", "L45", "L55"}},
        {58,      300, 40,   255, 35, 30, {"0", "00", "."}},
        {61,      420, 40,   255, 35, 30, {"R15", "R25", "R35", "R45", "R55"}},
        {66,      100, 0,    55,  75, 30, {"KeyLock"}},
    };
    return runs;
}

// Key number (1-based) edited through each layout position.
constexpr int kKeyNumbers[] = {
     58,  59,  60,  61,  62,  63,  56,  55,  54,  53, // 0-9
     52,  51,  50,  74,  75,  76,  77,  78,  79,  80, // 10-19
     72,  71,  70,  69,  68,  67,  66,  90,  91,  92, // 20-29
     93,  94,  95,  96,  88,  87,  86,  85,  84,  83, // 30-39
    106, 107, 108, 109, 110, 111, 112, 104, 103, 102, // 40-49
    101, 100,  99, 122, 123, 124, 125, 126, 127, 128, // 50-59
    120, 119, 118, 117, 116, 115, 114, // 60-66
};

// Layout position selected by the up and the down arrow from each layout position.
constexpr int kUp[] = {
     66,  54,  55,  56,  57,  58,  60,  61,  62,  63, // 0-9
     64,  65,  26,   0,   1,   2,   3,   4,   5,  59, // 10-19
      6,   7,   8,   9,  10,  11,  12,  13,  14,  15, // 20-29
     16,  17,  18,  19,  20,  21,  22,  23,  24,  25, // 30-39
     27,  28,  29,  30,  31,  32,  33,  34,  35,  36, // 40-49
     37,  38,  39,  40,  41,  42,  43,  44,  45,  46, // 50-59
     47,  48,  49,  50,  51,  52,  53, // 60-66
};
constexpr int kDown[] = {
     13,  14,  15,  16,  17,  18,  20,  21,  22,  23, // 0-9
     24,  25,  26,  27,  28,  29,  30,  31,  32,  33, // 10-19
     34,  35,  36,  37,  38,  39,  12,  40,  41,  42, // 20-29
     43,  44,  45,  46,  47,  48,  49,  50,  51,  52, // 30-39
     53,  54,  55,  56,  57,  58,  59,  60,  61,  62, // 40-49
     63,  64,  65,  66,   1,   2,   3,   4,   5,  19, // 50-59
      6,   7,   8,   9,  10,  11,   0, // 60-66
};
// clang-format on

} // namespace

ModelLayout MakeTK0550Layout() {
    ModelLayout layout;
    layout.modelCode = kModelTK0550;
    layout.name = "TK0550";
    layout.menuCommandId = 32821;
    layout.defaultTextFileName = "TK0550.txt";
    layout.supportsMr = true;
    layout.keyCount = 67;
    PlaceKeys(layout, KeyRuns());
    SetKeyNumbers(layout, kKeyNumbers);
    SetVerticalNeighbours(layout, kUp, kDown);
    DeriveHorizontalNeighbours(layout, {}, {});
    return layout;
}

} // namespace zelt::models
