#pragma once

#include <QRect>
#include <QString>

class QFont;
class QPainter;

namespace zelt {

// The frame of a captioned child window that lives inside another window's client area: a
// raised 3-pixel border and a caption bar with the window's title. Qt draws no frame for child
// widgets, so the window draws its own; its client area is what lies inside.
namespace childframe {

inline constexpr int kBorder = 3;
inline constexpr int kCaptionHeight = 18;

// The client area of a window of the given outer size, in the window's own coordinates.
QRect ClientRect(const QSize& outer);
// The caption bar, in the window's own coordinates.
QRect CaptionRect(const QSize& outer);

// Paints border and caption bar over the whole window rectangle; the client area is left for
// the window to fill.
void Paint(QPainter& painter, const QRect& outer, const QString& title, bool active);

} // namespace childframe
} // namespace zelt
