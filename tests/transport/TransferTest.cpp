#include "FakeHid.h"
#include "FakeKbPortDriver.h"
#include "ImageBuilder.h"
#include "InProcessKeyboard.h"
#include "KeyArea.h"
#include "KeyContent.h"
#include "KeyContentDecoder.h"
#include "KeyboardConnection.h"
#include "ModelCode.h"

#include <gtest/gtest.h>

namespace zelt {
namespace {

using kbsim::Fault;
using kbsim::FaultKind;
using kbsim::FaultPlan;
using testing::Faults;
using testing::InProcessKeyboard;

// Records the progress display's events.
class RecordingProgress final : public TransferObserver {
public:
    void TransferStarted(TransferDirection direction) override {
        events.push_back(direction == TransferDirection::Read ? "start read" : "start write");
    }
    void BlockTransferred(int block, int percent) override {
        events.push_back("block " + std::to_string(block));
        percents.push_back(percent);
    }
    void TransferFinished() override { events.push_back("finish"); }
    std::vector<std::string> events;
    std::vector<int> percents;
};

// A template with a few keys defined, as a document holds it.
TemplateData SampleDocument() {
    TemplateData data;
    data.image = MakeNewImage(kModelRM0480);
    DecodeImage(data);
    data.keyContents[0] = "abc";
    data.keyContents[5] = "[F1][F2]";
    data.keyContents[100] = "Hello, world";
    return data;
}

// What the keyboard holds: another template, encoded.
TemplateImage KeyboardImage() {
    return testing::ImageWithKeys(kModelRM0480, {{3, "keyboard"}, {51, "[Enter]"}});
}

std::vector<int> Repeat(int value, std::size_t count) {
    return std::vector<int>(count, value);
}

bool SameDocument(const TemplateData& a, const TemplateData& b) {
    return a.image == b.image && a.keyContents == b.keyContents &&
           a.blankKeyFlags == b.blankKeyFlags && a.definedKeyFlags == b.definedKeyFlags;
}

// The in-process keyboard, holding KeyboardImage(), and a document to transfer; the connection
// to it is made by each port's fixture.
class TransferFixture : public ::testing::Test {
protected:
    const kbsim::SimulatedKeyboard::Counters& Stats() { return sim->keyboard.Stats(); }

    std::unique_ptr<InProcessKeyboard> sim;
    RecordingSleeper* sleeper = nullptr;
    NullTrace trace;
    RecordingMessageSink messages;
    RecordingProgress progress;
    std::unique_ptr<KeyboardConnection> connection;
    TemplateData document = SampleDocument();
};

class UsbTransfer : public TransferFixture {
protected:
    void Connect(FaultPlan faults = {}, kbsim::SimulatedKeyboard::Options options = {}) {
        sim = std::make_unique<InProcessKeyboard>(KeyboardImage(), std::move(faults), options);
        auto recording = std::make_unique<RecordingSleeper>();
        sleeper = recording.get();
        auto started = KeyboardConnection::ConnectUsb(sim->MakeHidBackend(), 0,
                                                      std::move(recording), trace, messages);
        ASSERT_FALSE(started.endProgram);
        connection = std::move(started.connection);
        sleeper->pauses.clear();
    }

    // Writes the document with key 1 as the selected key's content, for a template the write
    // must refuse: it stops before the block loop, sends no block and leaves the image alone.
    void WriteRefusedBeforeSending() {
        const TemplateImage imageBefore = document.image;
        const TransferResult result =
            connection->WriteIntoKeyboard(document, document.keyContents[0], messages, progress);
        EXPECT_FALSE(result.reachedBlockLoop);
        EXPECT_EQ(document.image, imageBefore);
        EXPECT_EQ(Stats().usbWriteCommands[0], 0);
    }
};

TEST_F(UsbTransfer, ReadReplacesTheDocumentAndShowsProgress) {
    Connect();
    ASSERT_FALSE(connection->NoKeyboard());
    EXPECT_STREQ(connection->PortName(), "USB");
    const TransferResult result = connection->ReadFromKeyboard(document, messages, progress);
    EXPECT_TRUE(result.succeeded);
    EXPECT_TRUE(result.reachedBlockLoop);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(document.image, KeyboardImage());
    EXPECT_EQ(document.keyContents[2], "keyboard");
    EXPECT_EQ(document.keyContents[50], "[Enter]");
    EXPECT_EQ(document.keyContents[0], "");
    EXPECT_EQ(document.blankKeyFlags[2], 0);
    EXPECT_EQ(document.definedKeyFlags[2], 1);
    EXPECT_EQ(document.blankKeyFlags[0], 1);
    // One 200 ms wait inside every block read.
    EXPECT_EQ(sleeper->pauses, Repeat(200, 64));
    ASSERT_EQ(progress.percents.size(), 64u);
    EXPECT_EQ(progress.percents[0], 1);
    EXPECT_EQ(progress.percents[31], 50);
    EXPECT_EQ(progress.percents[62], 98);
    EXPECT_EQ(progress.percents[63], 100);
    EXPECT_EQ(progress.events.front(), "start read");
    EXPECT_EQ(progress.events.back(), "finish");
    EXPECT_EQ(connection->TransferBuffer(), KeyboardImage());
    EXPECT_FALSE(connection->Usb()->IsOpen());
}

TEST_F(UsbTransfer, ReadGivesUpAfterFiveAttemptsAtBlock5) {
    Connect(Faults({{FaultKind::ReadFail, 5, 5}}));
    const TemplateData before = document;
    const TransferResult result = connection->ReadFromKeyboard(document, messages, progress);
    EXPECT_FALSE(result.succeeded);
    EXPECT_TRUE(result.reachedBlockLoop);
    EXPECT_EQ(result.failedBlock, 5);
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Data Read Error, Count=5"});
    // Blocks 0..4: the wait inside the read. Block 5: five attempts, each with its wait, and
    // four 200 ms pauses between them.
    EXPECT_EQ(sleeper->pauses, Repeat(200, 5 + 5 + 4));
    EXPECT_EQ(Stats().usbReadCommands[5], 5);
    EXPECT_EQ(Stats().usbReadCommands[6], 0);
    EXPECT_EQ(progress.events,
              (std::vector<std::string>{"start read", "block 0", "block 1", "block 2", "block 3",
                                        "block 4", "finish"}));
    // A failed read loses nothing: the document is exactly as it was.
    EXPECT_TRUE(SameDocument(document, before));
    EXPECT_FALSE(connection->Usb()->IsOpen());
}

TEST_F(UsbTransfer, FourFailuresAreRecoveredByTheFifthAttempt) {
    Connect(Faults({{FaultKind::ReadFail, 9, 4}, {FaultKind::BadChecksum, 12, 4}}));
    EXPECT_TRUE(connection->ReadFromKeyboard(document, messages, progress).succeeded);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(Stats().usbReadCommands[9], 5);
    EXPECT_EQ(Stats().usbReadCommands[12], 5);
    EXPECT_EQ(document.image, KeyboardImage());
}

TEST_F(UsbTransfer, FailedReadAfterAnEarlierReadKeepsTheEditedDocument) {
    // A first read fills the transfer buffer; a fault then breaks the second one.
    TemplateData scratch = SampleDocument();
    Connect();
    ASSERT_TRUE(connection->ReadFromKeyboard(scratch, messages, progress).succeeded);
    sim->keyboard.AddFault({FaultKind::ReadFail, 40, 5});
    document.keyContents[7] = "edited";
    const TemplateData before = document;
    const TransferResult result = connection->ReadFromKeyboard(document, messages, progress);
    EXPECT_EQ(result.failedBlock, 40);
    EXPECT_TRUE(SameDocument(document, before));
}

TEST_F(UsbTransfer, DisconnectDuringAReadFailsTheNextBlock) {
    Connect(Faults({{FaultKind::Disconnect, 10, 1}}));
    const TemplateData before = document;
    const TransferResult result = connection->ReadFromKeyboard(document, messages, progress);
    EXPECT_EQ(result.failedBlock, 11);
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Data Read Error, Count=11"});
    EXPECT_TRUE(SameDocument(document, before));
    // Plugged in again, the next read works.
    messages.messages.clear();
    EXPECT_TRUE(connection->ReadFromKeyboard(document, messages, progress).succeeded);
}

TEST_F(UsbTransfer, WriteEncodesAndSendsEveryBlock) {
    Connect();
    const auto contents = document.keyContents;
    const TransferResult result =
        connection->WriteIntoKeyboard(document, document.keyContents[0], messages, progress);
    EXPECT_TRUE(result.succeeded);
    EXPECT_TRUE(result.reachedBlockLoop);
    EXPECT_TRUE(messages.messages.empty());
    TemplateData expected = SampleDocument();
    BuildKeyArea(expected);
    EXPECT_EQ(document.image, expected.image);
    EXPECT_EQ(sim->keyboard.Memory(), expected.image);
    EXPECT_EQ(document.keyContents, contents);
    // After each block: 250 ms, the identity requests, the acknowledgement.
    EXPECT_EQ(sleeper->pauses, Repeat(250, 64));
    EXPECT_EQ(Stats().acknowledgements, 64);
    EXPECT_EQ(progress.percents.back(), 100);
    EXPECT_FALSE(connection->Usb()->IsOpen());
}

TEST_F(UsbTransfer, RefusedAcknowledgementResendsTheBlockWithoutUsingAnAttempt) {
    Connect(Faults({{FaultKind::NoAck, 3, 2}}));
    EXPECT_TRUE(
        connection->WriteIntoKeyboard(document, std::nullopt, messages, progress).succeeded);
    EXPECT_EQ(Stats().usbWriteCommands[3], 3);
    // Block 3: send, 250, refused; 250; send, 250, refused; 250; send, 250, acknowledged.
    EXPECT_EQ(sleeper->pauses, Repeat(250, 64 + 4));
}

TEST_F(UsbTransfer, AKeyboardThatNeverAcknowledgesCannotHangTheWrite) {
    Connect(Faults({{FaultKind::NoAck, 3, 1000000}}));
    const TransferResult result =
        connection->WriteIntoKeyboard(document, std::nullopt, messages, progress);
    EXPECT_EQ(result.failedBlock, 3);
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Data Written Error, Count=3"});
    // Five attempts of one send and five resends each.
    EXPECT_EQ(Stats().usbWriteCommands[3], 5 * (1 + kMaxAckResends));
    EXPECT_EQ(Stats().usbWriteCommands[4], 0);
    // Blocks 0..2 one pause each; per attempt 6 sends with a pause and 5 resend pauses;
    // 4 pauses between attempts.
    EXPECT_EQ(sleeper->pauses, Repeat(250, 3 + 5 * 11 + 4));
}

TEST_F(UsbTransfer, WriteGivesUpAfterFiveRefusedCommands) {
    Connect(Faults({{FaultKind::WriteFail, 0, 5}}));
    const TemplateImage before = sim->keyboard.Memory();
    const TransferResult result =
        connection->WriteIntoKeyboard(document, std::nullopt, messages, progress);
    EXPECT_EQ(result.failedBlock, 0);
    EXPECT_TRUE(result.reachedBlockLoop);
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Data Written Error, Count=0"});
    EXPECT_EQ(sleeper->pauses, Repeat(250, 4));
    EXPECT_EQ(sim->keyboard.Memory(), before);
    EXPECT_EQ(progress.events, (std::vector<std::string>{"start write", "finish"}));
}

TEST_F(UsbTransfer, InvalidSelectedKeySendsNothing) {
    Connect();
    document.keyContents[0] = "[NoSuchKey]";
    WriteRefusedBeforeSending();
    EXPECT_EQ(messages.messages, std::vector<std::string>{kWrongWordMessage});
    EXPECT_TRUE(progress.events.empty());
    EXPECT_FALSE(connection->Usb()->IsOpen());
}

TEST_F(UsbTransfer, InvalidKeyElsewhereSendsNothingEither) {
    Connect();
    document.keyContents[120] = "[NoSuchKey]";
    WriteRefusedBeforeSending();
    EXPECT_EQ(messages.messages, std::vector<std::string>{kWrongWordMessage});
}

TEST_F(UsbTransfer, TemplateThatDoesNotFitSendsNothing) {
    Connect();
    for (auto& content : document.keyContents) {
        content = std::string(20, 'x');
    }
    WriteRefusedBeforeSending();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_NE(messages.messages[0].find("too large"), std::string::npos) << messages.messages[0];
}

TEST(UsbConnection, NoKeyboardAtStartUpIsShownOnceAndAgainForEveryCommand) {
    testing::FakeHidBackend* fake = nullptr;
    auto backend = std::make_unique<testing::FakeHidBackend>();
    fake = backend.get();
    fake->AddDevice(HidInterfaceClass::Hid, "mouse", u"Mouse", 1, 2);
    NullTrace trace;
    RecordingMessageSink messages;
    auto started = KeyboardConnection::ConnectUsb(
        std::move(backend), 0, std::make_unique<RecordingSleeper>(), trace, messages);
    ASSERT_FALSE(started.endProgram);
    ASSERT_TRUE(started.connection);
    EXPECT_TRUE(started.connection->NoKeyboard());
    EXPECT_EQ(messages.messages,
              std::vector<std::string>{"There is no RM series keyboard connected!"});

    const std::size_t opensAfterSearch = fake->opened.size();
    const std::size_t queriesAfterSearch = fake->queries.size();
    TemplateData document = SampleDocument();
    const TemplateData before = document;
    RecordingProgress progress;
    EXPECT_FALSE(
        started.connection->ReadFromKeyboard(document, messages, progress).reachedBlockLoop);
    EXPECT_FALSE(started.connection->WriteIntoKeyboard(document, std::nullopt, messages, progress)
                     .reachedBlockLoop);
    EXPECT_EQ(messages.messages.size(), 3u);
    EXPECT_EQ(messages.messages[2], "There is no RM series keyboard connected!");
    EXPECT_EQ(fake->opened.size(), opensAfterSearch);
    EXPECT_EQ(fake->queries.size(), queriesAfterSearch);
    EXPECT_TRUE(progress.events.empty());
    EXPECT_TRUE(SameDocument(document, before)); // not even encoded
}

TEST(UsbConnection, KeyboardGoneBeforeTheTransferIsReported) {
    auto backend = std::make_unique<testing::FakeHidBackend>();
    testing::FakeHidBackend& fake = *backend;
    fake.AddDevice(HidInterfaceClass::Hid, "kb", u"RM0480U", 0x1A2B, 0xC280);
    NullTrace trace;
    RecordingMessageSink messages;
    auto started = KeyboardConnection::ConnectUsb(
        std::move(backend), 0, std::make_unique<RecordingSleeper>(), trace, messages);
    ASSERT_FALSE(started.connection->NoKeyboard());
    fake.devices.clear(); // unplugged
    TemplateData document = SampleDocument();
    RecordingProgress progress;
    for (int command = 0; command < 2; ++command) {
        const TransferResult result =
            command == 0
                ? started.connection->ReadFromKeyboard(document, messages, progress)
                : started.connection->WriteIntoKeyboard(document, std::nullopt, messages, progress);
        EXPECT_FALSE(result.reachedBlockLoop);
    }
    EXPECT_EQ(messages.messages,
              std::vector<std::string>(2, "There is no RM series keyboard connected!"));
    EXPECT_TRUE(progress.events.empty());
}

TEST(UsbConnection, UnknownPlatformCodeEndsTheProgram) {
    NullTrace trace;
    RecordingMessageSink messages;
    auto started = KeyboardConnection::ConnectUsb(std::make_unique<testing::FakeHidBackend>(),
                                                  std::nullopt, nullptr, trace, messages);
    EXPECT_TRUE(started.endProgram);
    EXPECT_FALSE(started.connection);
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Get wrong OS version"});
}

class Ps2Transfer : public TransferFixture {
protected:
    void Connect(FaultPlan faults = {}, int family = kNtFamily) {
        sim = std::make_unique<InProcessKeyboard>(KeyboardImage(), std::move(faults));
        auto recording = std::make_unique<RecordingSleeper>();
        sleeper = recording.get();
        auto started = KeyboardConnection::ConnectPs2(
            sim->MakePortDriver(), [family] { return std::optional<int>(family); },
            std::move(recording), messages);
        ASSERT_FALSE(started.endProgram);
        connection = std::move(started.connection);
    }
};

TEST_F(Ps2Transfer, ReadQueriesTheStatusAndPausesAfterEveryBlock) {
    Connect();
    EXPECT_STREQ(connection->PortName(), "PS2");
    EXPECT_EQ(connection->SystemFamily(), 2);
    EXPECT_TRUE(connection->ReadFromKeyboard(document, messages, progress).succeeded);
    EXPECT_EQ(document.image, KeyboardImage());
    EXPECT_EQ(document.keyContents[2], "keyboard");
    EXPECT_EQ(Stats().statusQueries, 1);
    EXPECT_EQ(sleeper->pauses, Repeat(100, 64));
    EXPECT_EQ(progress.percents[31], 50);
    EXPECT_EQ(progress.percents[63], 100);
}

TEST_F(Ps2Transfer, ReadFailureAfterFiveEmptyAnswers) {
    Connect(Faults({{FaultKind::DriverEmpty, 2, 5}}));
    const TemplateData before = document;
    const TransferResult result = connection->ReadFromKeyboard(document, messages, progress);
    EXPECT_EQ(result.failedBlock, 2);
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Data Read Error, Count=2"});
    // A pause after every attempt, none between attempts.
    EXPECT_EQ(sleeper->pauses, Repeat(100, 2 + 5));
    EXPECT_TRUE(SameDocument(document, before));
}

TEST_F(Ps2Transfer, StatusQueryOutcomesBeforeATransfer) {
    struct Case {
        FaultKind fault;
        bool read;
        const char* message;
    };
    const Case cases[] = {
        {FaultKind::StatusEmpty, true,
         "No Programmable Keyboard detected!\nPlease check the keyboard connection!\n\nTry to "
         "read again please!"},
        {FaultKind::StatusEmpty, false,
         "No Programmable Keyboard detected!\nPlease check the keyboard connection!\n\nTry to "
         "write Keyboard again please!"},
        {FaultKind::StatusFail, true,
         "Can't access programmable keyboard!\nPlease to check the driver setup!\n\nTry to read "
         "again please!"},
        {FaultKind::StatusFail, false,
         "Can't access programmable keyboard!\nPlease check the driver setup!\n\nTry to write "
         "Keyboard again please!"},
    };
    for (const Case& c : cases) {
        Connect(Faults({{c.fault, 0, 1}}));
        messages.messages.clear();
        progress.events.clear();
        TemplateData doc = SampleDocument();
        const TemplateData before = doc;
        const TransferResult result =
            c.read ? connection->ReadFromKeyboard(doc, messages, progress)
                   : connection->WriteIntoKeyboard(doc, std::nullopt, messages, progress);
        EXPECT_FALSE(result.reachedBlockLoop) << c.message;
        EXPECT_EQ(messages.messages, std::vector<std::string>{c.message});
        EXPECT_TRUE(progress.events.empty()) << c.message; // no progress display drawn
        EXPECT_EQ(Stats().ps2Reads[0] + Stats().ps2Writes[0], 0) << c.message;
        EXPECT_EQ(Stats().endWrites, 0) << c.message;
        EXPECT_TRUE(sleeper->pauses.empty());
        if (c.read) {
            EXPECT_TRUE(SameDocument(doc, before));
        }
        // The status answered, the transfer goes through.
        messages.messages.clear();
        EXPECT_TRUE((c.read ? connection->ReadFromKeyboard(doc, messages, progress)
                            : connection->WriteIntoKeyboard(doc, std::nullopt, messages, progress))
                        .succeeded)
            << c.message;
    }
}

TEST_F(Ps2Transfer, WriteQueriesAfterEveryBlockAndEndsTheWriteOnce) {
    Connect();
    EXPECT_TRUE(
        connection->WriteIntoKeyboard(document, std::nullopt, messages, progress).succeeded);
    TemplateData expected = SampleDocument();
    BuildKeyArea(expected);
    EXPECT_EQ(sim->keyboard.Memory(), expected.image);
    EXPECT_EQ(Stats().statusQueries, 1 + 64);
    EXPECT_EQ(Stats().endWrites, 1);
    EXPECT_EQ(sleeper->pauses, Repeat(100, 64));
}

TEST_F(Ps2Transfer, FailedWriteStillEndsTheWrite) {
    Connect(Faults({{FaultKind::DriverFail, 7, 5}}));
    const TransferResult result =
        connection->WriteIntoKeyboard(document, std::nullopt, messages, progress);
    EXPECT_EQ(result.failedBlock, 7);
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Data Written Error, Count=7"});
    EXPECT_EQ(Stats().ps2Writes[7], 5);
    EXPECT_EQ(Stats().endWrites, 1);
    EXPECT_EQ(sleeper->pauses, Repeat(100, 7)); // no pauses between the attempts
    // Blocks 0..6 of the new image were sent; the rest is as it was.
    TemplateData expected = SampleDocument();
    BuildKeyArea(expected);
    const TemplateImage old = KeyboardImage();
    for (std::size_t i = 0; i < 2048; ++i) {
        ASSERT_EQ(sim->keyboard.Memory()[i], i < 7 * 32 ? expected.image[i] : old[i]) << i;
    }
}

TEST_F(Ps2Transfer, OlderFamilyFailsEveryAttemptWithoutTouchingTheDriver) {
    Connect({}, kOlderFamily);
    EXPECT_EQ(connection->SystemFamily(), 1);
    const TransferResult read = connection->ReadFromKeyboard(document, messages, progress);
    EXPECT_EQ(read.failedBlock, 0);
    EXPECT_EQ(sleeper->pauses, Repeat(200, 5));
    const TransferResult write =
        connection->WriteIntoKeyboard(document, std::nullopt, messages, progress);
    EXPECT_EQ(write.failedBlock, 0);
    EXPECT_EQ(messages.messages, (std::vector<std::string>{"Data Read Error, Count=0",
                                                           "Data Written Error, Count=0"}));
    EXPECT_EQ(Stats().statusQueries, 0);
    EXPECT_EQ(Stats().endWrites, 0);
}

TEST(Ps2Connection, DriverFailuresEndTheProgram) {
    RecordingMessageSink messages;
    auto noVersion = KeyboardConnection::ConnectPs2(
        nullptr, [] { return std::optional<int>(); }, nullptr, messages);
    EXPECT_TRUE(noVersion.endProgram);
    auto state = std::make_shared<testing::FakeKbPortState>();
    state->openSucceeds = false;
    state->openError = "port driver stand-in: /run/x.sock: No such file or directory";
    auto noDriver = KeyboardConnection::ConnectPs2(
        std::make_unique<testing::FakeKbPortDriver>(state),
        [] { return std::optional<int>(kNtFamily); }, nullptr, messages);
    EXPECT_TRUE(noDriver.endProgram);
    EXPECT_FALSE(noDriver.connection);
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0], "Get wrong system information\nExit.Then, try again please");
    EXPECT_EQ(messages.messages[1],
              "Can't open the KB driver\nport driver stand-in: /run/x.sock: No such file or "
              "directory");
    EXPECT_EQ(messages.icons[1], MessageIcon::Stop);
}

} // namespace
} // namespace zelt
