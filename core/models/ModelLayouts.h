#pragma once

#include "LayoutBuilder.h"
#include "ModelLayout.h"

#include <vector>

// One function per model builds its layout from that model's tables.
namespace zelt::models {

ModelLayout MakeRM0480Layout();
ModelLayout MakeRM0410Layout();
ModelLayout MakeRM0420Layout();
ModelLayout MakeTK0530Layout();
ModelLayout MakeTK0550Layout();
ModelLayout MakeTK0517Layout();

// Layout positions 0..57 of the three RM models: the typewriter block from the grave accent key
// down to "Space". The models draw it at different x offsets (0 for RM0480) and RM0410 has a
// narrower space bar.
std::vector<KeyRun> RmTypewriterBlock(int xShift, int spaceWidth);

// The empty-labelled upper half of the RM models' L-shaped Enter key. Left and right moves
// pass over it, and right from it leads to "CapsLk".
inline constexpr int kRmEnterUpperHalf = 28;
inline constexpr int kRmCapsLock = 29;

} // namespace zelt::models
