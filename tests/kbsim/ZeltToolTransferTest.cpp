// zelt-tool read and write against the simulator process, over both ports, with and without
// each injected fault: messages, exit status, and that nothing is lost on either side.

#include "ImageBuilder.h"
#include "KeyArea.h"
#include "KeyContentDecoder.h"
#include "ModelCode.h"
#include "TemplateImage.h"
#include "TimedProcess.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <map>
#include <thread>

namespace zelt {
namespace {

using namespace std::chrono_literals;
using testing::KbsimProcess;
using testing::ReadBytes;
using testing::TimedResult;
using testing::WriteBytes;

constexpr auto kDeadline = 60s;

std::vector<std::uint8_t> Bytes(const TemplateImage& image) {
    return {image.begin(), image.end()};
}

// The template the keyboard starts with, and the one the tests write.
TemplateImage OldImage() {
    return testing::ImageWithKeys(kModelRM0480, {{11, "old contents"}});
}

TemplateImage NewImage() {
    TemplateData data;
    data.image = MakeNewImage(kModelRM0480);
    DecodeImage(data);
    for (int k = 0; k < kKeyCount; k += 3) {
        data.keyContents[static_cast<std::size_t>(k)] = "key " + std::to_string(k + 1);
    }
    data.keyContents[40] = "[F1][Enter]";
    data.image[offsets::kInterCharDelay] = 7;
    BuildKeyArea(data);
    return data.image;
}

std::string BlockError(const char* kind, int block) {
    return std::string("Data ") + kind + " Error, Count=" + std::to_string(block) + "\n";
}

class ZeltToolTransfer : public ::testing::TestWithParam<std::string> {
protected:
    // Starts the simulator holding OldImage(), saving its memory when it stops.
    void StartKeyboard(const std::vector<std::string>& extra = {}) {
        WriteBytes(memoryFile(), Bytes(OldImage()));
        std::vector<std::string> args = {"--image", memoryFile().string(), "--save"};
        args.insert(args.end(), extra.begin(), extra.end());
        ASSERT_TRUE(sim.Start(args)) << sim.Stderr();
    }
    // Stops the simulator and returns what its memory held.
    std::vector<std::uint8_t> KeyboardMemory() {
        EXPECT_EQ(sim.Stop(), 0) << sim.Stderr();
        return ReadBytes(memoryFile());
    }
    std::filesystem::path memoryFile() const { return sim.Dir() / "memory.bin"; }
    std::filesystem::path File(const std::string& name) const { return sim.Dir() / name; }

    TimedResult Tool(const std::vector<std::string>& args,
                     std::map<std::string, std::string> environment = {}) {
        environment.emplace("ZELT_HID_SIM", sim.hidSocket);
        environment.emplace("ZELT_KBPORT", sim.kbportSocket);
        environment.emplace("ZELT_PAUSE_SCALE", "0");
        auto result = testing::RunWithDeadline(ZELT_TOOL_PATH, args,
                                               testing::EnvironmentWith(environment), kDeadline);
        EXPECT_FALSE(result.timedOut) << args[0];
        return result;
    }
    TimedResult Read(const std::filesystem::path& out) {
        return Tool({"read", "--port", port(), "-o", out.string()});
    }
    TimedResult Write(const std::filesystem::path& file, std::vector<std::string> more = {}) {
        std::vector<std::string> args = {"write", file.string(), "--port", port()};
        args.insert(args.end(), more.begin(), more.end());
        return Tool(args);
    }
    std::filesystem::path NewTemplateFile() {
        const auto path = File("new.bin");
        WriteBytes(path, Bytes(NewImage()));
        return path;
    }
    const std::string& port() const { return GetParam(); }
    bool usb() const { return port() == "usb"; }

    KbsimProcess sim{ZELT_KBSIM_PATH};
};

TEST_P(ZeltToolTransfer, ReadWritesTheKeyboardsTemplate) {
    StartKeyboard();
    const auto r = Read(File("out.bin"));
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Reading data from keyboard: 100%\n"), std::string::npos) << r.err;
    EXPECT_EQ(ReadBytes(File("out.bin")), Bytes(OldImage()));
}

TEST_P(ZeltToolTransfer, WriteThenReadGivesTheSameBytes) {
    StartKeyboard();
    auto r = Write(NewTemplateFile());
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_NE(r.err.find("Writing data into keyboard: 100%\n"), std::string::npos) << r.err;
    r = Read(File("back.bin"));
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(ReadBytes(File("back.bin")), Bytes(NewImage()));
    EXPECT_EQ(KeyboardMemory(), Bytes(NewImage()));
}

TEST_P(ZeltToolTransfer, VerifyReadsBackAndCompares) {
    StartKeyboard();
    const auto r = Write(NewTemplateFile(), {"--verify"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_NE(r.err.find("Reading data from keyboard: 100%\n"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Verified"), std::string::npos) << r.err;
}

TEST_P(ZeltToolTransfer, VerifyNamesTheFirstDifferingBlock) {
    StartKeyboard({"--fault", "corrupt:12", "--fault", "corrupt:40"});
    const auto r = Write(NewTemplateFile(), {"--verify"});
    EXPECT_EQ(r.exitStatus, 1) << r.err;
    EXPECT_NE(r.err.find("Verification failed: block 12 differs (byte 384"), std::string::npos)
        << r.err;
}

TEST_P(ZeltToolTransfer, ReadSavesADamagedTemplateAndWarns) {
    TemplateImage damaged = OldImage();
    damaged[offsets::kInterCharDelay] = 0;
    WriteBytes(memoryFile(), Bytes(damaged));
    ASSERT_TRUE(sim.Start({"--image", memoryFile().string()})) << sim.Stderr();
    const auto r = Read(File("out.bin"));
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_NE(r.err.find(kCorruptedTemplateMessage), std::string::npos) << r.err;
    EXPECT_EQ(ReadBytes(File("out.bin")), Bytes(damaged));
}

TEST_P(ZeltToolTransfer, ReadRecoversFromFourFailuresOfABlock) {
    StartKeyboard({"--fault", "read-fail:5:4"});
    const auto r = Read(File("out.bin"));
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(ReadBytes(File("out.bin")), Bytes(OldImage()));
}

TEST_P(ZeltToolTransfer, ReadFailureWritesNothingAndKeepsAnExistingFile) {
    StartKeyboard({"--fault", "read-fail:5:5"});
    const auto out = File("out.bin");
    WriteBytes(out, {1, 2, 3});
    const auto r = Read(out);
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_NE(r.err.find(BlockError("Read", 5)), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Reading data from keyboard: 7%\n"), std::string::npos) << r.err;
    EXPECT_EQ(ReadBytes(out), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST_P(ZeltToolTransfer, WriteFailureSendsTheBlocksBeforeItOnly) {
    StartKeyboard({"--fault", "write-fail:7:5"});
    const auto r = Write(NewTemplateFile());
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_NE(r.err.find(BlockError("Written", 7)), std::string::npos) << r.err;
    const auto memory = KeyboardMemory();
    const auto oldImage = OldImage();
    const auto newImage = NewImage();
    ASSERT_EQ(memory.size(), 2048u);
    for (std::size_t i = 0; i < 2048; ++i) {
        ASSERT_EQ(memory[i], i < 7 * 32 ? newImage[i] : oldImage[i]) << i;
    }
}

TEST_P(ZeltToolTransfer, DisconnectEndsTheTransferAtTheNextBlock) {
    StartKeyboard({"--fault", "disconnect:10"});
    auto r = Read(File("out.bin"));
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_NE(r.err.find(BlockError("Read", 11)), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(File("out.bin")));
    // The keyboard came back: the next transfer works.
    r = Write(NewTemplateFile(), {"--verify"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
}

TEST_P(ZeltToolTransfer, DamagedFileIsRefusedUnlessForced) {
    StartKeyboard();
    TemplateImage damaged = NewImage();
    damaged[2047] = 0x00;
    const auto path = File("damaged.bin");
    WriteBytes(path, Bytes(damaged));
    auto r = Write(path);
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_NE(r.err.find(kCorruptedTemplateMessage), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("--force"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("Writing data"), std::string::npos) << r.err;

    r = Write(path, {"--force"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(KeyboardMemory(), Bytes(damaged));
}

TEST_P(ZeltToolTransfer, ContentsThatCannotBeEncodedAreNeverSent) {
    StartKeyboard();
    // No terminator in the key area: the first record runs into the MR fields' 0xFF bytes,
    // which no key content can hold.
    TemplateImage image = MakeNewImage(kModelRM0480);
    std::fill(image.begin(), image.begin() + kKeyAreaSize, 'A');
    const auto path = File("overrun.bin");
    WriteBytes(path, Bytes(image));
    const auto r = Write(path, {"--force"});
    EXPECT_EQ(r.exitStatus, 1) << r.err;
    EXPECT_EQ(r.err.find("Writing data"), std::string::npos) << r.err;
    EXPECT_EQ(KeyboardMemory(), Bytes(OldImage()));
}

TEST_P(ZeltToolTransfer, UnreadableFilesAreIoErrors) {
    StartKeyboard();
    WriteBytes(File("short.bin"), std::vector<std::uint8_t>(1000, 0));
    auto r = Write(File("short.bin"));
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_NE(r.err.find("1000"), std::string::npos) << r.err;
    r = Write(File("missing.bin"));
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_NE(r.err.find("missing.bin"), std::string::npos) << r.err;
    EXPECT_EQ(KeyboardMemory(), Bytes(OldImage()));
}

// An output that cannot be written is refused before the keyboard is asked for anything: here
// no keyboard is there at all, and the only complaint is about the output.
TEST_P(ZeltToolTransfer, UnwritableOutputIsRefusedBeforeTheRead) {
    const auto noKeyboard = testing::EnvironmentWith({{"ZELT_HID_SIM", File("none.sock").string()},
                                                      {"ZELT_KBPORT", File("none.sock").string()}});
    std::filesystem::create_directory(File("folder"));
    for (const std::filesystem::path& out : {File("no/such/folder/out.bin"), File("folder")}) {
        const auto r = testing::RunWithDeadline(
            ZELT_TOOL_PATH, {"read", "--port", port(), "-o", out.string()}, noKeyboard, kDeadline);
        EXPECT_EQ(r.exitStatus, 2) << out;
        EXPECT_NE(r.err.find(out.filename().string()), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("keyboard"), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("driver"), std::string::npos) << r.err;
    }
    EXPECT_TRUE(std::filesystem::is_empty(File("folder")));
}

TEST_P(ZeltToolTransfer, SimulatorKilledMidTransferEndsTheCommandPromptly) {
    // The simulator logs the fault when block 20 is asked for; it is killed right then, in the
    // middle of the transfer.
    StartKeyboard({"--verbose", "--fault", "read-fail:20"});
    std::atomic<bool> done{false};
    std::thread killer([this, &done] {
        while (!done && sim.Stderr().find("at block 20") == std::string::npos) {
            std::this_thread::sleep_for(2ms);
        }
        sim.Kill();
    });
    // Pauses at a tenth, so the transfer is still running when the kill comes.
    const auto r = Tool({"read", "--port", port(), "-o", File("out.bin").string()},
                        {{"ZELT_PAUSE_SCALE", "0.1"}});
    done = true;
    killer.join();
    EXPECT_EQ(r.exitStatus, 2) << r.err;
    const auto at = r.err.find("Data Read Error, Count=");
    ASSERT_NE(at, std::string::npos) << r.err;
    const int block = std::atoi(r.err.c_str() + at + 23);
    EXPECT_GE(block, 20) << r.err;
    EXPECT_LT(block, 64) << r.err;
    EXPECT_FALSE(std::filesystem::exists(File("out.bin")));
}

INSTANTIATE_TEST_SUITE_P(BothPorts, ZeltToolTransfer, ::testing::Values("usb", "ps2"),
                         [](const auto& param) { return param.param; });

class ZeltToolUsb : public ZeltToolTransfer {};

TEST_P(ZeltToolUsb, BadChecksumFailsTheReadOfThatBlock) {
    StartKeyboard({"--fault", "bad-checksum:3:5"});
    const auto r = Read(File("out.bin"));
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_NE(r.err.find(BlockError("Read", 3)), std::string::npos) << r.err;
}

TEST_P(ZeltToolUsb, MissingAcknowledgementsAreResent) {
    StartKeyboard({"--fault", "no-ack:2:3"});
    const auto r = Write(NewTemplateFile(), {"--verify"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
}

TEST_P(ZeltToolUsb, AKeyboardThatNeverAcknowledgesEndsTheWrite) {
    StartKeyboard({"--fault", "no-ack:2:1000"});
    const auto r = Write(NewTemplateFile());
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_NE(r.err.find(BlockError("Written", 2)), std::string::npos) << r.err;
}

TEST_P(ZeltToolUsb, NoKeyboardAmongTheDevices) {
    StartKeyboard({"--no-keyboard"});
    auto r = Read(File("out.bin"));
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_EQ(r.err, "There is no RM series keyboard connected!\n");
    r = Write(NewTemplateFile());
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_EQ(r.err, "There is no RM series keyboard connected!\n");
}

TEST_P(ZeltToolUsb, KeyboardWithoutPermissionPointsToTheUdevRule) {
    StartKeyboard({"--deny-open"});
    const auto r = Read(File("out.bin"));
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_EQ(r.err.rfind("There is no RM series keyboard connected!\nThe keyboard (vendor 1A2B, "
                          "product C280) is connected at kbsim/rm0480u but cannot be opened: "
                          "Permission denied.\n",
                          0),
              0u)
        << r.err;
    EXPECT_NE(r.err.find("60-zelt.rules"), std::string::npos);
}

TEST_P(ZeltToolUsb, NoSimulatorAtTheSocket) {
    const auto r = testing::RunWithDeadline(
        ZELT_TOOL_PATH, {"read", "--port", "usb", "-o", File("out.bin").string()},
        testing::EnvironmentWith({{"ZELT_HID_SIM", File("none.sock").string()}}), kDeadline);
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_EQ(r.err, "There is no RM series keyboard connected!\n");
}

INSTANTIATE_TEST_SUITE_P(Usb, ZeltToolUsb, ::testing::Values("usb"),
                         [](const auto& param) { return param.param; });

class ZeltToolPs2 : public ZeltToolTransfer {};

TEST_P(ZeltToolPs2, StatusQueryMessages) {
    struct Case {
        const char* fault;
        bool read;
        const char* message;
    };
    const Case cases[] = {
        {"status-fail:0", true,
         "Can't access programmable keyboard!\nPlease to check the driver setup!\n\nTry to read "
         "again please!\n"},
        {"status-fail:0", false,
         "Can't access programmable keyboard!\nPlease check the driver setup!\n\nTry to write "
         "Keyboard again please!\n"},
        {"status-empty:0", true,
         "No Programmable Keyboard detected!\nPlease check the keyboard connection!\n\nTry to "
         "read again please!\n"},
        {"status-empty:0", false,
         "No Programmable Keyboard detected!\nPlease check the keyboard connection!\n\nTry to "
         "write Keyboard again please!\n"},
    };
    StartKeyboard({"--fault", "status-empty:0:2", "--fault", "status-fail:0:2"});
    // The simulator uses up status-fail before status-empty.
    for (const Case& c : cases) {
        const auto r = c.read ? Read(File("out.bin")) : Write(NewTemplateFile());
        EXPECT_EQ(r.exitStatus, 2) << c.message;
        EXPECT_EQ(r.err, c.message);
    }
    EXPECT_FALSE(std::filesystem::exists(File("out.bin")));
    EXPECT_EQ(KeyboardMemory(), Bytes(OldImage()));
}

TEST_P(ZeltToolPs2, DriverCallsThatFailOrReturnNothing) {
    StartKeyboard({"--fault", "driver-fail:4:5", "--fault", "driver-empty:9:5"});
    auto r = Read(File("out.bin"));
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_NE(r.err.find(BlockError("Read", 4)), std::string::npos) << r.err;
    r = Write(NewTemplateFile());
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_NE(r.err.find(BlockError("Written", 9)), std::string::npos) << r.err;
}

TEST_P(ZeltToolPs2, NoDriverStandIn) {
    const auto r = testing::RunWithDeadline(
        ZELT_TOOL_PATH, {"read", "--port", "ps2", "-o", File("out.bin").string()},
        testing::EnvironmentWith({{"ZELT_KBPORT", File("none.sock").string()}}), kDeadline);
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_EQ(r.err.rfind("Can't open the KB driver\n", 0), 0u) << r.err;
    EXPECT_NE(r.err.find("none.sock"), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(Ps2, ZeltToolPs2, ::testing::Values("ps2"),
                         [](const auto& param) { return param.param; });

TEST(ZeltToolTransferUsage, PortIsRequiredAndChecked) {
    const auto env = testing::EnvironmentWith({});
    for (const std::vector<std::string>& args : {std::vector<std::string>{"read", "-o", "x"},
                                                 {"read", "--port", "serial", "-o", "x"},
                                                 {"read", "--port", "usb"},
                                                 {"write", "--port", "usb"}}) {
        const auto r = testing::RunWithDeadline(ZELT_TOOL_PATH, args, env, kDeadline);
        EXPECT_EQ(r.exitStatus, 2) << args[1];
    }
}

} // namespace
} // namespace zelt
