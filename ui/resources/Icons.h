#pragma once

#include <QPixmap>

#include <string_view>

namespace zelt {

// The toolbar image of that name (16 x 16); a null pixmap for an unknown name.
QPixmap ToolBarIcon(std::string_view name);

// The program's own icon (32 x 32).
QPixmap ProgramIcon();

// The chevron of a menu bar's or toolbar's overflow button (8 x 8), pointing right for a
// horizontal bar and down for a vertical one.
QPixmap ExtensionButtonIcon(Qt::Orientation barOrientation);

} // namespace zelt
