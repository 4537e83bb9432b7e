#include "CUSBport.h"

#include "FakeHid.h"
#include "UsbNoKeyboardMessage.h"

#include <gtest/gtest.h>

namespace zelt {
namespace {

using testing::FakeHidBackend;
using testing::ScriptedDeviceState;
using Result = HidInterfaceQuery::Result;

constexpr std::uint16_t kVendor = 0x1A2B;
constexpr std::uint16_t kProduct = 0xC280;

class CUSBportTest : public ::testing::Test {
protected:
    // A port whose device path leads to one scripted keyboard.
    std::shared_ptr<ScriptedDeviceState> OpenKeyboard() {
        auto state = backend.AddDevice(HidInterfaceClass::Hid, "kb", u"RM0480U", kVendor, kProduct);
        port.devicePath = "kb";
        EXPECT_TRUE(port.OpenHIDDevice());
        return state;
    }

    // Queues the nine answer reports the keyboard sends for bytes.
    static void QueueAnswer(ScriptedDeviceState& state, const BlockWithChecksum& bytes) {
        for (const HidReport& report : StreamToReports(MakeReadStream(bytes, 0xB0))) {
            state.answers.push_back(report);
        }
    }

    FakeHidBackend backend;
    RecordingSleeper sleeper;
    RecordingTrace trace;
    CUSBport port{backend, sleeper, trace};
};

TEST_F(CUSBportTest, ExpectedIdentityDefaults) {
    EXPECT_EQ(port.expectedProductString, "RM0480U");
    EXPECT_EQ(port.expectedVendorId, 6699);
    EXPECT_EQ(port.expectedProductId, 49792);
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(CUSBportTest, IdentityCheckTable) {
    struct Case {
        std::optional<std::u16string> product;
        std::optional<HidAttributes> attributes;
        bool matches;
    };
    const HidAttributes ok{kVendor, kProduct, 0x0100};
    const std::u16string longName(60, u'x');
    const Case cases[] = {
        {u"RM0480U", ok, true},
        {u"RM0480U Programmable Keyboard", ok, true},
        {u"RM0480UX", ok, true},
        {u"RM0480", ok, false},   // only the first six characters
        {u"rm0480u", ok, false},  // case-sensitive
        {u"XRM0480U", ok, false}, // must be at the start
        {u"", ok, false},
        {std::nullopt, ok, false},         // product string unreadable
        {u"RM0480U", std::nullopt, false}, // attributes unreadable
        {u"RM0480U", HidAttributes{0x1A2C, kProduct, 1}, false},
        {u"RM0480U", HidAttributes{kVendor, 0xC281, 1}, false},
        {u"RM0480U", HidAttributes{kVendor, kProduct, 0xFFFF}, true}, // version not compared
        // Narrowing keeps the low byte of each code unit: U+0155 narrows to 'U'.
        {u"RM0480\u0155", ok, true},
        // Up to the terminator only.
        {std::u16string(u"RM04\0"
                        u"80U",
                        8),
         ok, false},
        {u"RM0480U" + longName, ok, true},
    };
    auto state = OpenKeyboard();
    for (const Case& c : cases) {
        state->product = c.product;
        state->attributes = c.attributes;
        EXPECT_EQ(port.CheckHIDParam(), c.matches)
            << (c.product ? std::string(c.product->begin(), c.product->end()) : "<none>");
    }
}

TEST_F(CUSBportTest, IdentityCheckComparesOverTheExpectedLength) {
    auto state = OpenKeyboard();
    state->product = std::u16string(50, u'A');
    port.expectedProductString = std::string(50, 'A');
    EXPECT_TRUE(port.CheckHIDParam());
    // Only 50 characters survive the narrowing, so a longer expectation can never match.
    state->product = std::u16string(60, u'A');
    port.expectedProductString = std::string(51, 'A');
    EXPECT_FALSE(port.CheckHIDParam());
}

TEST_F(CUSBportTest, IdentityCheckTraceLines) {
    auto state = OpenKeyboard();
    state->manufacturer = u"Maker Inc";
    state->attributes = HidAttributes{kVendor, kProduct, 0x0112};
    EXPECT_TRUE(port.CheckHIDParam());
    EXPECT_EQ(trace.Joined(), "CheckHIDParam: Manufacturer=Maker Inc\n"
                              "CheckHIDParam: Device Name=RM0480U\n"
                              "CheckHIDParam: VendorID = 01A2B\n"
                              "CheckHIDParam: ProductID = C280\n"
                              "CheckHIDParam: VersionNumber = 112\n");
    trace.lines.clear();
    state->attributes.reset();
    state->manufacturer.reset();
    EXPECT_FALSE(port.CheckHIDParam());
    EXPECT_EQ(trace.Joined(), "CheckHIDParam: Manufacturer=\n"
                              "CheckHIDParam: Device Name=RM0480U\n");
}

TEST_F(CUSBportTest, ClosedPortFailsEverythingWithoutCrashing) {
    EXPECT_FALSE(port.CheckHIDParam());
    EXPECT_FALSE(port.SendHIDCmdAddr(0xE6, 0));
    EXPECT_FALSE(port.GetHIDBlockData(0));
    EXPECT_FALSE(port.SendHIDBlockData(0));
    EXPECT_FALSE(port.GetHIDAck());
    port.CloseHIDDevice();
    port.devicePath = "missing";
    EXPECT_FALSE(port.OpenHIDDevice());
    EXPECT_FALSE(port.TestHIDDevice());
}

TEST_F(CUSBportTest, CommandReportTakesArgumentsAsUnsignedBytes) {
    auto state = OpenKeyboard();
    EXPECT_TRUE(port.SendHIDCmdAddr(0x1E6, 63 + 256));
    EXPECT_TRUE(port.SendHIDCmdAddr(0xE7, -1));
    ASSERT_EQ(state->sent.size(), 2u);
    EXPECT_EQ(state->sent[0], (HidReport{0x00, 0xE6, 0xE0, 0x07, 0, 0, 0, 0, 0}));
    EXPECT_EQ(state->sent[1], (HidReport{0x00, 0xE7, 0xE0, 0x1F, 0, 0, 0, 0, 0}));
}

TEST_F(CUSBportTest, FailedCommandTraceLines) {
    auto state = OpenKeyboard();
    state->failSetFeatureAt = 0;
    state->errorCode = 32;
    EXPECT_FALSE(port.SendHIDCmdAddr(0xE7, 12));
    EXPECT_EQ(trace.Joined(), "SendHIDCmdAddr:  nPackageNo = 12, nCmd = 0xe7\n"
                              "HidD_SetFeature() GetLastError() = 32\n");
}

TEST_F(CUSBportTest, BlockReadSequenceAndResult) {
    auto state = OpenKeyboard();
    BlockWithChecksum bytes{};
    for (std::size_t i = 0; i < 32; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
    }
    bytes[32] = BlockChecksum(bytes.data());
    QueueAnswer(*state, bytes);
    state->calls.clear();

    EXPECT_TRUE(port.GetHIDBlockData(17));
    EXPECT_EQ(port.blockBuffer, bytes);
    ASSERT_EQ(state->sent.size(), 1u);
    EXPECT_EQ(state->sent[0], (HidReport{0x00, 0xE6, 0x20, 0x02, 0, 0, 0, 0, 0}));
    EXPECT_EQ(sleeper.pauses, std::vector<int>{200});
    // Command, then the identity requests, then nine answers.
    const std::vector<std::string> expected = {
        "set", "manufacturer", "product", "attributes", "get", "get", "get",
        "get", "get",          "get",     "get",        "get", "get"};
    EXPECT_EQ(state->calls, expected);
    for (const HidReport& request : state->requested) {
        EXPECT_EQ(request[0], 0x00);
    }
    EXPECT_NE(trace.Joined().find("GetHIDBlockData:  nPackageNo = 17\n"), std::string::npos);
}

TEST_F(CUSBportTest, BlockReadWithBadChecksumFailsButKeepsTheBytes) {
    auto state = OpenKeyboard();
    BlockWithChecksum bytes{};
    bytes[0] = 0x42;
    bytes[32] = 0x43; // wrong
    QueueAnswer(*state, bytes);
    EXPECT_FALSE(port.GetHIDBlockData(0));
    EXPECT_EQ(port.blockBuffer, bytes);
    EXPECT_TRUE(state->answers.empty()); // all nine reports arrived
}

TEST_F(CUSBportTest, BlockReadStopsAtTheFirstFailedAnswer) {
    auto state = OpenKeyboard();
    state->answers = {HidReport{}, HidReport{}, std::nullopt, HidReport{}};
    EXPECT_FALSE(port.GetHIDBlockData(3));
    EXPECT_EQ(std::count(state->calls.begin(), state->calls.end(), "get"), 3);
}

TEST_F(CUSBportTest, BlockReadWithFailedCommandDoesNotWait) {
    auto state = OpenKeyboard();
    state->failSetFeatureAt = 0;
    EXPECT_FALSE(port.GetHIDBlockData(3));
    EXPECT_TRUE(sleeper.pauses.empty());
    EXPECT_EQ(std::count(state->calls.begin(), state->calls.end(), "get"), 0);
}

TEST_F(CUSBportTest, BlockWriteSendsCommandAndNineReports) {
    auto state = OpenKeyboard();
    for (std::size_t i = 0; i < 32; ++i) {
        port.blockBuffer[i] = static_cast<std::uint8_t>(0xF0 - i);
    }
    port.blockBuffer[32] = 0x77; // not part of what is sent
    EXPECT_TRUE(port.SendHIDBlockData(63));
    ASSERT_EQ(state->sent.size(), 10u);
    EXPECT_EQ(state->sent[0], (HidReport{0x00, 0xE7, 0xE0, 0x07, 0, 0, 0, 0, 0}));
    BlockData data{};
    std::copy_n(port.blockBuffer.begin(), 32, data.begin());
    const DataReports expected = StreamToReports(MakeWriteStream(data));
    for (std::size_t k = 0; k < 9; ++k) {
        EXPECT_EQ(state->sent[k + 1], expected[k]) << "report " << k;
    }
    EXPECT_TRUE(sleeper.pauses.empty());
}

TEST_F(CUSBportTest, BlockWriteStopsAtTheFirstRefusedReport) {
    auto state = OpenKeyboard();
    state->failSetFeatureAt = 4;
    EXPECT_FALSE(port.SendHIDBlockData(1));
    EXPECT_EQ(state->sent.size(), 5u);
}

TEST_F(CUSBportTest, AcknowledgementIsOneZeroedGetFeature) {
    auto state = OpenKeyboard();
    state->answers = {HidReport{0, 1, 2, 3, 4, 5, 6, 7, 8}, std::nullopt};
    EXPECT_TRUE(port.GetHIDAck());
    EXPECT_FALSE(port.GetHIDAck());
    ASSERT_EQ(state->requested.size(), 2u);
    EXPECT_EQ(state->requested[0], HidReport{});
    EXPECT_EQ(state->requested[1], HidReport{});
}

TEST_F(CUSBportTest, OpeningAgainClosesTheOldHandle) {
    auto state = OpenKeyboard();
    EXPECT_TRUE(port.OpenHIDDevice());
    EXPECT_EQ(state->opens, 2);
    EXPECT_EQ(state->closes, 1);
    port.CloseHIDDevice();
    port.CloseHIDDevice();
    EXPECT_EQ(state->closes, 2);
}

// Discovery.

TEST_F(CUSBportTest, SearchSkipsDecoysAndLeavesEveryCandidateClosed) {
    auto mouse = backend.AddDevice(HidInterfaceClass::Hid, "mouse", u"USB Mouse", 0x046D, 0xC077);
    auto vendor = backend.AddDevice(HidInterfaceClass::Hid, "vendor", u"RM0480U", 0x1A2C, kProduct);
    auto name = backend.AddDevice(HidInterfaceClass::Hid, "name", u"RM0480", kVendor, kProduct);
    auto keyboard =
        backend.AddDevice(HidInterfaceClass::Hid, "keyboard", u"RM0480U Kbd", kVendor, kProduct);
    EXPECT_TRUE(port.FindHIDDevice());
    EXPECT_EQ(port.devicePath, "keyboard");
    EXPECT_FALSE(port.IsOpen());
    for (const auto& state : {mouse, vendor, name, keyboard}) {
        EXPECT_EQ(state->opens, 1);
        EXPECT_EQ(state->closes, 1);
    }
    ASSERT_EQ(backend.queries.size(), 4u);
    EXPECT_EQ(backend.queries.back(), std::make_pair(HidInterfaceClass::Hid, 3));
}

TEST_F(CUSBportTest, HidSearchLooksAtTwentyIndicesAtMost) {
    for (int i = 0; i < 19; ++i) {
        backend.AddDevice(HidInterfaceClass::Hid, "other" + std::to_string(i), u"Other", 1, 2);
    }
    backend.AddDevice(HidInterfaceClass::Hid, "at19", u"RM0480U", kVendor, kProduct);
    EXPECT_TRUE(port.FindHIDDevice());
    EXPECT_EQ(port.devicePath, "at19");

    FakeHidBackend late;
    CUSBport latePort(late, sleeper, trace);
    for (int i = 0; i < 20; ++i) {
        late.AddDevice(HidInterfaceClass::Hid, "other" + std::to_string(i), u"Other", 1, 2);
    }
    late.AddDevice(HidInterfaceClass::Hid, "at20", u"RM0480U", kVendor, kProduct);
    EXPECT_FALSE(latePort.FindHIDDevice());
    EXPECT_EQ(late.queries.size(), 20u);
    EXPECT_EQ(late.queries.back().second, 19);
}

TEST_F(CUSBportTest, HidSearchGoesOnPastMissingIndices) {
    backend.AddOutcome(HidInterfaceClass::Hid, Result::NoMoreItems, kNoMoreItemsError);
    backend.AddOutcome(HidInterfaceClass::Hid, Result::Failed, 13);
    backend.AddDevice(HidInterfaceClass::Hid, "kb", u"RM0480U", kVendor, kProduct);
    EXPECT_TRUE(port.FindHIDDevice());
    EXPECT_EQ(port.devicePath, "kb");
    const std::string all = trace.Joined();
    EXPECT_NE(all.find("GetDeviceFullPath: HidDevice = 0\n"
                       "GetDeviceFullPath: GetLastError() = 259, HidDevice = 0\n"
                       "GetDeviceFullPath: HidDevice = 1\n"
                       "GetDeviceFullPath: GetLastError() = 13, HidDevice = 1\n"
                       "GetDeviceFullPath: HidDevice = 2\n"
                       "GetDeviceFullPath: Windows Version = 0\nThe USB HID device full path:\n"
                       "kb\n"
                       "WinXPx64GetDeviceFullPath: HidGuid = 4d1e55b2-f16f-11cf-88cb-011110030\n"),
              std::string::npos)
        << all;
}

TEST_F(CUSBportTest, HidSearchStopsWhenTheListingOrADetailIsUnavailable) {
    for (Result stop : {Result::ListUnavailable, Result::DetailUnavailable}) {
        FakeHidBackend broken;
        CUSBport brokenPort(broken, sleeper, trace);
        broken.AddOutcome(HidInterfaceClass::Hid, stop, 5);
        broken.AddDevice(HidInterfaceClass::Hid, "kb", u"RM0480U", kVendor, kProduct);
        EXPECT_FALSE(brokenPort.FindHIDDevice());
        EXPECT_EQ(broken.queries.size(), 1u);
        EXPECT_TRUE(broken.opened.empty());
    }
}

TEST_F(CUSBportTest, DevicePathKeepsAtMost255Characters) {
    const std::string longPath(300, 'p');
    backend.AddListing(HidInterfaceClass::Hid, longPath, kVendor, kProduct);
    backend.AddDevice(HidInterfaceClass::Hid, std::string(255, 'p'), u"RM0480U", kVendor, kProduct);
    // The listing's first entry is opened through its shortened path, which leads to the
    // second entry's device.
    EXPECT_TRUE(port.FindHIDDevice());
    EXPECT_EQ(port.devicePath.size(), 255u);
}

TEST_F(CUSBportTest, PlatformCode6SearchesKeyboardInterfacesUntilNoMoreItems) {
    port.platformCode = 6;
    for (int i = 0; i < 30; ++i) {
        backend.AddDevice(HidInterfaceClass::Keyboard, "k" + std::to_string(i), u"Other", 1, 2);
    }
    backend.AddOutcome(HidInterfaceClass::Keyboard, Result::Failed, 87); // goes on
    backend.AddDevice(HidInterfaceClass::Keyboard, "kb", u"RM0480U", kVendor, kProduct);
    backend.AddDevice(HidInterfaceClass::Hid, "hid-kb", u"RM0480U", kVendor, kProduct);
    EXPECT_TRUE(port.FindHIDDevice());
    EXPECT_EQ(port.devicePath, "kb");
    for (const auto& query : backend.queries) {
        EXPECT_EQ(query.first, HidInterfaceClass::Keyboard);
    }
    EXPECT_NE(
        trace.Joined().find("WinXPx64GetDeviceFullPath: GetLastError() = 87, HidDevice = 31\n"),
        std::string::npos);
}

TEST_F(CUSBportTest, PlatformCode6StopsAtNoMoreItems) {
    port.platformCode = 6;
    backend.AddDevice(HidInterfaceClass::Keyboard, "k0", u"Other", 1, 2);
    EXPECT_FALSE(port.FindHIDDevice());
    ASSERT_EQ(backend.queries.size(), 2u);
    EXPECT_NE(
        trace.Joined().find("WinXPx64GetDeviceFullPath: GetLastError() = 259, HidDevice = 2\n"),
        std::string::npos);
}

TEST_F(CUSBportTest, PlatformCode6SearchCannotRunForever) {
    port.platformCode = 6;
    for (int i = 0; i < kKeyboardSearchLimit + 10; ++i) {
        backend.AddOutcome(HidInterfaceClass::Keyboard, Result::Failed, 87);
    }
    EXPECT_FALSE(port.FindHIDDevice());
    EXPECT_EQ(backend.queries.size(), static_cast<std::size_t>(kKeyboardSearchLimit));
}

TEST_F(CUSBportTest, OtherPlatformCodesSearchTheHidClass) {
    for (int code : {0, 1, 2, 3, 4, 5, 7, 8}) {
        FakeHidBackend listing;
        CUSBport codePort(listing, sleeper, trace);
        codePort.platformCode = code;
        listing.AddDevice(HidInterfaceClass::Keyboard, "kb", u"RM0480U", kVendor, kProduct);
        EXPECT_FALSE(codePort.FindHIDDevice()) << code;
        for (const auto& query : listing.queries) {
            EXPECT_EQ(query.first, HidInterfaceClass::Hid) << code;
        }
    }
}

TEST_F(CUSBportTest, KeyboardThatCannotBeOpenedIsNamedInTheMessage) {
    backend.AddListing(HidInterfaceClass::Hid, "/dev/hidraw0", 0x046D, 0xC077);
    backend.refusals["/dev/hidraw0"] = EACCES; // someone else's device: not ours to mention
    backend.AddListing(HidInterfaceClass::Hid, "/dev/hidraw3", kVendor, kProduct);
    backend.refusals["/dev/hidraw3"] = EACCES;
    EXPECT_FALSE(port.FindHIDDevice());
    EXPECT_EQ(port.InaccessibleDevicePath(), "/dev/hidraw3");
    EXPECT_EQ(port.InaccessibleDeviceReason(), "Permission denied");
    const std::string message = UsbNoKeyboardMessage(port);
    EXPECT_EQ(message.rfind("There is no RM series keyboard connected!\n", 0), 0u);
    EXPECT_NE(message.find("(vendor 1A2B, product C280) is connected at /dev/hidraw3 but cannot "
                           "be opened: Permission denied."),
              std::string::npos);
    EXPECT_NE(message.find("60-zelt.rules"), std::string::npos);

    // A later search that finds nothing of the kind forgets it.
    backend.hidListing.clear();
    EXPECT_FALSE(port.FindHIDDevice());
    EXPECT_EQ(UsbNoKeyboardMessage(port), "There is no RM series keyboard connected!");
}

} // namespace
} // namespace zelt
