#pragma once

class QPainter;

namespace zelt {

// Something drawn over the editor view's picture for a while, such as the progress display of a
// transfer. The view paints it last, on every paint, until it is taken away again.
class ViewOverlay {
public:
    virtual ~ViewOverlay() = default;
    virtual void Paint(QPainter& painter) const = 0;
};

} // namespace zelt
