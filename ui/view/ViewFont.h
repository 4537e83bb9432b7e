#pragma once

#include <QFont>

namespace zelt {

// The view's text font: bold, fixed pitch, about 16 pixels high, narrowed so that every
// character takes exactly one 7-pixel cell. The caret arithmetic of the content box and the
// fit of the key labels rest on that cell width, whatever monospace face the machine has.
QFont MakeViewFont();

} // namespace zelt
