#include "CKBIO.h"

#include "FakeKbPortDriver.h"

#include <gtest/gtest.h>

#include <numeric>

namespace zelt {
namespace {

using testing::FakeKbPortDriver;
using testing::FakeKbPortState;

class CKBIOTest : public ::testing::Test {
protected:
    std::unique_ptr<CKBIO> Make(std::optional<int> family) {
        return std::make_unique<CKBIO>(std::make_unique<FakeKbPortDriver>(state),
                                       [family] { return family; });
    }
    std::unique_ptr<CKBIO> Opened() {
        auto kbio = Make(kNtFamily);
        EXPECT_FALSE(kbio->OpenKBDriver().has_value());
        return kbio;
    }
    void Answer(bool ok, std::uint32_t bytes, std::uint8_t fill = 0) {
        FakeKbPortState::Answer answer;
        answer.result = {ok, bytes, ok ? 0 : 31};
        answer.output.fill(fill);
        state->answers.push_back(answer);
    }

    std::shared_ptr<FakeKbPortState> state = std::make_shared<FakeKbPortState>();
};

TEST_F(CKBIOTest, UnreadableVersionRecordIsReported) {
    auto kbio = Make(std::nullopt);
    const auto failure = kbio->OpenKBDriver();
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->message, "Get wrong system information\nExit.Then, try again please");
    EXPECT_FALSE(failure->stopIcon);
    EXPECT_EQ(state->opens, 0);
}

TEST_F(CKBIOTest, OlderFamilyOpensNothingAndReportsNothing) {
    auto kbio = Make(kOlderFamily);
    EXPECT_FALSE(kbio->OpenKBDriver().has_value());
    EXPECT_EQ(kbio->systemFamily, 1);
    EXPECT_EQ(state->opens, 0);
    // Nothing reaches a driver that was never opened.
    EXPECT_FALSE(kbio->ReadKBBlock(0));
    EXPECT_EQ(kbio->QueryKBStatus(), KbStatus::CallFailed);
    EXPECT_TRUE(state->requests.empty());
}

TEST_F(CKBIOTest, MissingDriverIsReportedWithStopIconAndReason) {
    state->openSucceeds = false;
    auto kbio = Make(kNtFamily);
    const auto failure = kbio->OpenKBDriver();
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->message, "Can't open the KB driver");
    EXPECT_TRUE(failure->stopIcon);
    EXPECT_EQ(failure->detail, state->openError);
    EXPECT_EQ(kbio->systemFamily, 2);
}

TEST_F(CKBIOTest, DestructionClosesAnOpenDriver) {
    Opened().reset();
    EXPECT_EQ(state->closes, 1);
    Make(kOlderFamily).reset();
    EXPECT_EQ(state->closes, 1);
}

TEST_F(CKBIOTest, RequestLayouts) {
    auto kbio = Opened();
    EXPECT_TRUE(kbio->ReadKBBlock(17));
    std::iota(kbio->blockBuffer.begin(), kbio->blockBuffer.end(), 0);
    EXPECT_TRUE(kbio->WriteKBBlock(0));
    EXPECT_EQ(kbio->QueryKBStatus(), KbStatus::Ready);
    kbio->EndKBWrite();
    ASSERT_EQ(state->requests.size(), 4u);

    KbRequest read{};
    read[32] = 0x11;
    read[33] = 1;
    EXPECT_EQ(state->requests[0], read);

    KbRequest write{};
    std::iota(write.begin(), write.begin() + 32, 0);
    write[32] = 0;
    write[33] = 3;
    EXPECT_EQ(state->requests[1], write);

    KbRequest status{};
    status[33] = 2;
    EXPECT_EQ(state->requests[2], status);

    KbRequest end{};
    end[33] = 4;
    EXPECT_EQ(state->requests[3], end);
}

TEST_F(CKBIOTest, BlockNumberIsSentAsAByte) {
    auto kbio = Opened();
    kbio->ReadKBBlock(63);
    kbio->ReadKBBlock(256 + 5);
    EXPECT_EQ(state->requests[0][32], 63);
    EXPECT_EQ(state->requests[1][32], 5);
}

TEST_F(CKBIOTest, StatusSemantics) {
    auto kbio = Opened();
    Answer(false, 48);
    Answer(true, 0);
    Answer(true, 1);
    EXPECT_EQ(kbio->QueryKBStatus(), KbStatus::CallFailed);
    EXPECT_EQ(kbio->QueryKBStatus(), KbStatus::NoData);
    EXPECT_EQ(kbio->QueryKBStatus(), KbStatus::Ready);
    EXPECT_EQ(static_cast<int>(KbStatus::Ready), 0);
    EXPECT_EQ(static_cast<int>(KbStatus::NoData), 1);
    EXPECT_EQ(static_cast<int>(KbStatus::CallFailed), 2);
}

TEST_F(CKBIOTest, BlockReadNeedsAnAnsweredCallWithBytes) {
    auto kbio = Opened();
    kbio->blockBuffer.fill(0x11);
    Answer(true, 0, 0x99);
    EXPECT_FALSE(kbio->ReadKBBlock(1));
    Answer(false, 48, 0x99);
    EXPECT_FALSE(kbio->ReadKBBlock(1));
    EXPECT_EQ(kbio->blockBuffer[0], 0x11); // a failed read leaves the buffer alone
    Answer(true, 48, 0x5C);
    EXPECT_TRUE(kbio->ReadKBBlock(1));
    for (std::uint8_t b : kbio->blockBuffer) {
        EXPECT_EQ(b, 0x5C);
    }
}

TEST_F(CKBIOTest, BlockWriteNeedsAnAnsweredCallWithBytes) {
    auto kbio = Opened();
    Answer(true, 0);
    Answer(false, 1);
    Answer(true, 1);
    EXPECT_FALSE(kbio->WriteKBBlock(2));
    EXPECT_FALSE(kbio->WriteKBBlock(2));
    EXPECT_TRUE(kbio->WriteKBBlock(2));
}

} // namespace
} // namespace zelt
