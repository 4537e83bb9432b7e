#include "HidString.h"
#include "HidapiBackend.h"
#include "SimProtocol.h"
#include "SocketKbPortDriver.h"
#include "Trace.h"
#include "TransportFactory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>

namespace zelt {
namespace {

// Sets an environment variable for one test and restores it afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        if (value != nullptr) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(HidString, WideToUtf16) {
    EXPECT_EQ(WideToUtf16(L"RM0480U"), u"RM0480U");
    EXPECT_EQ(WideToUtf16(std::wstring(L"ab\0cd", 5)), u"ab");
    // Beyond the BMP: a surrogate pair.
    EXPECT_EQ(WideToUtf16(std::wstring(1, static_cast<wchar_t>(0x1F600))), u"\xD83D\xDE00");
    // Not a character at all.
    EXPECT_EQ(WideToUtf16(std::wstring(1, static_cast<wchar_t>(0x110000))), u"\xFFFD");
    // At most 127 code units; a pair that would not fit whole is dropped.
    EXPECT_EQ(WideToUtf16(std::wstring(200, L'x')).size(), 127u);
    std::wstring nearlyFull(126, L'x');
    nearlyFull.push_back(static_cast<wchar_t>(0x1F600));
    EXPECT_EQ(WideToUtf16(nearlyFull).size(), 126u);
}

TEST(HidString, NarrowKeepsLowBytesUpToTerminatorAndFifty) {
    EXPECT_EQ(NarrowHidString(u"RM0480U"), "RM0480U");
    EXPECT_EQ(NarrowHidString(u"\u0152\u00E9A"), "\x52\xE9"
                                                 "A");
    EXPECT_EQ(NarrowHidString(std::u16string(u"ab\0cd", 5)), "ab");
    EXPECT_EQ(NarrowHidString(std::u16string(80, u'z')), std::string(50, 'z'));
}

TEST(SimProtocol, FrameLengthsOutsideTheLimitAreRefused) {
    for (std::uint32_t size : {1u, 9u, simproto::kMaxFrameSize}) {
        const auto header = simproto::FrameHeader(size);
        EXPECT_EQ(simproto::FrameLength(header.data()), size);
    }
    for (std::uint32_t size : {0u, simproto::kMaxFrameSize + 1, 0x80000000u}) {
        const auto header = simproto::FrameHeader(size);
        EXPECT_FALSE(simproto::FrameLength(header.data()).has_value()) << size;
    }
}

TEST(SimProtocol, ListingRoundTripAndTruncation) {
    const std::vector<simproto::HidListing> listing = {{0x1A2B, 0xC280, 1, 6, "kbsim/rm0480u"},
                                                       {0x046D, 0xC077, 1, 2, ""}};
    const auto encoded = simproto::EncodeListing(listing);
    {
        simproto::ByteReader reader(encoded);
        reader.U8();
        const auto decoded = simproto::DecodeListing(reader);
        ASSERT_TRUE(decoded.has_value());
        ASSERT_EQ(decoded->size(), 2u);
        EXPECT_EQ((*decoded)[0].path, "kbsim/rm0480u");
        EXPECT_EQ((*decoded)[0].productId, 0xC280);
        EXPECT_EQ((*decoded)[1].usage, 2);
    }
    // Every shortened answer, and one with bytes left over, is refused.
    for (std::size_t cut = 1; cut <= encoded.size() + 1; ++cut) {
        std::vector<std::uint8_t> damaged(
            encoded.begin(),
            encoded.begin() + static_cast<std::ptrdiff_t>(std::min(cut, encoded.size())));
        if (cut == encoded.size()) {
            continue; // the whole answer
        }
        if (cut > encoded.size()) {
            damaged.push_back(0);
        }
        simproto::ByteReader reader(damaged);
        reader.U8();
        EXPECT_FALSE(simproto::DecodeListing(reader).has_value()) << cut;
    }
}

TEST(SimProtocol, PortDriverReplyChecks) {
    KbRequest output{};
    output[0] = 0x42;
    const auto reply = simproto::EncodeKbReply({true, 48, 0}, output);
    KbRequest decoded{};
    const auto result = simproto::DecodeKbReply(reply, decoded);
    ASSERT_TRUE(result.has_value());
    EXPECT_TRUE(result->callSucceeded);
    EXPECT_EQ(result->bytesReturned, 48u);
    EXPECT_EQ(decoded[0], 0x42);

    auto shortReply = reply;
    shortReply.pop_back();
    EXPECT_FALSE(simproto::DecodeKbReply(shortReply, decoded).has_value());
    auto tooMany = simproto::EncodeKbReply({true, 49, 0}, output);
    EXPECT_FALSE(simproto::DecodeKbReply(tooMany, decoded).has_value());
    auto badFlag = reply;
    badFlag[0] = 7;
    EXPECT_FALSE(simproto::DecodeKbReply(badFlag, decoded).has_value());
}

TEST(SimProtocol, ReaderNeverReadsPastTheEnd) {
    const std::vector<std::uint8_t> bytes = {1, 2, 3};
    simproto::ByteReader reader(bytes);
    EXPECT_EQ(reader.U16(), 0x0201);
    EXPECT_FALSE(reader.U16().has_value());
    EXPECT_FALSE(reader.Ok());
    EXPECT_FALSE(reader.U8().has_value()); // stays failed
    EXPECT_TRUE(reader.Rest().empty());
}

TEST(TransportFactory, PauseScaleValues) {
    struct Case {
        const char* text;
        std::optional<double> value;
    };
    const Case cases[] = {{"0", 0.0},
                          {"1", 1.0},
                          {"0.25", 0.25},
                          {"", std::nullopt},
                          {"2", std::nullopt},
                          {"-0.5", std::nullopt},
                          {"fast", std::nullopt},
                          {"0.5x", std::nullopt},
                          {"nan", std::nullopt}};
    for (const Case& c : cases) {
        EXPECT_EQ(ParsePauseScale(c.text), c.value) << c.text;
    }
    EXPECT_FALSE(ParsePauseScale(nullptr).has_value());
}

TEST(TransportFactory, PausesAreShortenedOnlyOnTheWayToTheSimulator) {
    ScopedEnv scale("ZELT_PAUSE_SCALE", "0.1");
    {
        ScopedEnv noSim("ZELT_HID_SIM", nullptr);
        EXPECT_FALSE(HidSimulatorSelected());
        EXPECT_EQ(TransferPauseScale(PortKind::Usb), 1.0); // a real keyboard
        EXPECT_EQ(TransferPauseScale(PortKind::Ps2), 0.1); // the stand-in is the simulator
    }
    {
        ScopedEnv emptySim("ZELT_HID_SIM", "");
        EXPECT_FALSE(HidSimulatorSelected());
    }
    ScopedEnv sim("ZELT_HID_SIM", "/tmp/some.sock");
    EXPECT_TRUE(HidSimulatorSelected());
    EXPECT_EQ(TransferPauseScale(PortKind::Usb), 0.1);
    ScopedEnv badScale("ZELT_PAUSE_SCALE", "lots");
    EXPECT_EQ(TransferPauseScale(PortKind::Usb), 1.0);
}

TEST(TransportFactory, PortDriverSocketPath) {
    {
        ScopedEnv port("ZELT_KBPORT", "/tmp/chosen.sock");
        EXPECT_EQ(DefaultKbPortSocketPath(), "/tmp/chosen.sock");
    }
    ScopedEnv port("ZELT_KBPORT", "");
    {
        ScopedEnv runtime("XDG_RUNTIME_DIR", "/run/user/1234");
        EXPECT_EQ(DefaultKbPortSocketPath(), "/run/user/1234/zelt-kbport.sock");
    }
    ScopedEnv runtime("XDG_RUNTIME_DIR", nullptr);
    EXPECT_EQ(DefaultKbPortSocketPath(),
              "/tmp/zelt-kbport-" + std::to_string(::getuid()) + ".sock");
}

TEST(Trace, GoesToStandardErrorOnlyWhenAskedFor) {
    {
        ScopedEnv off("ZELT_TRACE", nullptr);
        EXPECT_FALSE(DefaultTrace().Enabled());
    }
    {
        ScopedEnv zero("ZELT_TRACE", "0");
        EXPECT_FALSE(DefaultTrace().Enabled());
    }
    ScopedEnv on("ZELT_TRACE", "1");
    EXPECT_TRUE(DefaultTrace().Enabled());
    ::testing::internal::CaptureStderr();
    TraceF(DefaultTrace(), "GetHIDBlockData:  nPackageNo = %d\n", 63);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "GetHIDBlockData:  nPackageNo = 63\n");
}

TEST(Trace, LongLinesAreNotCut) {
    RecordingTrace trace;
    const std::string path(600, 'p');
    TraceF(trace, "path %s end\n", path.c_str());
    EXPECT_EQ(trace.Joined(), "path " + path + " end\n");
}

TEST(HidapiBackend, FailuresAreReportedNotThrown) {
    HidapiBackend backend;
    const HidOpenResult opened = backend.Open("/nonexistent/hidraw99");
    EXPECT_FALSE(opened.device);
    EXPECT_FALSE(opened.errorText.empty());
    // Whatever HID devices this machine has, a listing far past its end has no more items.
    const auto query = backend.QueryInterface(HidInterfaceClass::Hid, 100000);
    EXPECT_NE(query.result, HidInterfaceQuery::Result::Found);
}

} // namespace
} // namespace zelt
