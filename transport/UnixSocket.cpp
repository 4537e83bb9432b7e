#include "UnixSocket.h"

#include "SimProtocol.h"

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace zelt {

namespace {

#ifdef MSG_NOSIGNAL
constexpr int kSendFlags = MSG_NOSIGNAL;
#else
constexpr int kSendFlags = 0;
#endif

void SetTimeout(int fd, int option, std::chrono::milliseconds timeout) {
    timeval tv{};
    tv.tv_sec = static_cast<time_t>(timeout.count() / 1000);
    tv.tv_usec = static_cast<suseconds_t>((timeout.count() % 1000) * 1000);
    setsockopt(fd, SOL_SOCKET, option, &tv, sizeof(tv));
}

} // namespace

std::string SystemErrorText(int errorCode) {
    return std::strerror(errorCode);
}

FrameConnection::FrameConnection(FrameConnection&& other) noexcept
    : fd_(other.fd_), lastError_(other.lastError_) {
    other.fd_ = -1;
}

FrameConnection& FrameConnection::operator=(FrameConnection&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = other.fd_;
        lastError_ = other.lastError_;
        other.fd_ = -1;
    }
    return *this;
}

FrameConnection::~FrameConnection() {
    Close();
}

void FrameConnection::Close() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

void FrameConnection::Fail(int errorCode) {
    lastError_ = errorCode;
    Close();
}

bool FrameConnection::Connect(const std::string& path, std::chrono::milliseconds timeout,
                              std::string& error, int& errorCode) {
    Close();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof(address.sun_path)) {
        errorCode = ENAMETOOLONG;
        error = path + ": " + (path.empty() ? "no socket path given" : "socket path too long");
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        errorCode = errno;
        error = path + ": " + SystemErrorText(errorCode);
        return false;
    }
#ifdef SO_NOSIGPIPE
    const int one = 1;
    setsockopt(fd, SOL_SOCKET, SO_NOSIGPIPE, &one, sizeof(one));
#endif
    SetTimeout(fd, SO_RCVTIMEO, timeout);
    SetTimeout(fd, SO_SNDTIMEO, timeout);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        errorCode = errno;
        error = path + ": " + SystemErrorText(errorCode);
        ::close(fd);
        return false;
    }
    fd_ = fd;
    lastError_ = 0;
    return true;
}

bool FrameConnection::SendAll(const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t sent = ::send(fd_, data, size, kSendFlags);
        if (sent < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail(errno);
            return false;
        }
        data += sent;
        size -= static_cast<std::size_t>(sent);
    }
    return true;
}

bool FrameConnection::ReceiveAll(std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t got = ::recv(fd_, data, size, 0);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            // EAGAIN here means the receive timeout ran out.
            Fail(errno == EAGAIN || errno == EWOULDBLOCK ? ETIMEDOUT : errno);
            return false;
        }
        if (got == 0) {
            Fail(ECONNRESET);
            return false;
        }
        data += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

std::optional<std::vector<std::uint8_t>>
FrameConnection::Exchange(const std::vector<std::uint8_t>& request) {
    if (fd_ < 0) {
        lastError_ = ENOTCONN;
        return std::nullopt;
    }
    if (request.empty() || request.size() > simproto::kMaxFrameSize) {
        lastError_ = EMSGSIZE;
        return std::nullopt;
    }
    const auto header = simproto::FrameHeader(static_cast<std::uint32_t>(request.size()));
    if (!SendAll(header.data(), header.size()) || !SendAll(request.data(), request.size())) {
        return std::nullopt;
    }
    std::uint8_t replyHeader[simproto::kFrameHeaderSize];
    if (!ReceiveAll(replyHeader, sizeof(replyHeader))) {
        return std::nullopt;
    }
    const auto length = simproto::FrameLength(replyHeader);
    if (!length) {
        Fail(EPROTO);
        return std::nullopt;
    }
    std::vector<std::uint8_t> reply(*length);
    if (!ReceiveAll(reply.data(), reply.size())) {
        return std::nullopt;
    }
    return reply;
}

} // namespace zelt
