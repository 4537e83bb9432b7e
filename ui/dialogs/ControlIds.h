#pragma once

#include <span>

class QWidget;

namespace zelt {

// A dialog control, by its object name, and its control id. The id is kept as the control's
// "controlId" property: scripts and tests find a control by its number, whatever its object
// name or place in the layout.
struct ControlId {
    const char* objectName;
    int id;
};

// Gives each listed child of dialog its id.
void SetControlIds(QWidget& dialog, std::span<const ControlId> ids);

} // namespace zelt
