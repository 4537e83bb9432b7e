#include "ModelCode.h"
#include "ModelLayouts.h"

namespace zelt::models {

namespace {

// clang-format off
std::vector<KeyRun> KeyRuns() {
    std::vector<KeyRun> runs = RmTypewriterBlock(25, 177);
    const std::vector<KeyRun> rest = {
        // first  x    step  y    w   h   labels
        {58,      380, 30,   260, 27, 25, {"Alt", "Win", "Men", "Ctl", "<-", "v", "->", "0", "."}},
        {67,      530, 30,   230, 27, 25, {"^", "1", "2", "3"}},
        {71,      650, 0,    230, 27, 55, {"CR"}},
        {72,      560, 30,   200, 27, 25, {"4", "5", "6"}},
        {75,      560, 30,   170, 27, 25, {"7", "8", "9"}},
        {78,      650, 0,    170, 27, 55, {"+"}},
        {79,      560, 30,   140, 27, 25, {"Num", "/", "*", "-"}},
        {83,      80,  30,   110, 27, 25, Concat({"ESC"}, NumberedLabels("F", 1, 14))},
        {98,      560, 30,   110, 27, 25, NumberedLabels("F", 15, 18)},
        {102,     80,  30,   80,  27, 25, NumberedLabels("F", 19, 33)},
        {117,     560, 30,   80,  27, 25, NumberedLabels("F", 34, 37)},
        {121,     620, 0,    50,  57, 25, {"KeyLock"}},
    };
    runs.insert(runs.end(), rest.begin(), rest.end());
    return runs;
}

// Key number (1-based) edited through each layout position.
constexpr int kKeyNumbers[] = {
     12,  91, 102,  99,  98,  97,  90, 109,  92, 111, // 0-9
     89, 108,   1, 100, 101,  40,  41,  44,  45,  46, // 10-19
     48,  54,  39,  52,  47,  55,  37,  43,  82,  77, // 20-29
     84,  81,  73,  74,  76,  95,  78,  88,  75,  83, // 30-39
     94,  82, 103,  22,  27,  30,  31,  32,  23,  36, // 40-49
     21,  34,  24, 139, 128,  63,  66,  49,  93,  85, // 50-59
     86,  28, 130,  65, 121,  20,  53,  70,  59, 134, // 60-69
     58, 124,  64,  62, 135, 129, 131,  25,  96,  72, // 70-79
     60,   2, 110, 105, 120, 117, 116, 115, 113, 123, // 80-89
    106, 125, 114,  80, 122, 118, 119, 127,  87,  29, // 90-99
     67, 141,   4,  13,  16,   8,   7,   5,  18,   3, // 100-109
      9,   6,  19,  15,  14,  11,  10,  69,  57,  61, // 110-119
    126, 161, // 120-121
};

// Layout position selected by the up and the down arrow from each layout position.
constexpr int kUp[] = {
     83,  84,  85,  86,  87,  88,  89,  90,  91,  92, // 0-9
     93,  94,  95,  96,  97,   0,   1,   2,   3,   4, // 10-19
      5,   6,   7,   8,   9,  10,  11,  12,  28,  15, // 20-29
     16,  17,  18,  19,  20,  21,  22,  23,  24,  25, // 30-39
     26,  27,  29,  30,  31,  32,  33,  34,  35,  36, // 40-49
     37,  38,  39,  40,  42,  43,  44,  45,  46,  47, // 50-59
     48,  49,  50,  67,  68,  69,  70,  63,  72,  73, // 60-69
     74,  78,  75,  76,  77,  79,  80,  81,  82,  98, // 70-79
     99, 100, 101, 102, 103, 104, 105, 106, 107, 108, // 80-89
    109, 110, 111, 112, 113, 114, 115, 116, 117, 118, // 90-99
    119, 120,  54,  55,  56,  57,  57,  57,  57,  57, // 100-109
     57,  57,  58,  59,  60,  61,  62,  64,  65,  66, // 110-119
    121,  71, // 120-121
};
constexpr int kDown[] = {
     15,  16,  17,  18,  19,  20,  21,  22,  23,  24, // 0-9
     25,  26,  27,  41,  41,  29,  30,  31,  32,  33, // 10-19
     34,  35,  36,  37,  38,  39,  40,  41,  28,  42, // 20-29
     42,  43,  44,  45,  46,  47,  48,  49,  50,  51, // 30-39
     52,  53,  54,  55,  56,  57,  57,  57,  57,  57, // 40-49
     57,  58,  59,  60, 102, 103, 104, 105, 106, 107, // 50-59
    108, 109, 110,  67, 117, 118, 119,  63,  64,  65, // 60-69
     66, 121,  68,  69,  70,  72,  73,  74,  71,  75, // 70-79
     76,  77,  78,   0,   1,   2,   3,   4,   5,   6, // 80-89
      7,   8,   9,  10,  11,  12,  13,  14,  79,  80, // 90-99
     81,  82,  83,  84,  85,  86,  87,  88,  89,  90, // 100-109
     91,  92,  93,  94,  95,  96,  97,  98,  99, 100, // 110-119
    101, 120, // 120-121
};
// clang-format on

const MoveException kMoveExceptions[] = {
    {Direction::Right, kRmEnterUpperHalf, kRmCapsLock},
};
const int kSkipped[] = {kRmEnterUpperHalf};

} // namespace

ModelLayout MakeRM0410Layout() {
    ModelLayout layout;
    layout.modelCode = kModelRM0410;
    layout.name = "RM0410";
    layout.menuCommandId = 32818;
    layout.defaultTextFileName = "RM0410.txt";
    layout.supportsMr = true;
    layout.keyCount = 122;
    PlaceKeys(layout, KeyRuns());
    SetKeyNumbers(layout, kKeyNumbers);
    SetVerticalNeighbours(layout, kUp, kDown);
    DeriveHorizontalNeighbours(layout, kSkipped, kMoveExceptions);
    return layout;
}

} // namespace zelt::models
