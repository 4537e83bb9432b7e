#pragma once

#include "KbPortDriver.h"
#include "UnixSocket.h"

#include <chrono>
#include <string>

namespace zelt {

// Stand-in for the keyboard-port driver on systems that have none: each control request is
// sent to the keyboard simulator's port-driver socket (protocol: SimProtocol.h). Opening
// connects; a connection that breaks stays broken, like the handle of a driver that went away,
// so every later request fails as a failed call.
class SocketKbPortDriver final : public KbPortDriver {
public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{3000};

    explicit SocketKbPortDriver(std::string socketPath,
                                std::chrono::milliseconds timeout = kDefaultTimeout);
    bool Open(std::string& error) override;
    KbControlResult Control(const KbRequest& input, KbRequest& output) override;
    void Close() override;

private:
    std::string socketPath_;
    std::chrono::milliseconds timeout_;
    FrameConnection connection_;
};

// The port-driver socket: ZELT_KBPORT when set and not empty; otherwise
// $XDG_RUNTIME_DIR/zelt-kbport.sock when XDG_RUNTIME_DIR is set, else /tmp/zelt-kbport-UID.sock.
std::string DefaultKbPortSocketPath();

} // namespace zelt
