#include "ModelCode.h"
#include "ModelLayouts.h"

namespace zelt::models {

namespace {

// clang-format off
std::vector<KeyRun> KeyRuns() {
    std::vector<KeyRun> runs = RmTypewriterBlock(0, 207);
    const std::vector<KeyRun> rest = {
        // first  x    step  y    w   h   labels
        {58,      385, 30,   260, 27, 25, {"Alt", "Win", "Men", "Ctl"}},
        {62,      515, 30,   140, 27, 25, {"Num", "-", "+"}},
        {65,      515, 30,   170, 27, 25, {"7", "8", "9"}},
        {68,      515, 30,   200, 27, 25, {"4", "5", "6"}},
        {71,      515, 30,   230, 27, 25, {"1", "2", "3"}},
        {74,      515, 30,   260, 27, 25, {"0", ".", "CR"}},
        {77,      55,  30,   95,  27, 25, Concat({"ESC"}, NumberedLabels("F", 1, 14))},
        {92,      515, 30,   95,  27, 25, NumberedLabels("F", 15, 17)},
        {95,      205, 30,   50,  27, 25, NumberedLabels("K", 1, 10)},
        {105,     515, 30,   50,  27, 25, NumberedLabels("K", 11, 13)},
        {108,     615, 30,   50,  27, 25, NumberedLabels("K", 14, 16)},
        {111,     615, 30,   80,  27, 25, NumberedLabels("K", 17, 19)},
        {114,     615, 30,   110, 27, 25, NumberedLabels("K", 20, 22)},
        {117,     615, 30,   140, 27, 25, NumberedLabels("K", 23, 25)},
        {120,     615, 30,   170, 27, 25, NumberedLabels("K", 26, 28)},
        {123,     55,  0,    50,  57, 25, {"KeyLock"}},
    };
    runs.insert(runs.end(), rest.begin(), rest.end());
    return runs;
}

// Key number (1-based) edited through each layout position.
constexpr int kKeyNumbers[] = {
     14, 144, 136, 135, 134,   8,   7, 133, 132, 131, // 0-9
    137,  18,   6,  88, 111, 101, 119, 118, 117, 116, // 10-19
     98,  97, 115, 114, 113, 123, 109,  89,  29, 100, // 20-29
     83,  82,  81,  73,  59,  60,  74,  75,  76,  95, // 30-39
     72,  52,  92,  42,  43,  44,  45,  31,  32,  46, // 40-49
     47,  48,  36,  78,  13, 107,  71,  69,  35,  94, // 50-59
     23,  41,  51,  26, 105, 126, 127, 128, 112, 104, // 60-69
    103,  87,  86,  85,  68,  67,  77,  65,  15,  16, // 70-79
     99,  58, 143,  61,  90,   5,   9, 139,  70,  34, // 80-89
     62,  55,  64, 129,  39,  66,  80,  19,  37,  17, // 90-99
    138, 108,   1,  33,  10, 140,  53, 124, 106,  84, // 100-109
     96,  21, 120,  25,  27, 102, 141,  56, 121,  38, // 110-119
     93,   2, 110, 161, // 120-123
};

// Layout position selected by the up and the down arrow from each layout position.
constexpr int kUp[] = {
     77,  78,  79,  80,  81,  82,  83,  84,  85,  86, // 0-9
     87,  88,  89,  90,  91,   0,   1,   2,   3,   4, // 10-19
      5,   6,   7,   8,   9,  10,  11,  12,  28,  15, // 20-29
     16,  17,  18,  19,  20,  21,  22,  23,  24,  25, // 30-39
     26,  27,  29,  30,  31,  32,  33,  34,  35,  36, // 40-49
     37,  38,  39,  40,  42,  43,  44,  45,  46,  47, // 50-59
     48,  49,  92,  93,  94,  62,  63,  64,  65,  66, // 60-69
     67,  68,  69,  70,  71,  72,  73, 123, 123,  55, // 70-79
     56,  57,  95,  96,  97,  98,  99, 100, 101, 102, // 80-89
    103, 104, 105, 106, 107,  57,  57,  57,  57,  57, // 90-99
     57,  58,  59,  60,  61,  74,  75,  76, 120, 121, // 100-109
    122, 108, 109, 110, 111, 112, 113, 114, 115, 116, // 110-119
    117, 118, 119,  54, // 120-123
};
constexpr int kDown[] = {
     15,  16,  17,  18,  19,  20,  21,  22,  23,  24, // 0-9
     25,  26,  27,  41,  41,  29,  30,  31,  32,  33, // 10-19
     34,  35,  36,  37,  38,  39,  40,  41,  28,  42, // 20-29
     42,  43,  44,  45,  46,  47,  48,  49,  50,  51, // 30-39
     52,  53,  54,  55,  56,  57,  57,  57,  57,  57, // 40-49
     57,  58,  59,  60,  77,  78,  79,  80, 101, 102, // 50-59
    103, 104,  65,  66,  67,  68,  69,  70,  71,  72, // 60-69
     73,  74,  75,  76, 105, 106, 107,   0,   1,   2, // 70-79
      3,   4,   5,   6,   7,   8,   9,  10,  11,  12, // 80-89
     13,  14,  62,  63,  64,  82,  83,  84,  85,  86, // 90-99
     87,  88,  89,  90,  91,  92,  93,  94, 111, 112, // 100-109
    113, 114, 115, 116, 117, 118, 119, 120, 121, 122, // 110-119
    108, 109, 110,  77, // 120-123
};
// clang-format on

// The line of "ESC" .. "F17" and the short line "K17" .. "K19" form one ring for left and
// right, as they sit at the same height on the keyboard itself.
const MoveException kMoveExceptions[] = {
    {Direction::Right, kRmEnterUpperHalf, kRmCapsLock},
    {Direction::Right, 94, 111},
    {Direction::Right, 113, 77},
    {Direction::Left, 77, 113},
    {Direction::Left, 111, 94},
};
const int kSkipped[] = {kRmEnterUpperHalf};

} // namespace

ModelLayout MakeRM0480Layout() {
    ModelLayout layout;
    layout.modelCode = kModelRM0480;
    layout.name = "RM0480";
    layout.menuCommandId = 32811;
    layout.defaultTextFileName = "RM0480.txt";
    layout.supportsMr = true;
    layout.keyCount = 124;
    PlaceKeys(layout, KeyRuns());
    SetKeyNumbers(layout, kKeyNumbers);
    SetVerticalNeighbours(layout, kUp, kDown);
    DeriveHorizontalNeighbours(layout, kSkipped, kMoveExceptions);
    return layout;
}

} // namespace zelt::models
