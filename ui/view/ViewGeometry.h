#pragma once

// Where the editor view draws. The picture uses fixed pixel positions in the view's client
// area (origin top left, y downwards); nothing scales with the window.
namespace zelt::view {

struct Rgb {
    int red;
    int green;
    int blue;
};

inline constexpr Rgb kBackground{220, 220, 220};
inline constexpr Rgb kContentBackground{255, 255, 255};
inline constexpr Rgb kDefinedBlue{0, 0, 255};
inline constexpr Rgb kModifiedGreen{30, 150, 0};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kErrorRed{255, 0, 0};

struct Point {
    int x;
    int y;
};

// A rectangle from (left, top) to (right, bottom), right and bottom exclusive.
struct Box {
    int left;
    int top;
    int right;
    int bottom;

    // Strictly inside: a point on the outline is outside.
    constexpr bool StrictlyContains(int x, int y) const {
        return left < x && x < right && top < y && y < bottom;
    }
};

// The content box and the caret cells inside it.
inline constexpr Box kContentBox{95, 330, 700, 350};
inline constexpr Point kContentTextOrigin{98, 331};
inline constexpr int kCellWidth = 7;
inline constexpr int kContentColumns = 85;
inline constexpr int kCaretLeft = 99;
inline constexpr int kCaretLength = 5;
inline constexpr int kCaretY = 347;
inline constexpr int kCaretThickness = 2;

// The band with the status lines and the content box.
inline constexpr Box kStatusArea{10, 300, 750, 360};

// Status lines under the picture.
inline constexpr Point kKeyNameCaption{10, 310};
inline constexpr Point kKeyContentCaption{10, 330};
inline constexpr Point kSpaceLeftCaption{490, 310};
inline constexpr Point kKeyName{80, 310};
inline constexpr Point kModeText{280, 310};
inline constexpr Point kSpaceLeft{670, 310};
inline constexpr Point kErrorLine{100, 350};

// Frame around the key picture: black, and white one pixel up and to the left.
inline constexpr Box kPictureFrame{30, 20, 730, 300};

// Hint line and legend line.
inline constexpr Point kHintLine{35, 25};
inline constexpr int kLegendY = 2;
inline constexpr int kLegendBlackX = 35;
inline constexpr int kLegendBlueX = 230;
inline constexpr int kLegendDefinedX = 290;
inline constexpr int kLegendGreenX = 405;
inline constexpr int kLegendModifiedX = 470;
inline constexpr int kLegendPortX = 620;

// Where a key's label starts inside its rectangle.
inline constexpr int kLabelInsetX = 3;
inline constexpr int kLabelInsetY = 2;

// The L-shaped Enter key of the RM models: the upper part's layout position, the lower part's,
// and how far the lower part's top edge stays open towards the upper part.
inline constexpr int kEnterUpperPosition = 28;
inline constexpr int kEnterLowerPosition = 41;
inline constexpr int kEnterOpening = 40;
inline constexpr int kEnterOpeningUnknownModel = 38;

// Everything the view paints lies inside this size.
inline constexpr int kViewWidth = 760;
inline constexpr int kViewHeight = 420;

} // namespace zelt::view
