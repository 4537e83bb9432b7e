#include "SimulatedKeyboard.h"

#include "CKBIO.h"
#include "CUSBport.h"
#include "InProcessKeyboard.h"
#include "ModelCode.h"

#include <gtest/gtest.h>

namespace zelt::kbsim {
namespace {

using testing::Faults;
using testing::InProcessKeyboard;

TemplateImage Pattern() {
    TemplateImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 31 + i / 256);
    }
    return image;
}

struct UsbRig {
    explicit UsbRig(FaultPlan faults = {}, SimulatedKeyboard::Options options = {})
        : sim(Pattern(), std::move(faults), options), backend(sim.MakeHidBackend()),
          port(*backend, sleeper, trace) {}
    InProcessKeyboard sim;
    std::unique_ptr<HidBackend> backend;
    RecordingSleeper sleeper;
    NullTrace trace;
    CUSBport port;
};

TEST(SimulatedKeyboardUsb, TheSearchPassesOverEveryDecoy) {
    UsbRig rig;
    EXPECT_TRUE(rig.port.FindHIDDevice());
    EXPECT_EQ(rig.port.devicePath, "kbsim/rm0480u");
    rig.port.platformCode = 6; // keyboard interfaces only: the mouse is not listed
    EXPECT_TRUE(rig.port.FindHIDDevice());
    EXPECT_EQ(rig.port.devicePath, "kbsim/rm0480u");

    UsbRig decoysOnly({}, {false, false});
    EXPECT_FALSE(decoysOnly.port.FindHIDDevice());
}

TEST(SimulatedKeyboardUsb, ReadsEveryBlockOfItsMemory) {
    UsbRig rig;
    ASSERT_TRUE(rig.port.FindHIDDevice());
    ASSERT_TRUE(rig.port.OpenHIDDevice());
    const TemplateImage memory = Pattern();
    for (int block = 0; block < 64; ++block) {
        ASSERT_TRUE(rig.port.GetHIDBlockData(block)) << block;
        EXPECT_TRUE(std::equal(memory.begin() + block * 32, memory.begin() + block * 32 + 32,
                               rig.port.blockBuffer.begin()))
            << block;
    }
}

TEST(SimulatedKeyboardUsb, StoresWrittenBlocksAfterTheirChecksumHolds) {
    UsbRig rig;
    ASSERT_TRUE(rig.port.FindHIDDevice());
    ASSERT_TRUE(rig.port.OpenHIDDevice());
    for (std::size_t i = 0; i < 32; ++i) {
        rig.port.blockBuffer[i] = static_cast<std::uint8_t>(0xA0 + i);
    }
    ASSERT_TRUE(rig.port.SendHIDBlockData(40));
    EXPECT_TRUE(rig.port.GetHIDAck());
    EXPECT_EQ(rig.sim.keyboard.Memory()[40 * 32 + 3], 0xA3);
    EXPECT_EQ(rig.sim.keyboard.Stats().usbBlocksStored[40], 1);
    // Out of exchange, an answer request gets an empty report.
    EXPECT_TRUE(rig.port.GetHIDAck());
}

TEST(SimulatedKeyboardUsb, ReadFaultsFailTheBlockTheGivenNumberOfTimes) {
    UsbRig rig(Faults({{FaultKind::ReadFail, 5, 2}, {FaultKind::BadChecksum, 6, 1}}));
    ASSERT_TRUE(rig.port.FindHIDDevice());
    ASSERT_TRUE(rig.port.OpenHIDDevice());
    EXPECT_FALSE(rig.port.GetHIDBlockData(5));
    EXPECT_FALSE(rig.port.GetHIDBlockData(5));
    EXPECT_TRUE(rig.port.GetHIDBlockData(5));
    EXPECT_FALSE(rig.port.GetHIDBlockData(6)); // all reports arrive, the checksum fails
    EXPECT_TRUE(rig.port.GetHIDBlockData(6));
}

TEST(SimulatedKeyboardUsb, WriteFaults) {
    UsbRig rig(Faults({{FaultKind::WriteFail, 2, 1}, {FaultKind::NoAck, 3, 2}}));
    ASSERT_TRUE(rig.port.FindHIDDevice());
    ASSERT_TRUE(rig.port.OpenHIDDevice());
    EXPECT_FALSE(rig.port.SendHIDBlockData(2));
    EXPECT_TRUE(rig.port.SendHIDBlockData(2));
    EXPECT_TRUE(rig.port.GetHIDAck());
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(rig.port.SendHIDBlockData(3));
        EXPECT_FALSE(rig.port.GetHIDAck());
    }
    EXPECT_TRUE(rig.port.SendHIDBlockData(3));
    EXPECT_TRUE(rig.port.GetHIDAck());
}

TEST(SimulatedKeyboardUsb, RefusesDamagedOrMisplacedReports) {
    SimulatedKeyboard keyboard(Pattern(), {}, {});
    const int device = keyboard.OpenHid("kbsim/rm0480u").device;
    ASSERT_GE(device, 0);
    // Addresses that are not a block start, beyond the memory, or with stray bytes.
    EXPECT_FALSE(keyboard.SetFeature(device, {0, 0xE6, 0x10, 0x00, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(keyboard.SetFeature(device, {0, 0xE6, 0x00, 0x08, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(keyboard.SetFeature(device, {0, 0xE6, 0x00, 0x00, 0, 0, 0, 0, 1}));
    EXPECT_FALSE(keyboard.SetFeature(device, {1, 0xE6, 0x00, 0x00, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(keyboard.SetFeature(device, {0, 0x42, 0x00, 0x00, 0, 0, 0, 0, 0}));

    // A write whose stream lacks its tags is not stored and not acknowledged.
    const TemplateImage before = keyboard.Memory();
    EXPECT_TRUE(keyboard.SetFeature(device, {0, 0xE7, 0x20, 0x00, 0, 0, 0, 0, 0}));
    for (int k = 0; k < 9; ++k) {
        EXPECT_TRUE(keyboard.SetFeature(device, {0, 1, 2, 3, 4, 5, 6, 7, 8}));
    }
    HidReport ack{};
    EXPECT_FALSE(keyboard.GetFeature(device, ack));
    EXPECT_EQ(keyboard.Memory(), before);

    // Decoys take no part in the protocol; unknown devices do not open.
    const int decoy = keyboard.OpenHid("kbsim/short-name").device;
    EXPECT_FALSE(keyboard.SetFeature(decoy, {0, 0xE6, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(keyboard.GetFeature(decoy, ack));
    EXPECT_EQ(keyboard.OpenHid("nowhere").device, -1);
    EXPECT_FALSE(keyboard.SetFeature(99, ack));
    EXPECT_FALSE(keyboard.GetFeature(-1, ack));
}

TEST(SimulatedKeyboardUsb, DeniedOpenLooksLikeAMissingPermission) {
    UsbRig rig({}, {true, true});
    EXPECT_FALSE(rig.port.FindHIDDevice());
    EXPECT_EQ(rig.port.InaccessibleDevicePath(), "kbsim/rm0480u");
    EXPECT_EQ(rig.port.InaccessibleDeviceReason(), "Permission denied");
}

TEST(SimulatedKeyboardUsb, DisconnectBreaksOpenHandlesAfterTheBlock) {
    UsbRig rig(Faults({{FaultKind::Disconnect, 1, 1}}));
    ASSERT_TRUE(rig.port.FindHIDDevice());
    ASSERT_TRUE(rig.port.OpenHIDDevice());
    EXPECT_TRUE(rig.port.GetHIDBlockData(0));
    EXPECT_TRUE(rig.port.GetHIDBlockData(1));
    EXPECT_FALSE(rig.port.GetHIDBlockData(2));
    // Plugged in again: a new open works.
    ASSERT_TRUE(rig.port.OpenHIDDevice());
    EXPECT_TRUE(rig.port.GetHIDBlockData(2));
}

struct Ps2Rig {
    explicit Ps2Rig(FaultPlan faults = {})
        : sim(Pattern(), std::move(faults)),
          kbio(sim.MakePortDriver(), [] { return std::optional<int>(kNtFamily); }) {
        EXPECT_FALSE(kbio.OpenKBDriver().has_value());
    }
    InProcessKeyboard sim;
    CKBIO kbio;
};

TEST(SimulatedKeyboardPs2, ReadsAndWritesBlocks) {
    Ps2Rig rig;
    EXPECT_EQ(rig.kbio.QueryKBStatus(), KbStatus::Ready);
    ASSERT_TRUE(rig.kbio.ReadKBBlock(63));
    EXPECT_EQ(rig.kbio.blockBuffer[0], Pattern()[63 * 32]);
    rig.kbio.blockBuffer.fill(0x3C);
    ASSERT_TRUE(rig.kbio.WriteKBBlock(0));
    EXPECT_EQ(rig.sim.keyboard.Memory()[31], 0x3C);
    EXPECT_EQ(rig.sim.keyboard.Memory()[32], Pattern()[32]);
    rig.kbio.EndKBWrite();
    EXPECT_EQ(rig.sim.keyboard.Stats().endWrites, 1);
    // A block number beyond the memory is answered without data.
    EXPECT_FALSE(rig.kbio.ReadKBBlock(64));
    EXPECT_FALSE(rig.kbio.WriteKBBlock(200));
}

TEST(SimulatedKeyboardPs2, DriverAndStatusFaults) {
    Ps2Rig rig(Faults({{FaultKind::StatusFail, 0, 1},
                       {FaultKind::StatusEmpty, 0, 1},
                       {FaultKind::DriverFail, 3, 1},
                       {FaultKind::DriverEmpty, 3, 1},
                       {FaultKind::ReadFail, 4, 1},
                       {FaultKind::WriteFail, 4, 1}}));
    EXPECT_EQ(rig.kbio.QueryKBStatus(), KbStatus::CallFailed);
    EXPECT_EQ(rig.kbio.QueryKBStatus(), KbStatus::NoData);
    EXPECT_EQ(rig.kbio.QueryKBStatus(), KbStatus::Ready);
    EXPECT_FALSE(rig.kbio.ReadKBBlock(3));
    EXPECT_FALSE(rig.kbio.WriteKBBlock(3));
    EXPECT_TRUE(rig.kbio.ReadKBBlock(3));
    EXPECT_FALSE(rig.kbio.ReadKBBlock(4));
    EXPECT_FALSE(rig.kbio.WriteKBBlock(4));
    EXPECT_TRUE(rig.kbio.WriteKBBlock(4));
}

TEST(SimulatedKeyboardPs2, DisconnectBreaksTheDriverHandle) {
    Ps2Rig rig(Faults({{FaultKind::Disconnect, 0, 1}}));
    EXPECT_TRUE(rig.kbio.ReadKBBlock(0));
    EXPECT_FALSE(rig.kbio.ReadKBBlock(1));
    EXPECT_EQ(rig.kbio.QueryKBStatus(), KbStatus::CallFailed);
}

TEST(SimulatedKeyboard, NewKeyboardHoldsTheNewRm0480Image) {
    SimulatedKeyboard keyboard(MakeNewImage(kModelRM0480), {}, {});
    EXPECT_FALSE(ValidateImage(keyboard.Memory()).has_value());
    EXPECT_EQ(keyboard.Devices().size(), 5u);
}

} // namespace
} // namespace zelt::kbsim
