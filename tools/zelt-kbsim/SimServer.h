#pragma once

#include "SimulatedKeyboard.h"

#include <csignal>
#include <cstdint>
#include <string>
#include <vector>

namespace zelt::kbsim {

// Serves a SimulatedKeyboard on the HID socket and the port-driver socket (protocol:
// SimProtocol.h), single-threaded with poll. Malformed frames close their connection,
// malformed requests get an error reply; nothing a client sends can stop the server.
class SimServer {
public:
    SimServer(SimulatedKeyboard& keyboard, std::string hidSocketPath, std::string kbportSocketPath);
    ~SimServer();
    SimServer(const SimServer&) = delete;
    SimServer& operator=(const SimServer&) = delete;

    // Creates both sockets, readable and writable by the owner only. A stale socket file left
    // by an earlier run is replaced; anything else at the path (a live simulator, a regular
    // file) is refused. On failure returns false with the reason in error.
    bool Listen(std::string& error);
    // Serves until stop becomes nonzero. The caller blocks the stop signals and passes the
    // mask to use while waiting, so that a signal can only arrive while the server waits.
    void Run(const volatile std::sig_atomic_t& stop, const sigset_t& waitMask);
    // Closes every connection and removes the socket files.
    void Shutdown();

    // Answers one request of a HID or port-driver connection; public for tests.
    std::vector<std::uint8_t> HandleHidRequest(int& boundDevice,
                                               const std::vector<std::uint8_t>& request);
    std::vector<std::uint8_t> HandleKbRequest(const std::vector<std::uint8_t>& request);

private:
    enum class Channel { Hid, KbPort };
    struct Connection {
        int fd = -1;
        Channel channel = Channel::Hid;
        std::vector<std::uint8_t> input;
        int boundDevice = -1;
    };

    void Accept(int listener, Channel channel);
    // Reads what the socket has and answers every complete frame; false when the connection
    // must be closed.
    bool Serve(Connection& connection);
    bool SendReply(int fd, const std::vector<std::uint8_t>& reply);
    void Drop(Connection& connection);
    void DropAll();

    SimulatedKeyboard& keyboard_;
    std::string hidPath_;
    std::string kbportPath_;
    int hidListener_ = -1;
    int kbportListener_ = -1;
    std::vector<Connection> connections_;
};

} // namespace zelt::kbsim
