#pragma once

#include "view/ViewGeometry.h"

// The keyboard output test window: where it stands in the editor view and what it draws, in its
// client coordinates (origin top left, y downwards).
namespace zelt::keytest {

inline constexpr const char* kCaption = "KeyCodeTest";
inline constexpr const char* kHeading = "Key Code Test Output:";
inline constexpr const char* kQuitText = "Quit";

// In the editor view's client area, right and bottom exclusive.
inline constexpr view::Box kWindowRect{50, 50, 700, 350};
// The read-only text, and the drawn Quit button (a click must lie strictly inside).
inline constexpr view::Box kTextRect{10, 30, 630, 275};
inline constexpr view::Box kQuitRect{550, 5, 630, 25};
inline constexpr view::Point kHeadingAt{10, 5};
inline constexpr view::Point kQuitTextAt{580, 7};

inline constexpr int kWindowControlId = 1087;
inline constexpr int kEditControlId = 1091;

} // namespace zelt::keytest
