#pragma once

#include "CommPort.h"

namespace zelt {

// The port the keyboard hangs on, with the values the editor view keeps.
enum class PortKind : int { Ps2 = 0, Usb = 5 };

// The name the view's legend shows.
constexpr const char* PortNameOf(PortKind kind) {
    return kind == PortKind::Usb ? "USB" : "PS2";
}

constexpr PortKind PortKindOf(CommPort port) {
    return port == CommPort::Usb ? PortKind::Usb : PortKind::Ps2;
}

} // namespace zelt
