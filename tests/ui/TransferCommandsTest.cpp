// The editor's Read From KB and Write Into KB against the keyboard simulator, over both ports:
// the editor is started as the program starts it (--port, ZELT_HID_SIM, ZELT_KBPORT); only the
// protocol pauses are logged instead of waited for.

#include "KeyArea.h"
#include "KeyContent.h"
#include "KeyContentDecoder.h"
#include "Renders.h"
#include "ScriptedCommandDialogs.h"
#include "ScriptedUserMessages.h"
#include "SettingsStore.h"
#include "SimulatorKeyboardConnector.h"
#include "TemplateImage.h"
#include "TimedProcess.h"
#include "TransferProcedures.h"
#include "UsbNoKeyboardMessage.h"
#include "app/CZELTApp.h"
#include "app/CommandLine.h"
#include "seams/WidgetCommandDialogs.h"
#include "shell/CMainFrame.h"
#include "shell/CommandIds.h"
#include "transfer/ProgressGeometry.h"
#include "view/CZELTView.h"

#include <QAction>
#include <QChildEvent>
#include <QImage>
#include <QProgressBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

namespace zelt {
namespace {

using test::DarkPixels;
using test::ScriptedCommandDialogs;
using test::ScriptedUserMessages;
using test::TransferLog;
using testing::KbsimProcess;
using testing::ReadBytes;
using testing::WriteBytes;

constexpr int kBlockBytes = 32;

// Key contents of every kind, on keys spread over the whole record order. Keys 122 and 161 of
// the RM0480 mirror each other and are left out.
const std::map<int, std::string>& TemplateContents() {
    static const std::map<int, std::string> contents = {
        {0, "Hello, World!"},  {1, "abc[CR]"},           {7, "[F1][Enter]"},
        {20, "[ShiftLevel3]"}, {33, "x[Separator]y"},    {48, "[Caps]abc"},
        {64, "ab[Delay25]cd"}, {90, "[PAD5][Shift][A]"}, {119, "0123456789"},
        {140, "[Home][End]"},  {175, "last key"},
    };
    return contents;
}

// The fields after the key area: MR strings and flags, option bytes and the delay.
void FillFieldsAfterKeyArea(TemplateImage& image) {
    const char* prefix = "%B";
    for (int track = 0; track < 3; ++track) {
        image[offsets::kTrackPrefix[track]] = static_cast<std::uint8_t>(prefix[track % 2]);
        image[offsets::kTrackSuffix[track]] = static_cast<std::uint8_t>('0' + track);
        image[offsets::kTrackTerminator[track]] = static_cast<std::uint8_t>(0x0D + track);
        image[offsets::kTrackFlags[track]] = static_cast<std::uint8_t>(0x81 + track);
    }
    image[offsets::kCardPrefix] = '[';
    image[offsets::kCardSuffix] = ']';
    image[offsets::kOptionC] = 0x5A;
    image[offsets::kInterCharDelay] = 7;
    image[offsets::kOptionA] = 0xA5;
    image[offsets::kOptionB] = 0x3C;
}

std::vector<std::uint8_t> Bytes(const TemplateImage& image) {
    return {image.begin(), image.end()};
}

std::vector<std::uint8_t> Block(const std::vector<std::uint8_t>& image, int block) {
    const auto begin = image.begin() + block * kBlockBytes;
    return {begin, begin + kBlockBytes};
}

// A template unlike the new one, as an image: the keyboard holds it before a write.
TemplateImage OldImage() {
    TemplateData data;
    data.image = MakeNewImage(kModelRM0480);
    DecodeImage(data);
    for (int k = 0; k < kKeyCount; k += 2) {
        data.keyContents[static_cast<std::size_t>(k)] = "old " + std::to_string(k);
    }
    data.keyContents[121] = data.keyContents[160] = "";
    BuildKeyArea(data);
    return data.image;
}

class EditorTransfer : public ::testing::TestWithParam<CommPort> {
protected:
    void TearDown() override {
        app.reset();
        ::unsetenv("ZELT_HID_SIM");
        ::unsetenv("ZELT_KBPORT");
        ::unsetenv("ZELT_PAUSE_SCALE");
    }

    // The keyboard holds OldImage() and keeps its memory in a file that the test reads back.
    void StartKeyboard(const std::vector<std::string>& extra = {}) {
        WriteBytes(MemoryFile(), Bytes(OldImage()));
        std::vector<std::string> args = {"--image", MemoryFile().string(), "--save"};
        args.insert(args.end(), extra.begin(), extra.end());
        ASSERT_TRUE(sim.Start(args)) << sim.Stderr();
    }

    std::vector<std::uint8_t> KeyboardMemory() {
        EXPECT_EQ(sim.Stop(), 0) << sim.Stderr();
        return ReadBytes(MemoryFile());
    }

    std::filesystem::path MemoryFile() const { return sim.Dir() / "memory.bin"; }

    // Starts the editor as "zelt --port usb|ps2" against the simulator.
    void StartEditor() {
        ASSERT_TRUE(folder.isValid());
        ::setenv("ZELT_HID_SIM", sim.hidSocket.c_str(), 1);
        ::setenv("ZELT_KBPORT", sim.kbportSocket.c_str(), 1);
        const QString port =
            GetParam() == CommPort::Usb ? QStringLiteral("usb") : QStringLiteral("ps2");
        const CommandLineResult commandLine =
            ParseCommandLine({QStringLiteral("zelt"), QStringLiteral("--port"), port});
        ASSERT_TRUE(commandLine.options && commandLine.options->port);
        presetPort = std::make_unique<PresetPortDialogs>(dialogs, *commandLine.options->port);
        app = std::make_unique<CZELTApp>(
            AppEnvironment{settings, messages, *presetPort, recent, test::SimulatorConnector(log),
                           [] { return LockKeys{}; }, folder.path().toStdString()});
        ASSERT_EQ(app->InitInstance(std::nullopt), std::nullopt);
    }

    void Trigger(int id) {
        QAction* action = app->Commands().Action(id);
        ASSERT_NE(action, nullptr);
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
    }

    CZELTDoc& Document() { return app->Document(); }
    ViewState& State() { return app->View().Controller().State(); }

    // Puts TemplateContents() and the fields after the key area into the document.
    void EditTemplate() {
        for (const auto& [key, content] : TemplateContents()) {
            Document().keyContents[static_cast<std::size_t>(key)] = content;
        }
        FillFieldsAfterKeyArea(Document().image);
    }

    // Moves the selection away from the first key, so that a reset can be seen.
    void SelectSomeOtherKey() {
        State().selectedPosition = 12;
        State().selectedKey = Document().KeyOfPosition(12);
        State().keyRaised.fill(1);
        State().keyRaised[12] = 0;
        State().caretIndex = State().caretColumn = 3;
        State().escPending = 1;
        State().shiftReleased = 0;
    }

    void ExpectViewReset() {
        EXPECT_EQ(State().selectedPosition, 0);
        EXPECT_EQ(State().selectedKey, Document().KeyOfPosition(0));
        EXPECT_EQ(State().caretIndex, 0);
        EXPECT_EQ(State().caretColumn, 0);
        EXPECT_EQ(State().escPending, 0);
        EXPECT_EQ(State().shiftReleased, 1);
        EXPECT_EQ(State().keyRaised[0], 0);
        EXPECT_EQ(State().keyRaised[12], 1);
    }

    void ExpectNoProgressDisplay() {
        EXPECT_EQ(app->View().findChild<QProgressBar*>(), nullptr);
        EXPECT_EQ(app->View().Overlay(), nullptr);
    }

    KbsimProcess sim{ZELT_KBSIM_PATH};
    QTemporaryDir folder;
    MemorySettingsStore settings;
    ScriptedUserMessages messages;
    ScriptedCommandDialogs dialogs;
    MemoryRecentFiles recent;
    std::shared_ptr<TransferLog> log = std::make_shared<TransferLog>();
    std::unique_ptr<PresetPortDialogs> presetPort;
    std::unique_ptr<CZELTApp> app;
};

TEST_P(EditorTransfer, WrittenTemplateReadsBackIntoANewDocument) {
    for (const auto& [key, content] : TemplateContents()) {
        ASSERT_TRUE(IsAsciiContent(content) || IsScanCodeContent(content)) << content;
    }
    StartKeyboard();
    StartEditor();
    EditTemplate();
    const std::array<std::string, kKeyCount> written = Document().keyContents;
    SelectSomeOtherKey();

    Trigger(cmd::kWriteIntoKb);
    EXPECT_TRUE(messages.messages.empty()) << messages.messages.front();
    ExpectViewReset();
    ExpectNoProgressDisplay();
    EXPECT_EQ(Document().keyContents, written);
    const TemplateImage sent = Document().image;

    Trigger(cmd::kNew);
    ASSERT_EQ(Document().keyContents[0], "");
    ASSERT_NE(Document().image, sent);
    SelectSomeOtherKey();

    Trigger(cmd::kReadFromKb);
    EXPECT_TRUE(messages.messages.empty()) << messages.messages.front();
    EXPECT_EQ(Document().keyContents, written);
    EXPECT_EQ(Document().image, sent);
    for (std::size_t offset = kMrFieldsBegin; offset < kImageSize; ++offset) {
        EXPECT_EQ(Document().image[offset], sent[offset]) << "offset " << offset;
    }
    // Keys with a content count as defined; the others as blank.
    EXPECT_EQ(Document().blankKeyFlags[0], 0);
    EXPECT_EQ(Document().definedKeyFlags[0], 1);
    EXPECT_EQ(Document().blankKeyFlags[2], 1);
    // What came from the keyboard is not in any file yet.
    EXPECT_TRUE(Document().IsModified());
    ExpectViewReset();
    ExpectNoProgressDisplay();
    // The first key holds ASCII text, so it is edited in ASCII mode.
    EXPECT_EQ(State().keyAsciiMode[static_cast<std::size_t>(State().selectedKey)], 1);

    EXPECT_EQ(KeyboardMemory(), Bytes(sent));
}

TEST_P(EditorTransfer, TransfersPauseAsTheProtocolWants) {
    StartKeyboard();
    StartEditor();
    const std::size_t atStart = log->pauses.size();
    Trigger(cmd::kReadFromKb);
    const std::vector<int> readPauses(log->pauses.begin() + static_cast<long>(atStart),
                                      log->pauses.end());
    // One pause per block: the USB keyboard's 200 ms to prepare the block, or the port
    // driver's 100 ms after each block.
    EXPECT_EQ(readPauses, std::vector<int>(64, GetParam() == CommPort::Usb ? 200 : 100));
    log->pauses.clear();
    Trigger(cmd::kWriteIntoKb);
    // USB: 250 ms before the acknowledgement; PS/2: 100 ms after the status query.
    EXPECT_EQ(log->pauses, std::vector<int>(64, GetParam() == CommPort::Usb ? 250 : 100));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_P(EditorTransfer, ReadBlockFailingFiveTimesLeavesTheDocumentAlone) {
    StartKeyboard({"--fault", "read-fail:5:5"});
    StartEditor();
    EditTemplate();
    const std::array<std::string, kKeyCount> before = Document().keyContents;
    const TemplateImage imageBefore = Document().image;
    SelectSomeOtherKey();
    log->pauses.clear();

    Trigger(cmd::kReadFromKb);
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Data Read Error, Count=5"});
    EXPECT_EQ(Document().keyContents, before);
    EXPECT_EQ(Document().image, imageBefore);
    EXPECT_FALSE(Document().IsModified());
    ExpectViewReset();
    ExpectNoProgressDisplay();
    if (GetParam() == CommPort::Usb) {
        // Blocks 0 to 4 once; block 5 five times, with four 200 ms pauses between the attempts.
        EXPECT_EQ(log->pauses, std::vector<int>(5 + 5 + 4, 200));
    } else {
        EXPECT_EQ(log->pauses, std::vector<int>(5 + 5, 100));
    }

    // The fault is used up: the next read succeeds.
    messages.messages.clear();
    Trigger(cmd::kReadFromKb);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(Document().image, OldImage());
}

TEST_P(EditorTransfer, WriteBlockFailingFiveTimesSendsTheBlocksBeforeIt) {
    StartKeyboard({"--fault", "write-fail:7:5"});
    StartEditor();
    EditTemplate();
    const std::array<std::string, kKeyCount> contents = Document().keyContents;
    SelectSomeOtherKey();

    Trigger(cmd::kWriteIntoKb);
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Data Written Error, Count=7"});
    EXPECT_EQ(Document().keyContents, contents);
    ExpectViewReset();
    ExpectNoProgressDisplay();

    const std::vector<std::uint8_t> memory = KeyboardMemory();
    ASSERT_EQ(memory.size(), kImageSize);
    const std::vector<std::uint8_t> sent = Bytes(Document().image);
    const std::vector<std::uint8_t> old = Bytes(OldImage());
    for (int block = 0; block < 64; ++block) {
        EXPECT_EQ(Block(memory, block), Block(block < 7 ? sent : old, block)) << "block " << block;
    }
}

TEST_P(EditorTransfer, InvalidKeyAnywhereRefusesTheWrite) {
    StartKeyboard();
    StartEditor();
    EditTemplate();
    // Not the selected key: the check covers every key.
    Document().keyContents[99] = "[F99]";
    const TemplateImage imageBefore = Document().image;
    SelectSomeOtherKey();
    const ViewState stateBefore = State();

    Trigger(cmd::kWriteIntoKb);
    EXPECT_EQ(messages.messages, std::vector<std::string>{kWrongWordMessage});
    EXPECT_EQ(Document().image, imageBefore);
    // Nothing reached the blocks, so the selection stays where it was.
    EXPECT_EQ(State().selectedPosition, stateBefore.selectedPosition);
    EXPECT_EQ(State().caretIndex, stateBefore.caretIndex);
    EXPECT_TRUE(log->pauses.empty());
    EXPECT_EQ(KeyboardMemory(), Bytes(OldImage()));
}

TEST_P(EditorTransfer, InvalidSelectedKeySendsNothing) {
    StartKeyboard();
    StartEditor();
    EditTemplate();
    SelectSomeOtherKey();
    Document().keyContents[static_cast<std::size_t>(State().selectedKey)] = "[Nonsense]";
    const TemplateImage imageBefore = Document().image;

    Trigger(cmd::kWriteIntoKb);
    EXPECT_EQ(messages.messages, std::vector<std::string>{kWrongWordMessage});
    EXPECT_EQ(Document().image, imageBefore);
    EXPECT_EQ(State().selectedPosition, 12);
    EXPECT_EQ(KeyboardMemory(), Bytes(OldImage()));
}

INSTANTIATE_TEST_SUITE_P(BothPorts, EditorTransfer, ::testing::Values(CommPort::Usb, CommPort::Ps2),
                         [](const ::testing::TestParamInfo<CommPort>& port) {
                             return port.param == CommPort::Usb ? "Usb" : "Ps2";
                         });

class UsbEditorTransfer : public EditorTransfer {};

TEST_P(UsbEditorTransfer, NoKeyboardAtStartUpIsSaidAgainAtEachCommand) {
    StartKeyboard({"--no-keyboard"});
    StartEditor();
    EXPECT_EQ(messages.messages, std::vector<std::string>{kNoKeyboardMessage});
    const int queries = log->interfaceQueries;
    const int opens = log->deviceOpens;
    const TemplateImage image = Document().image;

    Trigger(cmd::kReadFromKb);
    Trigger(cmd::kWriteIntoKb);
    EXPECT_EQ(messages.messages, std::vector<std::string>(3, kNoKeyboardMessage));
    // The search is not repeated, and no device is touched.
    EXPECT_EQ(log->interfaceQueries, queries);
    EXPECT_EQ(log->deviceOpens, opens);
    EXPECT_EQ(Document().image, image);
    EXPECT_TRUE(log->pauses.empty());
}

TEST_P(UsbEditorTransfer, KeyboardThatDropsOutFailsTheReadAndCanBeReadAgain) {
    StartKeyboard({"--fault", "disconnect:20"});
    StartEditor();
    const TemplateImage image = Document().image;
    Trigger(cmd::kReadFromKb);
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Data Read Error, Count=21"});
    EXPECT_EQ(Document().image, image);
    ExpectNoProgressDisplay();

    messages.messages.clear();
    Trigger(cmd::kReadFromKb);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(Document().image, OldImage());
}

// The program's own way to the keyboard, real pauses included, shortened to a fiftieth as the
// simulator allows: a read and a write take a fraction of a second.
TEST_P(UsbEditorTransfer, ProgramsOwnConnectionWithShortenedPauses) {
    StartKeyboard();
    ::setenv("ZELT_PAUSE_SCALE", "0.02", 1);
    ::setenv("ZELT_HID_SIM", sim.hidSocket.c_str(), 1);
    dialogs.ports = {CommPort::Usb};
    app = std::make_unique<CZELTApp>(AppEnvironment{
        settings, messages, dialogs, recent, KeyboardConnection::ConnectFromEnvironment,
        [] { return LockKeys{}; }, folder.path().toStdString()});
    ASSERT_EQ(app->InitInstance(std::nullopt), std::nullopt);
    Trigger(cmd::kReadFromKb);
    EXPECT_EQ(Document().image, OldImage());
    EditTemplate();
    Trigger(cmd::kWriteIntoKb);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(KeyboardMemory(), Bytes(Document().image));
}

INSTANTIATE_TEST_SUITE_P(Usb, UsbEditorTransfer, ::testing::Values(CommPort::Usb),
                         [](const ::testing::TestParamInfo<CommPort>&) { return "Usb"; });

// Counts the progress bars made in the view while a command runs.
class ProgressBarWatch final : public QObject {
public:
    explicit ProgressBarWatch(QWidget& view) { view.installEventFilter(this); }
    int barsMade = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ChildAdded) {
            // The child is not fully constructed yet when it is added; its class is not known.
            ++barsMade;
        }
        return QObject::eventFilter(watched, event);
    }
};

class Ps2EditorTransfer : public EditorTransfer {};

TEST_P(Ps2EditorTransfer, StatusQueryWithoutDataStopsBeforeTheProgressDisplay) {
    StartKeyboard({"--fault", "status-empty:0:2"});
    StartEditor();
    ProgressBarWatch watch(app->View());
    SelectSomeOtherKey();
    Trigger(cmd::kReadFromKb);
    Trigger(cmd::kWriteIntoKb);
    EXPECT_EQ(messages.messages,
              (std::vector<std::string>{kPs2NoKeyboardReadMessage, kPs2NoKeyboardWriteMessage}));
    EXPECT_EQ(watch.barsMade, 0);
    EXPECT_TRUE(log->pauses.empty());
    // Neither reached the blocks: the selection is as it was.
    EXPECT_EQ(State().selectedPosition, 12);
}

TEST_P(Ps2EditorTransfer, FailingStatusQueryPointsAtTheDriver) {
    StartKeyboard({"--fault", "status-fail:0:2"});
    StartEditor();
    ProgressBarWatch watch(app->View());
    Trigger(cmd::kReadFromKb);
    Trigger(cmd::kWriteIntoKb);
    EXPECT_EQ(messages.messages,
              (std::vector<std::string>{kPs2NoDriverReadMessage, kPs2NoDriverWriteMessage}));
    EXPECT_EQ(watch.barsMade, 0);
    EXPECT_EQ(KeyboardMemory(), Bytes(OldImage()));
}

INSTANTIATE_TEST_SUITE_P(Ps2, Ps2EditorTransfer, ::testing::Values(CommPort::Ps2),
                         [](const ::testing::TestParamInfo<CommPort>&) { return "Ps2"; });

// Dark pixels in a part of an image: text drawn there.
class ScreenshotTransfer : public EditorTransfer {};

// The picture of a write under way, written to the build folder: the title, the warning, the
// bar and the percentage below the content box.
TEST_P(ScreenshotTransfer, EditorInTheMiddleOfAWrite) {
    StartKeyboard();
    StartEditor();
    EditTemplate();
    app->MainFrame().showNormal();
    app->MainFrame().resize(800, 560);
    QImage middle;
    int barValue = -1;
    log->onPause = [&](int pause) {
        // USB writes pause once per block, before its acknowledgement: at pause 40, 39 blocks
        // are done.
        if (pause != 40) {
            return;
        }
        middle = app->MainFrame().grab().toImage();
        if (const auto* bar =
                app->View().findChild<QProgressBar*>(QStringLiteral("transferProgress"))) {
            barValue = bar->value();
        }
    };
    Trigger(cmd::kWriteIntoKb);
    ASSERT_FALSE(middle.isNull());
    EXPECT_EQ(barValue, 39);
    EXPECT_TRUE(test::SaveRender(middle, QStringLiteral("transfer-progress.png")));

    // In the view's own picture: the texts are there during the transfer and gone after it.
    const QPoint viewOrigin = app->View().mapTo(&app->MainFrame(), QPoint(0, 0));
    const auto inView = [&](int x, int y, int w, int h) {
        return QRect(viewOrigin + QPoint(x, y), QSize(w, h));
    };
    EXPECT_GT(DarkPixels(middle, inView(250, 360, 180, 16)), 40);
    EXPECT_GT(DarkPixels(middle, inView(200, 398, 250, 16)), 40);
    EXPECT_GT(DarkPixels(middle, inView(460, 380, 40, 16)), 10);
    const QImage after = app->View().Render();
    EXPECT_EQ(DarkPixels(after, QRect(250, 360, 180, 16)), 0);
    EXPECT_EQ(DarkPixels(after, QRect(200, 398, 250, 16)), 0);
    EXPECT_EQ(DarkPixels(after, QRect(460, 380, 40, 16)), 0);
}

INSTANTIATE_TEST_SUITE_P(Usb, ScreenshotTransfer, ::testing::Values(CommPort::Usb),
                         [](const ::testing::TestParamInfo<CommPort>&) { return "Usb"; });

} // namespace
} // namespace zelt
