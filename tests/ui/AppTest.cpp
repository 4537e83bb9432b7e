#include "EditorTest.h"
#include "ExpectedCommands.h"
#include "Renders.h"
#include "SettingsStore.h"
#include "app/CZELTApp.h"
#include "shell/CMainFrame.h"
#include "shell/CommandIds.h"
#include "view/CZELTView.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>

namespace zelt {
namespace {

class AppTest : public test::EditorTest {
protected:
    bool Enabled(int id) { return App().Commands().Action(id)->isEnabled(); }
    bool Checked(int id) { return App().Commands().Action(id)->isChecked(); }

    std::string FileWithKey1(const std::string& content) {
        MemorySettingsStore otherSettings;
        CZELTDoc other(otherSettings, folder.path().toStdString());
        other.keyContents[0] = content;
        RecordingMessageSink sink;
        const std::string path = folder.filePath(QStringLiteral("start.tpl")).toStdString();
        EXPECT_TRUE(other.OnSaveDocument(path, sink));
        return path;
    }
};

TEST_F(AppTest, StartsOnPs2AndShowsTheWindowMaximized) {
    StartWith(CommPort::Ps2);
    EXPECT_EQ(keyboard.requests, std::vector<PortKind>{PortKind::Ps2});
    EXPECT_EQ(App().View().Controller().State().portName, "PS2");
    EXPECT_TRUE(App().MainFrame().isVisible());
    EXPECT_TRUE(App().MainFrame().windowState() & Qt::WindowMaximized);
    EXPECT_EQ(App().MainFrame().windowTitle(),
              QStringLiteral("Template : RM0480 - ZELT  Programmable Keyboard"));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(AppTest, StartsOnUsbWithTheKeyboardFound) {
    StartWith(CommPort::Usb);
    EXPECT_EQ(keyboard.requests, std::vector<PortKind>{PortKind::Usb});
    EXPECT_EQ(App().View().Controller().State().portName, "USB");
    EXPECT_TRUE(messages.messages.empty());
    ASSERT_NE(App().View().Port().Connection(), nullptr);
    EXPECT_FALSE(App().View().Port().Connection()->NoKeyboard());
}

TEST_F(AppTest, UsbWithoutKeyboardSaysSoAndGoesOnAsAnEditor) {
    keyboard.usbKeyboardAttached = false;
    StartWith(CommPort::Usb);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], "There is no RM series keyboard connected!");
    EXPECT_TRUE(App().MainFrame().isVisible());
    EXPECT_TRUE(App().View().Port().Connection()->NoKeyboard());
}

TEST_F(AppTest, CancellingThePortQuestionEndsWithStatusZero) {
    dialogs.ports = {std::nullopt};
    EXPECT_EQ(App().InitInstance(std::nullopt), 0);
    EXPECT_TRUE(keyboard.requests.empty());
    EXPECT_FALSE(App().MainFrame().isVisible());
}

TEST_F(AppTest, PortDriverThatCannotBeOpenedEndsWithStatusZero) {
    keyboard.driver->openSucceeds = false;
    dialogs.ports = {CommPort::Ps2};
    EXPECT_EQ(App().InitInstance(std::nullopt), 0);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].rfind("Can't open the KB driver", 0), 0u);
    EXPECT_EQ(messages.icons[0], MessageIcon::Stop);
    EXPECT_FALSE(App().MainFrame().isVisible());
}

TEST_F(AppTest, TemplateFileOnTheCommandLineIsShownAfterThePortChoice) {
    const std::string file = FileWithKey1("hello");
    dialogs.ports = {CommPort::Ps2};
    ASSERT_EQ(App().InitInstance(file), std::nullopt);
    EXPECT_EQ(dialogs.events, std::vector<std::string>{"port"});
    EXPECT_EQ(App().Document().keyContents[0], "hello");
    EXPECT_EQ(App().MainFrame().windowTitle(),
              QStringLiteral("start.tpl - ZELT  Programmable Keyboard"));
    EXPECT_EQ(recent.Entries(), std::vector<std::string>{file});
}

TEST_F(AppTest, RelativeTemplateFileOnTheCommandLineIsKeptWithItsFullPath) {
    const std::string file = FileWithKey1("hello");
    dialogs.ports = {CommPort::Ps2};
    // Started in the file's folder and named as a user types it there.
    const QString startFolder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    const std::optional<int> status = App().InitInstance("./start.tpl");
    QDir::setCurrent(startFolder);
    ASSERT_EQ(status, std::nullopt);
    EXPECT_EQ(App().Document().keyContents[0], "hello");
    // Saving and the recent-file list do not depend on the folder the program runs in later.
    EXPECT_EQ(App().Document().PathName(), file);
    EXPECT_EQ(recent.Entries(), std::vector<std::string>{file});
    EXPECT_EQ(App().MainFrame().windowTitle(),
              QStringLiteral("start.tpl - ZELT  Programmable Keyboard"));
}

TEST_F(AppTest, UnopenableTemplateFileOnTheCommandLineEndsBeforeThePortQuestion) {
    const std::string missing = folder.filePath(QStringLiteral("missing.tpl")).toStdString();
    EXPECT_EQ(App().InitInstance(missing), kExitCommandLineFailed);
    EXPECT_TRUE(dialogs.events.empty());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_NE(messages.messages[0].find("missing.tpl"), std::string::npos);
}

TEST_F(AppTest, ModelCodeComesFromTheSettings) {
    settings.WriteInt("ORNKeyboard", "Morvex", 2017);
    StartWith(CommPort::Ps2);
    EXPECT_EQ(App().Document().modelCode, 2017);
    EXPECT_EQ(App().MainFrame().windowTitle(),
              QStringLiteral("Template : TK0517 - ZELT  Programmable Keyboard"));
}

TEST_F(AppTest, CommandsWithHandlersAreAvailableAndTheRestGrey) {
    StartWith(CommPort::Ps2);
    App().Commands().UpdateStates();
    const std::set<int> available = {
        cmd::kNew, cmd::kLoadDefault, cmd::kImportText, cmd::kExportText, cmd::kKbProperties,
        cmd::kMrProperties, cmd::kLoad, cmd::kSave, cmd::kSaveAs, cmd::kExit, cmd::kModelRM0410,
        cmd::kModelRM0420, cmd::kModelRM0480, cmd::kModelTK0530, cmd::kModelTK0550,
        cmd::kModelTK0517, cmd::kToggleToolbar, cmd::kToggleStatusBar, cmd::kAbout,
        cmd::kReadFromKb, cmd::kWriteIntoKb, cmd::kKeyboardOutput, cmd::kKeyWordList,
        // The first key of a new template is empty and in ASCII mode.
        cmd::kSetScanCodeMode, cmd::kInsertCapsCode, cmd::kInsertDelayTime,
        cmd::kEnterLevelSeparator, cmd::kEnterShiftLevel, cmd::kEnterAsciiCode,
        cmd::kSwitchAsciiDisplay};
    for (const auto& menu : expected::MenuBar()) {
        for (const auto& item : menu.items) {
            if (item.text != nullptr) {
                EXPECT_EQ(Enabled(item.id), available.count(item.id) != 0) << item.text;
            }
        }
    }
    EXPECT_FALSE(Enabled(cmd::kRs232Config));
}

TEST_F(AppTest, MrPropertiesOnlyForModelsWithAReader) {
    settings.WriteInt("ORNKeyboard", "Morvex", 2017);
    StartWith(CommPort::Ps2);
    App().Commands().UpdateStates();
    EXPECT_FALSE(Enabled(cmd::kMrProperties));
    EXPECT_TRUE(Enabled(cmd::kKbProperties));
    dialogs.keyboardConfirmations = {true};
    App().Commands().Action(cmd::kModelTK0550)->trigger();
    EXPECT_TRUE(Enabled(cmd::kMrProperties));
}

TEST_F(AppTest, KbPropertiesSeeThePortAndPutTheCaretBackOnOk) {
    settings.WriteInt("ORNKeyboard", "Morvex", 2018);
    StartWith(CommPort::Usb);
    ViewState& state = App().View().Controller().State();
    App().Document().keyContents[0] = "abc";
    state.caretIndex = 3;
    state.caretColumn = 3;
    dialogs.kbAnswers = {std::nullopt};
    App().Commands().Action(cmd::kKbProperties)->trigger();
    ASSERT_EQ(dialogs.kbShown.size(), 1u);
    // On USB the RS232 port of an RS232 model cannot be used.
    EXPECT_EQ(dialogs.kbShown[0].rs232Visible, 0);
    EXPECT_EQ(state.caretIndex, 3);
    EXPECT_FALSE(App().Document().IsModified());

    KbProperties changed = dialogs.kbShown[0];
    changed.delay = 77;
    dialogs.kbAnswers = {changed};
    App().Commands().Action(cmd::kKbProperties)->trigger();
    EXPECT_EQ(App().Document().image[2042], 77);
    EXPECT_TRUE(App().Document().IsModified());
    EXPECT_EQ(state.caretIndex, 0);
    EXPECT_EQ(state.caretColumn, 0);
}

TEST_F(AppTest, MrPropertiesGoThroughTheirDialog) {
    StartWith(CommPort::Ps2);
    dialogs.mrAnswers = {std::nullopt};
    App().Commands().Action(cmd::kMrProperties)->trigger();
    EXPECT_EQ(dialogs.events.back(), "mr properties");
    EXPECT_FALSE(App().Document().IsModified());
}

TEST_F(AppTest, TextTemplatesExportAndImportThroughTheTextFileDialog) {
    StartWith(CommPort::Ps2);
    App().Document().keyContents[static_cast<std::size_t>(App().Document().KeyOfPosition(3))] =
        "a,b\\c";
    const std::string text = folder.filePath(QStringLiteral("keys.txt")).toStdString();
    dialogs.textPaths = {text};
    App().Commands().Action(cmd::kExportText)->trigger();
    EXPECT_EQ(dialogs.events.back(), "export");
    EXPECT_EQ(dialogs.textFolders.back(), folder.path().toStdString());
    EXPECT_EQ(App().MainFrame().windowTitle(),
              QStringLiteral("keys.txt : RM0480 - ZELT  Programmable Keyboard"));

    App().Commands().Action(cmd::kNew)->trigger();
    dialogs.textPaths = {text};
    App().Commands().Action(cmd::kImportText)->trigger();
    EXPECT_EQ(dialogs.events.back(), "import");
    EXPECT_EQ(
        App().Document().keyContents[static_cast<std::size_t>(App().Document().KeyOfPosition(3))],
        "a,b\\c");
    EXPECT_TRUE(messages.messages.empty());

    // A cancelled dialog changes nothing.
    dialogs.textPaths = {std::nullopt};
    App().Commands().Action(cmd::kImportText)->trigger();
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(AppTest, LoadDefaultWithoutTheFileSaysSo) {
    StartWith(CommPort::Ps2);
    App().Commands().Action(cmd::kLoadDefault)->trigger();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_NE(messages.messages[0].find("RM0480.txt"), std::string::npos);
    EXPECT_NE(messages.messages[0].find("is NOT in the directory"), std::string::npos);
}

TEST_F(AppTest, CurrentModelCarriesTheCheckMark) {
    StartWith(CommPort::Ps2);
    App().Commands().UpdateStates();
    const std::vector<std::pair<int, int>> models = {
        {cmd::kModelRM0410, 2014}, {cmd::kModelRM0420, 2015}, {cmd::kModelRM0480, 2013},
        {cmd::kModelTK0530, 2018}, {cmd::kModelTK0550, 2016}, {cmd::kModelTK0517, 2017}};
    for (const auto& [id, code] : models) {
        EXPECT_EQ(Checked(id), code == 2013) << id;
    }
    // Choosing another model asks first; "No" changes nothing.
    dialogs.keyboardConfirmations = {false, true};
    App().Commands().Action(cmd::kModelTK0530)->trigger();
    EXPECT_EQ(App().Document().modelCode, 2013);
    EXPECT_TRUE(Checked(cmd::kModelRM0480));
    App().Commands().Action(cmd::kModelTK0530)->trigger();
    EXPECT_EQ(App().Document().modelCode, 2018);
    EXPECT_EQ(settings.ReadInt("ORNKeyboard", "Morvex", 0), 2018);
    for (const auto& [id, code] : models) {
        EXPECT_EQ(Checked(id), code == 2018) << id;
    }
    EXPECT_EQ(App().MainFrame().windowTitle(),
              QStringLiteral("Template : TK0530 - ZELT  Programmable Keyboard"));
    EXPECT_EQ(App().View().Controller().State().selectedPosition, 0);
    EXPECT_EQ(App().View().Controller().State().selectedKey, 0);
}

TEST_F(AppTest, ChoosingTheCurrentModelAgainClearsEveryKey) {
    StartWith(CommPort::Ps2);
    App().Document().keyContents[5] = "abc";
    dialogs.keyboardConfirmations = {true};
    App().Commands().Action(cmd::kModelRM0480)->trigger();
    EXPECT_EQ(dialogs.events.back(), "select keyboard");
    EXPECT_EQ(App().Document().keyContents[5], "");
}

TEST_F(AppTest, NewAndLoadStartTheViewOverWithoutAskingForThePortAgain) {
    StartWith(CommPort::Ps2);
    const KeyRect& key = App().Document().Layout().rects[10];
    App().View().Controller().LeftButtonDown(key.x + 3, key.y + 3);
    ASSERT_EQ(App().View().Controller().State().selectedPosition, 10);

    App().Commands().Action(cmd::kNew)->trigger();
    EXPECT_EQ(App().View().Controller().State().selectedPosition, 0);

    const std::string file = FileWithKey1("[F1]");
    dialogs.openPaths = {file};
    App().Commands().Action(cmd::kLoad)->trigger();
    EXPECT_EQ(App().Document().keyContents[0], "[F1]");
    EXPECT_EQ(App().MainFrame().windowTitle(),
              QStringLiteral("start.tpl - ZELT  Programmable Keyboard"));
    EXPECT_EQ(dialogs.events, (std::vector<std::string>{"port", "open"}));
    EXPECT_EQ(keyboard.requests.size(), 1u);
    EXPECT_EQ(App().View().Controller().State().portName, "PS2");
}

TEST_F(AppTest, SaveAndSaveAsWriteTheTemplate) {
    StartWith(CommPort::Ps2);
    App().Document().keyContents[0] = "abc";
    const std::string path = folder.filePath(QStringLiteral("saved.tpl")).toStdString();
    dialogs.savePaths = {path};
    App().Commands().Action(cmd::kSave)->trigger();
    EXPECT_EQ(App().MainFrame().windowTitle(),
              QStringLiteral("saved.tpl - ZELT  Programmable Keyboard"));
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    EXPECT_EQ(in.tellg(), 2048);
    const std::string copy = folder.filePath(QStringLiteral("copy.tpl")).toStdString();
    dialogs.savePaths = {copy};
    App().Commands().Action(cmd::kSaveAs)->trigger();
    EXPECT_EQ(dialogs.saveSuggestions.back(), path);
    EXPECT_EQ(App().Document().PathName(), copy);
}

TEST_F(AppTest, ExitAsksToSaveAModifiedTemplateAndCancelKeepsTheWindow) {
    StartWith(CommPort::Ps2);
    App().Document().SetModifiedFlag();
    messages.answers = {YesNoCancel::Cancel, YesNoCancel::No};
    App().Commands().Action(cmd::kExit)->trigger();
    EXPECT_TRUE(App().MainFrame().isVisible());
    App().Commands().Action(cmd::kExit)->trigger();
    EXPECT_FALSE(App().MainFrame().isVisible());
    EXPECT_EQ(messages.questions.size(), 2u);
}

TEST_F(AppTest, AboutGoesThroughTheDialogs) {
    StartWith(CommPort::Ps2);
    App().Commands().Action(cmd::kAbout)->trigger();
    EXPECT_EQ(dialogs.events.back(), "about");
}

TEST_F(AppTest, HidingTheBarsLeavesTheDocumentAlone) {
    StartWith(CommPort::Ps2);
    App().Document().keyContents[2] = "x";
    App().Commands().Action(cmd::kToggleToolbar)->trigger();
    App().Commands().Action(cmd::kToggleStatusBar)->trigger();
    App().Commands().Action(cmd::kToggleToolbar)->trigger();
    App().Commands().Action(cmd::kToggleStatusBar)->trigger();
    EXPECT_EQ(App().Document().keyContents[2], "x");
    EXPECT_FALSE(App().Document().IsModified());
}

TEST_F(AppTest, MouseClickOnTheViewSelectsAKey) {
    StartWith(CommPort::Ps2);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&App().MainFrame()));
    CZELTView& view = App().View();
    const KeyRect& key = App().Document().Layout().rects[20];
    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(key.x + 5, key.y + 5));
    EXPECT_EQ(view.Controller().State().selectedPosition, 20);
    // The right button does nothing.
    const KeyRect& other = App().Document().Layout().rects[30];
    QTest::mouseClick(&view, Qt::RightButton, {}, QPoint(other.x + 5, other.y + 5));
    EXPECT_EQ(view.Controller().State().selectedPosition, 20);
}

// The picture of the editor in the README: rendered by the program itself, offscreen.
TEST_F(AppTest, ScreenshotOfTheMainWindow) {
    const std::string file = FileWithKey1("Hello[CR]");
    dialogs.ports = {CommPort::Usb};
    ASSERT_EQ(App().InitInstance(file), std::nullopt);
    CZELTDoc& document = App().Document();
    document.keyContents[static_cast<std::size_t>(document.KeyOfPosition(77))] = "[ESC]";
    document.keyContents[static_cast<std::size_t>(document.KeyOfPosition(78))] = "[F1][F2]";
    document.blankKeyFlags[static_cast<std::size_t>(document.KeyOfPosition(78))] = 0;
    document.definedKeyFlags[static_cast<std::size_t>(document.KeyOfPosition(78))] = 0;
    App().MainFrame().showNormal();
    App().MainFrame().resize(800, 520);
    const KeyRect& key =
        document.Layout()
            .rects[static_cast<std::size_t>(std::find(document.Layout().positionToKey.begin(),
                                                      document.Layout().positionToKey.end(), 0) -
                                            document.Layout().positionToKey.begin())];
    App().View().Controller().LeftButtonDown(key.x + 3, key.y + 3);
    App().View().Controller().LeftButtonDown(99 + 5 * 7 + 2, 340);
    const QImage image = App().MainFrame().grab().toImage();
    EXPECT_TRUE(test::SaveRender(image, QStringLiteral("editor.png")));
    EXPECT_EQ(image.size(), QSize(800, 520));
}

} // namespace
} // namespace zelt
