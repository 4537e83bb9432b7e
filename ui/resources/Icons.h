#pragma once

#include <QPixmap>

#include <string_view>

namespace zelt {

// The toolbar image of that name (16 x 16); a null pixmap for an unknown name.
QPixmap ToolBarIcon(std::string_view name);

// The program's own icon (32 x 32).
QPixmap ProgramIcon();

} // namespace zelt
