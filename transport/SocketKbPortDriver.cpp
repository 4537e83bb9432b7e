#include "SocketKbPortDriver.h"

#include "SimProtocol.h"

#include <cerrno>
#include <cstdlib>
#include <unistd.h>

namespace zelt {

SocketKbPortDriver::SocketKbPortDriver(std::string socketPath, std::chrono::milliseconds timeout)
    : socketPath_(std::move(socketPath)), timeout_(timeout) {}

bool SocketKbPortDriver::Open(std::string& error) {
    int errorCode = 0;
    if (!connection_.Connect(socketPath_, timeout_, error, errorCode)) {
        error = "port driver stand-in: " + error;
        return false;
    }
    return true;
}

KbControlResult SocketKbPortDriver::Control(const KbRequest& input, KbRequest& output) {
    output.fill(0);
    const auto reply = connection_.Exchange(std::vector<std::uint8_t>(input.begin(), input.end()));
    if (!reply) {
        return {false, 0, connection_.LastErrorCode()};
    }
    KbRequest answer{};
    const auto result = simproto::DecodeKbReply(*reply, answer);
    if (!result) {
        // An answer that makes no sense is no answer; nothing of it is used.
        connection_.Close();
        return {false, 0, EPROTO};
    }
    output = answer;
    return *result;
}

void SocketKbPortDriver::Close() {
    connection_.Close();
}

std::string DefaultKbPortSocketPath() {
    const char* configured = std::getenv("ZELT_KBPORT");
    if (configured != nullptr && *configured != '\0') {
        return configured;
    }
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    if (runtimeDir != nullptr && *runtimeDir != '\0') {
        return std::string(runtimeDir) + "/zelt-kbport.sock";
    }
    return "/tmp/zelt-kbport-" + std::to_string(::getuid()) + ".sock";
}

} // namespace zelt
