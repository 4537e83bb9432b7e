#pragma once

#include "CommPort.h"
#include "KeyboardConnection.h"
#include "MessageSink.h"

#include <memory>

namespace zelt::tool {

// Connects to the keyboard the way the editor does at start-up (hidapi or ZELT_HID_SIM for
// USB, the port driver or its stand-in at ZELT_KBPORT for PS/2). A keyboard that cannot be
// reached has had its message shown and gives nothing; the caller exits with kExitFailure.
std::unique_ptr<KeyboardConnection> ConnectKeyboard(CommPort port, MessageSink& messages);

} // namespace zelt::tool
