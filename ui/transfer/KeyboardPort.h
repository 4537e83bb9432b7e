#pragma once

#include "KeyboardConnection.h"
#include "PortKind.h"
#include "seams/CommandDialogs.h"

#include <functional>
#include <memory>

namespace zelt {

// Creates the transport for the chosen port; the platform's real devices in the program,
// fakes in tests.
using KeyboardConnector =
    std::function<KeyboardConnection::StartResult(PortKind kind, MessageSink& messages)>;

// The port the keyboard hangs on: asked once at start-up, then kept with its transport for the
// life of the program.
class KeyboardPort {
public:
    // The start-up choice. False when the program must end now (exit status 0): the question
    // was left any way but OK, or the transport could not be set up (its message has been
    // shown).
    bool ChooseAtStartUp(CommandDialogs& dialogs, MessageSink& messages,
                         const KeyboardConnector& connect);

    bool Chosen() const { return connection_ != nullptr; }
    KeyboardConnection* Connection() { return connection_.get(); }
    // "PS2" or "USB" once chosen, else empty.
    std::string PortName() const;

private:
    std::unique_ptr<KeyboardConnection> connection_;
};

} // namespace zelt
