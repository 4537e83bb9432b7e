#pragma once

#include "view/ViewController.h"

class QMouseEvent;

namespace zelt {

// Turns mouse presses on the view into controller calls. Only the left button does anything.
class ViewMouseHandler {
public:
    explicit ViewMouseHandler(ViewController& controller) : controller_(controller) {}

    Redraw Press(const QMouseEvent& event);

private:
    ViewController& controller_;
};

} // namespace zelt
