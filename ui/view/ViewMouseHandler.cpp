#include "view/ViewMouseHandler.h"

#include <QMouseEvent>

namespace zelt {

Redraw ViewMouseHandler::Press(const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton) {
        return Redraw::None;
    }
    const QPoint point = event.position().toPoint();
    return controller_.LeftButtonDown(point.x(), point.y());
}

} // namespace zelt
