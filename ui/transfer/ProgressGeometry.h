#pragma once

#include "view/ViewGeometry.h"

// Where the progress display of a transfer is drawn in the editor view's client area, below the
// content box.
namespace zelt::progress {

inline constexpr view::Point kTitle{250, 360};
inline constexpr view::Point kWarning{200, 398};
inline constexpr view::Point kPercent{460, 380};

// The progress bar, right and bottom exclusive, and its control id.
inline constexpr view::Box kBar{200, 380, 455, 395};
inline constexpr int kBarControlId = 102;
// One step per block.
inline constexpr int kBarMinimum = 1;
inline constexpr int kBarMaximum = 64;

// The percentage is cleared over this many character cells, enough for "100%" and more.
inline constexpr int kPercentCells = 13;

// The texts' font: proportional, 16 pixels, normal weight, on the view's background colour.
inline constexpr const char* kFontFamily = "Arial";
inline constexpr int kFontPixelSize = 16;

} // namespace zelt::progress
