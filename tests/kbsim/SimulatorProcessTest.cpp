// The simulator as a process: its sockets, its memory file, and its robustness against
// malformed requests; and the program's socket clients against it, including a simulator that
// dies or stops answering.

#include "CKBIO.h"
#include "CUSBport.h"
#include "ModelCode.h"
#include "SimHidBackend.h"
#include "SimProtocol.h"
#include "SocketKbPortDriver.h"
#include "TemplateImage.h"
#include "TimedProcess.h"
#include "UnixSocket.h"

#include <gtest/gtest.h>

#include <random>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

namespace zelt {
namespace {

using namespace std::chrono_literals;
using testing::KbsimProcess;
using testing::ReadBytes;
using testing::RunWithDeadline;
using testing::TempDir;
using testing::WriteBytes;

TemplateImage Pattern() {
    TemplateImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i ^ (i >> 8) ^ 0x5A);
    }
    return image;
}

// A raw connection for sending arbitrary bytes.
int RawConnect(const std::string& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof(address.sun_path), "%s", path.c_str());
    timeval tv{1, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof(tv));
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Sends one frame with a payload and returns the reply payload (empty when the connection
// closed instead).
std::vector<std::uint8_t> RawExchange(int fd, const std::vector<std::uint8_t>& payload) {
    FrameConnection unused;
    const auto header = simproto::FrameHeader(static_cast<std::uint32_t>(payload.size()));
    ::send(fd, header.data(), header.size(), MSG_NOSIGNAL);
    ::send(fd, payload.data(), payload.size(), MSG_NOSIGNAL);
    std::uint8_t replyHeader[4];
    if (::recv(fd, replyHeader, 4, MSG_WAITALL) != 4) {
        return {};
    }
    const auto length = simproto::FrameLength(replyHeader);
    if (!length) {
        return {};
    }
    std::vector<std::uint8_t> reply(*length);
    if (::recv(fd, reply.data(), reply.size(), MSG_WAITALL) != static_cast<ssize_t>(reply.size())) {
        return {};
    }
    return reply;
}

bool ClosedByPeer(int fd) {
    std::uint8_t byte;
    return ::recv(fd, &byte, 1, 0) == 0;
}

// The program's USB transport on a simulator's HID socket.
struct UsbClient {
    UsbClient(const std::string& socket, std::chrono::milliseconds timeout)
        : backend(socket, timeout) {}

    SimHidBackend backend;
    RecordingSleeper sleeper;
    NullTrace trace;
    CUSBport port{backend, sleeper, trace};
};

class SimulatorProcess : public ::testing::Test {
protected:
    void StartSimulator(const std::vector<std::string>& args = {}) {
        ASSERT_TRUE(sim.Start(args)) << sim.Stderr();
    }
    // A search and one block read through the real client: the simulator still works.
    bool KeyboardAnswers() {
        UsbClient usb(sim.hidSocket, 1000ms);
        return usb.port.FindHIDDevice() && usb.port.OpenHIDDevice() && usb.port.GetHIDBlockData(63);
    }
    // The program's PS/2 transport on the simulator's port-driver socket, not opened yet.
    CKBIO Ps2Client(std::chrono::milliseconds timeout = 1000ms) {
        return CKBIO(std::make_unique<SocketKbPortDriver>(sim.kbportSocket, timeout),
                     [] { return std::optional<int>(kNtFamily); });
    }

    KbsimProcess sim{ZELT_KBSIM_PATH};
};

TEST_F(SimulatorProcess, SocketsAreOwnerOnlyAndRemovedOnSigterm) {
    StartSimulator();
    for (const std::string& path : {sim.hidSocket, sim.kbportSocket}) {
        struct stat info {};
        ASSERT_EQ(::lstat(path.c_str(), &info), 0) << path;
        EXPECT_TRUE(S_ISSOCK(info.st_mode));
        EXPECT_EQ(info.st_mode & 0777, 0600u) << path;
    }
    EXPECT_EQ(sim.Stop(), 0);
    struct stat info {};
    EXPECT_NE(::lstat(sim.hidSocket.c_str(), &info), 0);
    EXPECT_NE(::lstat(sim.kbportSocket.c_str(), &info), 0);
}

TEST_F(SimulatorProcess, SaveWritesTheMemoryBackOnSigterm) {
    const auto path = sim.Dir() / "memory.bin";
    const TemplateImage pattern = Pattern();
    WriteBytes(path, std::vector<std::uint8_t>(pattern.begin(), pattern.end()));
    StartSimulator({"--image", path.string(), "--save"});

    CKBIO kbio = Ps2Client();
    ASSERT_FALSE(kbio.OpenKBDriver().has_value());
    ASSERT_TRUE(kbio.ReadKBBlock(10));
    EXPECT_TRUE(
        std::equal(kbio.blockBuffer.begin(), kbio.blockBuffer.end(), pattern.begin() + 320));
    kbio.blockBuffer.fill(0xEE);
    ASSERT_TRUE(kbio.WriteKBBlock(10));
    EXPECT_EQ(sim.Stop(), 0);

    const auto saved = ReadBytes(path);
    ASSERT_EQ(saved.size(), 2048u);
    for (std::size_t i = 0; i < 2048; ++i) {
        const std::uint8_t expected = (i >= 320 && i < 352) ? 0xEE : pattern[i];
        ASSERT_EQ(saved[i], expected) << i;
    }
}

TEST_F(SimulatorProcess, WithoutSaveTheFileStaysUntouched) {
    const auto path = sim.Dir() / "memory.bin";
    const TemplateImage pattern = Pattern();
    WriteBytes(path, std::vector<std::uint8_t>(pattern.begin(), pattern.end()));
    StartSimulator({"--image", path.string()});
    CKBIO kbio = Ps2Client();
    ASSERT_FALSE(kbio.OpenKBDriver().has_value());
    ASSERT_TRUE(kbio.WriteKBBlock(0));
    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_EQ(ReadBytes(path), std::vector<std::uint8_t>(pattern.begin(), pattern.end()));
}

TEST(SimulatorCommandLine, BadArgumentsAndFilesExitWith2) {
    TempDir dir;
    WriteBytes(dir / "short.bin", std::vector<std::uint8_t>(100, 0));
    const auto env = testing::EnvironmentWith({});
    const std::string hid = (dir / "h.sock").string();
    const std::string port = (dir / "p.sock").string();
    struct Case {
        std::vector<std::string> args;
        std::string says;
    };
    const std::vector<Case> cases = {
        {{"--image", (dir / "missing.bin").string()}, "missing.bin"},
        {{"--image", (dir / "short.bin").string()}, "100"},
        {{"--image", dir.Path().string()}, dir.Path().string()},
        {{"--save"}, "--image"},
        {{"--fault", "read-fail:99"}, "BLOCK"},
        {{"--fault", "teleport:1"}, "unknown fault kind"},
        {{"--bogus"}, "--bogus"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"--hid-socket", hid, "--kbport-socket", port};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto r = RunWithDeadline(ZELT_KBSIM_PATH, args, env, 10s);
        EXPECT_EQ(r.exitStatus, 2) << c.args[0];
        EXPECT_NE(r.err.find(c.says), std::string::npos) << c.args[0] << ": " << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST(SimulatorCommandLine, HelpDocumentsEveryFaultAndTheSockets) {
    const auto r = RunWithDeadline(ZELT_KBSIM_PATH, {"--help"}, testing::EnvironmentWith({}), 10s);
    EXPECT_EQ(r.exitStatus, 0);
    for (const char* word :
         {"--hid-socket", "--kbport-socket", "--image", "--save", "--fault", "read-fail",
          "write-fail", "bad-checksum", "no-ack", "driver-fail", "driver-empty", "status-fail",
          "status-empty", "disconnect", "ZELT_HID_SIM", "ZELT_KBPORT", "ready", "SIGTERM"}) {
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
    }
}

TEST_F(SimulatorProcess, ReplacesAStaleSocketButNothingElse) {
    // A stale socket file: bound once, nobody listening any more.
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof(address.sun_path), "%s", sim.hidSocket.c_str());
        ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
        ::close(fd);
    }
    StartSimulator();
    EXPECT_TRUE(KeyboardAnswers());

    // A second simulator on the same sockets is refused; so is a regular file.
    const auto env = testing::EnvironmentWith({});
    auto r = RunWithDeadline(
        ZELT_KBSIM_PATH,
        {"--hid-socket", sim.hidSocket, "--kbport-socket", (sim.Dir() / "other.sock").string()},
        env, 10s);
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_NE(r.err.find("already listening"), std::string::npos) << r.err;
    const auto file = sim.Dir() / "precious.txt";
    WriteBytes(file, {'k', 'e', 'e', 'p'});
    r = RunWithDeadline(
        ZELT_KBSIM_PATH,
        {"--hid-socket", file.string(), "--kbport-socket", (sim.Dir() / "other.sock").string()},
        env, 10s);
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_NE(r.err.find("not a socket"), std::string::npos) << r.err;
    EXPECT_EQ(ReadBytes(file), (std::vector<std::uint8_t>{'k', 'e', 'e', 'p'}));
    EXPECT_TRUE(KeyboardAnswers());
}

TEST_F(SimulatorProcess, MalformedHidRequestsGetErrorsOrAClosedConnection) {
    StartSimulator();
    using simproto::HidStatus;
    const auto status = [](const std::vector<std::uint8_t>& reply) {
        return reply.empty() ? -1 : reply[0];
    };
    int fd = RawConnect(sim.hidSocket);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(status(RawExchange(fd, {0x77})), int(HidStatus::Malformed));
    EXPECT_EQ(status(RawExchange(fd, {0x03})), int(HidStatus::NotOpen));
    EXPECT_EQ(status(RawExchange(fd, {0x06, 0, 0xE6, 0, 0, 0, 0, 0, 0, 0})),
              int(HidStatus::NotOpen));
    EXPECT_EQ(status(RawExchange(fd, {0x01, 0x00})), int(HidStatus::Malformed));
    const auto failedOpen = RawExchange(fd, {0x02, 'x'});
    EXPECT_EQ(status(failedOpen), int(HidStatus::Failed));
    const std::string path = "kbsim/rm0480u";
    std::vector<std::uint8_t> open = {0x02};
    open.insert(open.end(), path.begin(), path.end());
    EXPECT_EQ(status(RawExchange(fd, open)), int(HidStatus::Ok));
    EXPECT_EQ(status(RawExchange(fd, {0x06, 0, 0xE6})), int(HidStatus::Malformed)); // short report
    EXPECT_EQ(status(RawExchange(fd, {0x07, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})),
              int(HidStatus::Malformed)); // long report
    ::close(fd);

    // Frame lengths out of range close the connection.
    for (std::uint32_t bad : {0u, simproto::kMaxFrameSize + 1, 0xFFFFFFFFu}) {
        fd = RawConnect(sim.hidSocket);
        ASSERT_GE(fd, 0);
        const auto header = simproto::FrameHeader(bad);
        ::send(fd, header.data(), header.size(), MSG_NOSIGNAL);
        EXPECT_TRUE(ClosedByPeer(fd)) << bad;
        ::close(fd);
    }
    // A frame cut off by the client's going away.
    fd = RawConnect(sim.hidSocket);
    const auto header = simproto::FrameHeader(100);
    ::send(fd, header.data(), header.size(), MSG_NOSIGNAL);
    ::send(fd, "abc", 3, MSG_NOSIGNAL);
    ::close(fd);
    EXPECT_TRUE(KeyboardAnswers());
}

TEST_F(SimulatorProcess, MalformedPortDriverRequestsFailAsCalls) {
    StartSimulator();
    const int fd = RawConnect(sim.kbportSocket);
    ASSERT_GE(fd, 0);
    for (std::size_t size : {1u, 47u, 49u, 300u}) {
        const auto reply = RawExchange(fd, std::vector<std::uint8_t>(size, 3));
        ASSERT_EQ(reply.size(), simproto::kKbReplySize) << size;
        EXPECT_EQ(reply[0], 0) << size; // the call failed
    }
    ::close(fd);
}

TEST_F(SimulatorProcess, SurvivesRandomBytesOnBothSockets) {
    StartSimulator();
    std::mt19937 random(20240611);
    for (int round = 0; round < 300; ++round) {
        const std::string& path = round % 2 == 0 ? sim.hidSocket : sim.kbportSocket;
        const int fd = RawConnect(path);
        ASSERT_GE(fd, 0) << "round " << round << ": " << sim.Stderr();
        std::vector<std::uint8_t> bytes(random() % 80);
        for (auto& b : bytes) {
            b = static_cast<std::uint8_t>(random());
        }
        if (round % 3 == 0 && bytes.size() >= 5) {
            // A well-framed random request, to reach the request handlers.
            const auto header = simproto::FrameHeader(static_cast<std::uint32_t>(bytes.size() - 4));
            std::copy(header.begin(), header.end(), bytes.begin());
        }
        ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        ::close(fd);
    }
    EXPECT_TRUE(sim.Running());
    EXPECT_TRUE(KeyboardAnswers());
}

TEST_F(SimulatorProcess, ClientOperationsFailPromptlyWhenTheSimulatorDies) {
    // Timeouts far longer than any loaded machine needs for these calls: if a call waited for
    // its timeout instead of noticing the dead peer, the time taken would reach it.
    constexpr auto kTimeout = 30000ms;
    StartSimulator();
    UsbClient usb(sim.hidSocket, kTimeout);
    CUSBport& port = usb.port;
    ASSERT_TRUE(port.FindHIDDevice());
    ASSERT_TRUE(port.OpenHIDDevice());
    CKBIO kbio = Ps2Client(kTimeout);
    ASSERT_FALSE(kbio.OpenKBDriver().has_value());

    sim.Kill();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(port.SendHIDBlockData(0)); // no SIGPIPE: the test would end here
    EXPECT_FALSE(port.GetHIDBlockData(0));
    EXPECT_FALSE(port.GetHIDAck());
    EXPECT_FALSE(port.CheckHIDParam());
    EXPECT_EQ(kbio.QueryKBStatus(), KbStatus::CallFailed);
    EXPECT_FALSE(kbio.WriteKBBlock(0));
    EXPECT_FALSE(port.FindHIDDevice());
    // Nothing waited for a timeout: a dead peer is noticed at once.
    EXPECT_LT(std::chrono::steady_clock::now() - start, kTimeout);
}

TEST_F(SimulatorProcess, ClientOperationsTimeOutWhenTheSimulatorStopsAnswering) {
    StartSimulator();
    UsbClient usb(sim.hidSocket, 200ms);
    CUSBport& port = usb.port;
    ASSERT_TRUE(port.FindHIDDevice());
    ASSERT_TRUE(port.OpenHIDDevice());
    CKBIO kbio = Ps2Client(200ms);
    ASSERT_FALSE(kbio.OpenKBDriver().has_value());

    sim.Signal(SIGSTOP);
    EXPECT_FALSE(port.GetHIDBlockData(0));
    EXPECT_EQ(kbio.QueryKBStatus(), KbStatus::CallFailed);
    // A broken connection stays broken, without waiting again.
    EXPECT_FALSE(port.GetHIDAck());
    EXPECT_FALSE(kbio.ReadKBBlock(0));
    sim.Signal(SIGCONT);
    // The simulator itself is fine; a new connection works.
    EXPECT_TRUE(KeyboardAnswers());
}

TEST(SimulatorClients, NoSimulatorMeansNoListingAndNoDriver) {
    TempDir dir;
    SimHidBackend backend((dir / "none.sock").string(), 200ms);
    const auto query = backend.QueryInterface(HidInterfaceClass::Hid, 0);
    EXPECT_EQ(query.result, HidInterfaceQuery::Result::ListUnavailable);
    const auto opened = backend.Open("kbsim/rm0480u");
    EXPECT_FALSE(opened.device);
    EXPECT_NE(opened.errorText.find("none.sock"), std::string::npos) << opened.errorText;

    SocketKbPortDriver driver((dir / "none.sock").string(), 200ms);
    std::string error;
    EXPECT_FALSE(driver.Open(error));
    EXPECT_NE(error.find("none.sock"), std::string::npos) << error;
    EXPECT_NE(error.find("No such file"), std::string::npos) << error;
    KbRequest in{}, out{};
    EXPECT_FALSE(driver.Control(in, out).callSucceeded);

    SimHidBackend tooLong(std::string(200, 'x'), 200ms);
    EXPECT_EQ(tooLong.QueryInterface(HidInterfaceClass::Hid, 0).result,
              HidInterfaceQuery::Result::ListUnavailable);
}

} // namespace
} // namespace zelt
