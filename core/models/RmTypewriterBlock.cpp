#include "ModelLayouts.h"

namespace zelt::models {

std::vector<KeyRun> RmTypewriterBlock(int xShift, int spaceWidth) {
    const int s = xShift;
    // clang-format off
    return {
        // first  x         step  y    w   h   labels
        {0,       55 + s,   30,   140, 27, 25, {"`", "1", "2", "3", "4", "5", "6", "7", "8", "9",
                                                "0", "-", "=", "\\", "BS"}},
        {15,      55 + s,   0,    170, 44, 25, {"Tab"}},
        {16,      102 + s,  30,   170, 27, 25, {"Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P",
                                                "{", "}"}},
        {28,      462 + s,  0,    170, 40, 30, {""}},
        {29,      55 + s,   0,    200, 57, 25, {"CapsLk"}},
        {30,      115 + s,  30,   200, 27, 25, {"A", "S", "D", "F", "G", "H", "J", "K", "L", ":",
                                                "\""}},
        {41,      445 + s,  0,    200, 57, 25, {"Enter"}},
        {42,      55 + s,   0,    230, 72, 25, {"Shift"}},
        {43,      130 + s,  30,   230, 27, 25, {"Z", "X", "C", "V", "B", "N", "M", "<", ">",
                                                "?"}},
        {53,      430 + s,  0,    230, 72, 25, {"Shift"}},
        {54,      55 + s,   0,    260, 42, 25, {"Ctl"}},
        {55,      100 + s,  0,    260, 27, 25, {"Win"}},
        {56,      130 + s,  0,    260, 42, 25, {"Alt"}},
        {57,      175 + s,  0,    260, spaceWidth, 25, {"Space"}},
    };
    // clang-format on
}

} // namespace zelt::models
