#include "SimServer.h"

#include "SimProtocol.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace zelt::kbsim {

namespace {

using simproto::ByteReader;
using simproto::ByteWriter;
using simproto::HidOp;
using simproto::HidStatus;

// More clients than this at once is a runaway script, not a program; they are turned away.
constexpr std::size_t kMaxConnections = 64;

bool MakeAddress(const std::string& path, sockaddr_un& address, std::string& error) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof(address.sun_path)) {
        error = path + ": socket path empty or too long";
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// Removes a socket file that nobody listens on any more; refuses anything else.
bool ClearStaleSocket(const std::string& path, const sockaddr_un& address, std::string& error) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        return true; // nothing there
    }
    if (!S_ISSOCK(info.st_mode)) {
        error = path + ": exists and is not a socket; not replacing it";
        return false;
    }
    const int probe = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (probe >= 0) {
        const bool live =
            ::connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
        ::close(probe);
        if (live) {
            error = path + ": another simulator is already listening there";
            return false;
        }
    }
    ::unlink(path.c_str());
    return true;
}

int ListenOn(const std::string& path, std::string& error) {
    sockaddr_un address{};
    if (!MakeAddress(path, address, error) || !ClearStaleSocket(path, address, error)) {
        return -1;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        error = path + ": " + std::strerror(errno);
        return -1;
    }
    // Owner-only from the first moment: the keyboard's memory is nobody else's business.
    const mode_t previous = ::umask(0077);
    const int bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
    const int bindError = errno;
    ::umask(previous);
    if (bound != 0 || ::chmod(path.c_str(), 0600) != 0 || ::listen(fd, 16) != 0) {
        error = path + ": " + std::strerror(bound != 0 ? bindError : errno);
        ::close(fd);
        return -1;
    }
    return fd;
}

std::vector<std::uint8_t> Status(HidStatus status) {
    return {static_cast<std::uint8_t>(status)};
}

std::vector<std::uint8_t> Units(const std::u16string& text) {
    ByteWriter out;
    out.U8(static_cast<std::uint8_t>(HidStatus::Ok));
    for (char16_t unit : text) {
        out.U16(static_cast<std::uint16_t>(unit));
    }
    return out.bytes;
}

} // namespace

SimServer::SimServer(SimulatedKeyboard& keyboard, std::string hidSocketPath,
                     std::string kbportSocketPath)
    : keyboard_(keyboard), hidPath_(std::move(hidSocketPath)),
      kbportPath_(std::move(kbportSocketPath)) {}

SimServer::~SimServer() {
    Shutdown();
}

bool SimServer::Listen(std::string& error) {
    hidListener_ = ListenOn(hidPath_, error);
    if (hidListener_ < 0) {
        return false;
    }
    kbportListener_ = ListenOn(kbportPath_, error);
    if (kbportListener_ < 0) {
        Shutdown();
        return false;
    }
    return true;
}

void SimServer::Shutdown() {
    DropAll();
    connections_.clear();
    if (hidListener_ >= 0) {
        ::close(hidListener_);
        ::unlink(hidPath_.c_str());
        hidListener_ = -1;
    }
    if (kbportListener_ >= 0) {
        ::close(kbportListener_);
        ::unlink(kbportPath_.c_str());
        kbportListener_ = -1;
    }
}

void SimServer::Drop(Connection& connection) {
    if (connection.fd >= 0) {
        ::close(connection.fd);
        connection.fd = -1;
    }
    if (connection.boundDevice >= 0) {
        keyboard_.CloseHid(connection.boundDevice);
        connection.boundDevice = -1;
    }
}

void SimServer::DropAll() {
    // Only closes: the list itself is tidied up by the serving loop, which may still hold a
    // reference into it.
    for (Connection& connection : connections_) {
        Drop(connection);
    }
}

void SimServer::Accept(int listener, Channel channel) {
    for (;;) {
        const int fd = ::accept4(listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            return;
        }
        if (connections_.size() >= kMaxConnections) {
            ::close(fd);
            continue;
        }
        connections_.push_back({fd, channel, {}, -1});
    }
}

bool SimServer::SendReply(int fd, const std::vector<std::uint8_t>& reply) {
    std::vector<std::uint8_t> frame;
    const auto header = simproto::FrameHeader(static_cast<std::uint32_t>(reply.size()));
    frame.insert(frame.end(), header.begin(), header.end());
    frame.insert(frame.end(), reply.begin(), reply.end());
    // Replies are small; a client that does not read them is dropped rather than waited for.
    const ssize_t sent = ::send(fd, frame.data(), frame.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    return sent == static_cast<ssize_t>(frame.size());
}

std::vector<std::uint8_t> SimServer::HandleHidRequest(int& boundDevice,
                                                      const std::vector<std::uint8_t>& request) {
    ByteReader reader(request);
    const auto op = reader.U8();
    if (!op) {
        return Status(HidStatus::Malformed);
    }
    const auto& devices = keyboard_.Devices();
    auto device = [&]() -> const SimHidDevice* {
        return boundDevice >= 0 && static_cast<std::size_t>(boundDevice) < devices.size()
                   ? &devices[static_cast<std::size_t>(boundDevice)]
                   : nullptr;
    };
    switch (static_cast<HidOp>(*op)) {
    case HidOp::Enumerate: {
        if (reader.Remaining() != 0) {
            return Status(HidStatus::Malformed);
        }
        std::vector<simproto::HidListing> listing;
        for (const SimHidDevice& d : devices) {
            listing.push_back({d.vendorId, d.productId, d.usagePage, d.usage, d.path});
        }
        return simproto::EncodeListing(listing);
    }
    case HidOp::Open: {
        const auto rest = reader.Rest();
        const std::string path(rest.begin(), rest.end());
        if (boundDevice >= 0) {
            keyboard_.CloseHid(boundDevice);
            boundDevice = -1;
        }
        const auto answer = keyboard_.OpenHid(path);
        if (answer.device < 0) {
            return simproto::FailureReply(HidStatus::Failed, answer.errorCode, answer.errorText);
        }
        boundDevice = answer.device;
        return Status(HidStatus::Ok);
    }
    case HidOp::Manufacturer:
    case HidOp::Product:
    case HidOp::Attributes: {
        if (reader.Remaining() != 0) {
            return Status(HidStatus::Malformed);
        }
        const SimHidDevice* d = device();
        if (d == nullptr) {
            return Status(HidStatus::NotOpen);
        }
        if (static_cast<HidOp>(*op) == HidOp::Manufacturer) {
            return Units(d->manufacturer);
        }
        if (static_cast<HidOp>(*op) == HidOp::Product) {
            return Units(d->product);
        }
        ByteWriter out;
        out.U8(0).U16(d->vendorId).U16(d->productId).U16(d->versionNumber);
        return out.bytes;
    }
    case HidOp::SetFeature:
    case HidOp::GetFeature: {
        HidReport report{};
        if (reader.Remaining() != report.size() || !reader.Bytes(report.data(), report.size())) {
            return Status(HidStatus::Malformed);
        }
        if (device() == nullptr) {
            return Status(HidStatus::NotOpen);
        }
        if (static_cast<HidOp>(*op) == HidOp::SetFeature) {
            return keyboard_.SetFeature(boundDevice, report)
                       ? Status(HidStatus::Ok)
                       : simproto::FailureReply(HidStatus::Failed, EPIPE, "Broken pipe");
        }
        if (!keyboard_.GetFeature(boundDevice, report)) {
            return simproto::FailureReply(HidStatus::Failed, EPIPE, "Broken pipe");
        }
        ByteWriter out;
        out.U8(0).Bytes(report.data(), report.size());
        return out.bytes;
    }
    }
    return Status(HidStatus::Malformed);
}

std::vector<std::uint8_t> SimServer::HandleKbRequest(const std::vector<std::uint8_t>& request) {
    KbRequest output{};
    if (request.size() != kKbRequestSize) {
        return simproto::EncodeKbReply({false, 0, EINVAL}, output);
    }
    KbRequest input{};
    std::copy(request.begin(), request.end(), input.begin());
    const KbControlResult result = keyboard_.PortRequest(input, output);
    return simproto::EncodeKbReply(result, output);
}

bool SimServer::Serve(Connection& connection) {
    std::uint8_t chunk[4096];
    for (;;) {
        const ssize_t got = ::recv(connection.fd, chunk, sizeof(chunk), 0);
        if (got == 0) {
            return false;
        }
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                break;
            }
            return false;
        }
        connection.input.insert(connection.input.end(), chunk, chunk + got);
        if (connection.input.size() > 4 * (simproto::kMaxFrameSize + 4)) {
            return false; // a client that floods without reading is dropped
        }
    }
    std::size_t offset = 0;
    while (connection.input.size() - offset >= simproto::kFrameHeaderSize) {
        const auto length = simproto::FrameLength(connection.input.data() + offset);
        if (!length) {
            return false;
        }
        if (connection.input.size() - offset < simproto::kFrameHeaderSize + *length) {
            break;
        }
        const auto begin = connection.input.begin() +
                           static_cast<std::ptrdiff_t>(offset + simproto::kFrameHeaderSize);
        const std::vector<std::uint8_t> request(begin, begin + *length);
        offset += simproto::kFrameHeaderSize + *length;
        const auto reply = connection.channel == Channel::Hid
                               ? HandleHidRequest(connection.boundDevice, request)
                               : HandleKbRequest(request);
        if (!SendReply(connection.fd, reply)) {
            return false;
        }
        if (keyboard_.TakeDisconnect()) {
            // The keyboard went away after the reply: every connection breaks.
            connection.input.clear();
            DropAll();
            return true;
        }
    }
    connection.input.erase(connection.input.begin(),
                           connection.input.begin() + static_cast<std::ptrdiff_t>(offset));
    return true;
}

void SimServer::Run(const volatile std::sig_atomic_t& stop, const sigset_t& waitMask) {
    while (stop == 0) {
        std::vector<pollfd> fds;
        fds.push_back({hidListener_, POLLIN, 0});
        fds.push_back({kbportListener_, POLLIN, 0});
        for (const Connection& connection : connections_) {
            fds.push_back({connection.fd, POLLIN, 0});
        }
        const int ready = ::ppoll(fds.data(), fds.size(), nullptr, &waitMask);
        if (ready < 0) {
            continue; // EINTR: a signal; the loop condition decides
        }
        // Serve the connections first: accepting may reallocate the list.
        for (std::size_t i = 2; i < fds.size(); ++i) {
            if (fds[i].revents == 0) {
                continue;
            }
            auto it = std::find_if(connections_.begin(), connections_.end(),
                                   [&](const Connection& c) { return c.fd == fds[i].fd; });
            if (it == connections_.end()) {
                continue; // dropped by a disconnect while serving another
            }
            if (!Serve(*it)) {
                Drop(*it);
            }
        }
        connections_.erase(std::remove_if(connections_.begin(), connections_.end(),
                                          [](const Connection& c) { return c.fd < 0; }),
                           connections_.end());
        if ((fds[0].revents & POLLIN) != 0) {
            Accept(hidListener_, Channel::Hid);
        }
        if ((fds[1].revents & POLLIN) != 0) {
            Accept(kbportListener_, Channel::KbPort);
        }
    }
}

} // namespace zelt::kbsim
