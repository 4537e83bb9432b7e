#pragma once

namespace zelt {

// The connection chosen at start-up for keyboard transfers. It matters beyond the transfers:
// a keyboard on USB cannot use its RS232 port, so the KB properties hide those settings.
enum class CommPort { Ps2, Usb };

} // namespace zelt
