#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zelt {

// A connected Unix stream socket that exchanges length-prefixed frames (see SimProtocol.h).
// Every send and receive is bounded by the timeout, so a peer that stops answering cannot hang
// the caller; a peer that goes away makes the next exchange fail (never a SIGPIPE). After the
// first failure the connection stays broken.
class FrameConnection {
public:
    FrameConnection() = default;
    FrameConnection(const FrameConnection&) = delete;
    FrameConnection& operator=(const FrameConnection&) = delete;
    FrameConnection(FrameConnection&& other) noexcept;
    FrameConnection& operator=(FrameConnection&& other) noexcept;
    ~FrameConnection();

    // Connects to the socket at path. On failure returns false, with the system's reason and
    // error number in error / errorCode.
    bool Connect(const std::string& path, std::chrono::milliseconds timeout, std::string& error,
                 int& errorCode);
    // Sends a request frame and waits for the reply frame; nothing when either fails.
    std::optional<std::vector<std::uint8_t>> Exchange(const std::vector<std::uint8_t>& request);
    // errno of the last failure, 0 when none.
    int LastErrorCode() const { return lastError_; }
    void Close();

private:
    bool SendAll(const std::uint8_t* data, std::size_t size);
    bool ReceiveAll(std::uint8_t* data, std::size_t size);
    void Fail(int errorCode);

    int fd_ = -1;
    int lastError_ = 0;
};

// Text of an errno value.
std::string SystemErrorText(int errorCode);

} // namespace zelt
