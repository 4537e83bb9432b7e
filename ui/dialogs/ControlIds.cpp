#include "dialogs/ControlIds.h"

#include <QWidget>

namespace zelt {

void SetControlIds(QWidget& dialog, std::span<const ControlId> ids) {
    for (const ControlId& control : ids) {
        if (QWidget* child = dialog.findChild<QWidget*>(QString::fromLatin1(control.objectName))) {
            child->setProperty("controlId", control.id);
        }
    }
}

} // namespace zelt
