#include "app/DocumentCommands.h"

#include "ScriptedCommandDialogs.h"
#include "ScriptedUserMessages.h"
#include "SettingsStore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zelt {
namespace {

using test::ScriptedCommandDialogs;
using test::ScriptedUserMessages;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class DocumentCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        dir = folder.path().toStdString();
    }

    std::string PathOf(const std::string& name) const { return dir + "/" + name; }

    // A template file on disk holding "abc" in key number 1.
    std::string WriteTemplate(const std::string& name) {
        CZELTDoc other(settings, dir);
        other.keyContents[0] = "abc";
        RecordingMessageSink sink;
        EXPECT_TRUE(other.OnSaveDocument(PathOf(name), sink));
        return PathOf(name);
    }

    QTemporaryDir folder;
    std::string dir;
    MemorySettingsStore settings;
    ScriptedUserMessages messages;
    ScriptedCommandDialogs dialogs;
    MemoryRecentFiles recent;
    CZELTDoc document{settings, "/start/folder"};
    DocumentCommands commands{document, messages, dialogs, recent};
};

TEST_F(DocumentCommandsTest, UnmodifiedTemplateIsReplacedWithoutAQuestion) {
    document.keyContents[3] = "x";
    EXPECT_TRUE(commands.FileNew());
    EXPECT_EQ(document.keyContents[3], "");
    EXPECT_TRUE(messages.questions.empty());
    EXPECT_EQ(document.Title(), "Template : RM0480");
}

TEST_F(DocumentCommandsTest, ModifiedTemplateAsksAndNoDiscards) {
    document.keyContents[3] = "x";
    document.SetModifiedFlag();
    messages.answers = {YesNoCancel::No};
    EXPECT_TRUE(commands.FileNew());
    ASSERT_EQ(messages.questions.size(), 1u);
    EXPECT_EQ(messages.questions[0], "Save changes to Template : RM0480?");
    EXPECT_EQ(document.keyContents[3], "");
    EXPECT_FALSE(document.IsModified());
}

TEST_F(DocumentCommandsTest, CancelKeepsTheModifiedTemplate) {
    document.keyContents[3] = "x";
    document.SetModifiedFlag();
    messages.answers = {YesNoCancel::Cancel};
    EXPECT_FALSE(commands.FileNew());
    EXPECT_EQ(document.keyContents[3], "x");
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(dialogs.events.empty());
}

TEST_F(DocumentCommandsTest, YesSavesAnUntitledTemplateThroughSaveAsFirst) {
    document.keyContents[3] = "x";
    document.SetModifiedFlag();
    messages.answers = {YesNoCancel::Yes};
    dialogs.savePaths = {PathOf("first.tpl")};
    EXPECT_TRUE(commands.FileNew());
    ASSERT_EQ(dialogs.saveSuggestions.size(), 1u);
    // The title cut before its colon, in the folder the program started in.
    EXPECT_EQ(dialogs.saveSuggestions[0], "/start/folder/Template");
    EXPECT_EQ(ReadAll(PathOf("first.tpl")).size(), 2048u);
    EXPECT_EQ(document.keyContents[3], "");
    EXPECT_EQ(recent.Entries(), std::vector<std::string>{PathOf("first.tpl")});
}

TEST_F(DocumentCommandsTest, CancelledSaveAsStopsTheReplacement) {
    document.keyContents[3] = "x";
    document.SetModifiedFlag();
    messages.answers = {YesNoCancel::Yes};
    dialogs.savePaths = {std::nullopt};
    EXPECT_FALSE(commands.FileNew());
    EXPECT_EQ(document.keyContents[3], "x");
}

TEST_F(DocumentCommandsTest, FailedSaveStopsTheReplacementAndKeepsTheTemplate) {
    document.keyContents[3] = "[F99]";
    document.SetModifiedFlag();
    messages.answers = {YesNoCancel::Yes};
    dialogs.savePaths = {PathOf("bad.tpl")};
    EXPECT_FALSE(commands.FileNew());
    EXPECT_EQ(document.keyContents[3], "[F99]");
    EXPECT_TRUE(document.IsModified());
    EXPECT_FALSE(std::filesystem::exists(PathOf("bad.tpl")));
    ASSERT_FALSE(messages.messages.empty());
    EXPECT_EQ(messages.messages.back(), "Wrong function word or scan code word!!");
}

TEST_F(DocumentCommandsTest, LoadAsksForTheFileThenForSaving) {
    const std::string file = WriteTemplate("keys.tpl");
    document.SetModifiedFlag();
    dialogs.openPaths = {file};
    messages.answers = {YesNoCancel::No};
    EXPECT_TRUE(commands.FileOpen());
    EXPECT_EQ(dialogs.events, std::vector<std::string>{"open"});
    EXPECT_EQ(messages.questions.size(), 1u);
    EXPECT_EQ(document.keyContents[0], "abc");
    EXPECT_EQ(document.Title(), "keys.tpl");
    EXPECT_EQ(document.PathName(), file);
    EXPECT_EQ(dialogs.openFolders[0], "/start/folder");
    EXPECT_EQ(recent.Entries(), std::vector<std::string>{file});
}

TEST_F(DocumentCommandsTest, LoadDialogStartsInTheFolderOfTheNewestFile) {
    recent.Add(PathOf("older.tpl"));
    dialogs.openPaths = {std::nullopt};
    EXPECT_FALSE(commands.FileOpen());
    EXPECT_EQ(dialogs.openFolders[0], dir);
}

TEST_F(DocumentCommandsTest, UnreadableFileLeavesTheTemplateAsItWas) {
    document.keyContents[7] = "keep";
    std::ofstream(PathOf("short.bin"), std::ios::binary) << "too short";
    EXPECT_FALSE(commands.OpenDocumentFile(PathOf("short.bin")));
    EXPECT_EQ(document.keyContents[7], "keep");
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(recent.Entries().empty());
    EXPECT_FALSE(commands.OpenDocumentFile(PathOf("missing.bin")));
    EXPECT_EQ(document.keyContents[7], "keep");
}

TEST_F(DocumentCommandsTest, SaveUsesTheFileOnceItHasOne) {
    dialogs.savePaths = {PathOf("a.tpl")};
    document.keyContents[0] = "one";
    EXPECT_TRUE(commands.FileSave());
    EXPECT_EQ(document.PathName(), PathOf("a.tpl"));
    document.keyContents[0] = "two";
    EXPECT_TRUE(commands.FileSave());
    EXPECT_EQ(dialogs.saveSuggestions.size(), 1u);
    CZELTDoc reread(settings, dir);
    RecordingMessageSink sink;
    ASSERT_TRUE(reread.OnOpenDocument(PathOf("a.tpl"), sink));
    EXPECT_EQ(reread.keyContents[0], "two");
}

TEST_F(DocumentCommandsTest, SaveAsProposesTheCurrentFile) {
    const std::string file = WriteTemplate("keys.tpl");
    ASSERT_TRUE(commands.OpenDocumentFile(file));
    dialogs.savePaths = {PathOf("copy.tpl")};
    EXPECT_TRUE(commands.FileSaveAs());
    EXPECT_EQ(dialogs.saveSuggestions[0], file);
    EXPECT_EQ(document.Title(), "copy.tpl");
    EXPECT_EQ(ReadAll(file), ReadAll(PathOf("copy.tpl")));
    EXPECT_EQ(recent.Entries(), (std::vector<std::string>{PathOf("copy.tpl"), file}));
}

TEST_F(DocumentCommandsTest, QuestionNamesTheFileOfALoadedTemplate) {
    const std::string file = WriteTemplate("keys.tpl");
    ASSERT_TRUE(commands.OpenDocumentFile(file));
    document.SetModifiedFlag();
    messages.answers = {YesNoCancel::Cancel};
    EXPECT_FALSE(commands.SaveModified());
    EXPECT_EQ(messages.questions[0], "Save changes to " + file + "?");
}

TEST(RecentFiles, KeepsTheFourNewestWithoutDuplicates) {
    MemoryRecentFiles recent;
    for (const char* path : {"/a/1", "/a/2", "/a/3", "/a/4", "/b/5", "/a/2"}) {
        recent.Add(path);
    }
    EXPECT_EQ(recent.Entries(), (std::vector<std::string>{"/a/2", "/b/5", "/a/4", "/a/3"}));
    EXPECT_EQ(recent.NewestFolder(), "/a");
    EXPECT_EQ(MemoryRecentFiles().NewestFolder(), std::nullopt);
}

} // namespace
} // namespace zelt
