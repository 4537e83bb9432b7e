#include "TextTemplateFile.h"

#include "CZELTDoc.h"
#include "FakeFileSystem.h"
#include "ModelCode.h"
#include "TempDir.h"
#include "TextTemplateFormat.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace zelt {
namespace {

using testing::FakeFileSystem;
using testing::ReadText;
using testing::TempDir;
using testing::WriteText;

struct TextFileFixture : ::testing::Test {
    MemorySettingsStore settings;
    RecordingMessageSink messages;
    TempDir dir;
    CZELTDoc doc{settings, dir.Path().string()};

    std::string PathOf(const std::string& name) const { return (dir / name).string(); }
};

TEST_F(TextFileFixture, ExportWritesTheFormattedRows) {
    doc.keyContents[14 - 1] = "[ESC]";
    doc.keyContents[161 - 1] = "abc[CR]";
    const std::string path = PathOf("out.txt");
    ASSERT_TRUE(ExportTextData(doc, path, messages));
    EXPECT_TRUE(messages.messages.empty());
    const std::string text = ReadText(path);
    EXPECT_EQ(text, FormatTextTemplate(doc.Layout(), doc.keyLabels, doc.keyContents));
    EXPECT_EQ(text.substr(0, 9), "`,[ESC]\r\n");
    EXPECT_EQ(text.substr(text.size() - 17), "KeyLock,abc[CR]\r\n");
    EXPECT_EQ(doc.Title(), "out.txt : RM0480");
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(TextFileFixture, ImportThenExportReproducesTheFile) {
    doc.ChangeModel(kModelTK0517);
    std::string text;
    for (int i = 1; i <= 17; ++i) {
        text += "L" + std::to_string(i) + "\\,x,[F" + std::to_string(i) + "]\\\\\xE9\r\n";
    }
    WriteText(dir / "in.txt", text);
    const TemplateImage image = doc.image;
    EXPECT_EQ(ImportTextData(doc, PathOf("in.txt"), messages), TextReadOutcome::Applied);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(doc.keyLabels[0], "L1,x");
    EXPECT_EQ(doc.keyContents[106 - 1], "[F1]\\\xE9");
    EXPECT_EQ(doc.Title(), "in.txt : TK0517");
    EXPECT_EQ(doc.image, image) << "import leaves the image alone";
    EXPECT_FALSE(doc.IsModified());

    ASSERT_TRUE(ExportTextData(doc, PathOf("again.txt"), messages));
    EXPECT_EQ(ReadText(dir / "again.txt"), text);
}

TEST_F(TextFileFixture, WrongRowCountKeepsTheAppliedRows) {
    std::string text;
    for (int i = 0; i < 125; ++i) {
        text += "r" + std::to_string(i) + ",c" + std::to_string(i) + "\r\n";
    }
    WriteText(dir / "in.txt", text);
    EXPECT_EQ(ImportTextData(doc, PathOf("in.txt"), messages), TextReadOutcome::WrongRowCount);
    ASSERT_EQ(messages.messages.size(), 1U);
    EXPECT_EQ(messages.messages[0], "The number of rows in the text file is wrong\n");
    EXPECT_EQ(doc.keyLabels[123], "r123");
    EXPECT_EQ(doc.keyContents[161 - 1], "c123");
    EXPECT_EQ(doc.Title(), "in.txt : RM0480");
}

TEST_F(TextFileFixture, MissingFileChangesNothing) {
    doc.keyContents[0] = "kept";
    doc.keyLabels[0] = "label";
    const std::string title = doc.Title();
    const std::string path = PathOf("missing.txt");
    EXPECT_EQ(ImportTextData(doc, path, messages), TextReadOutcome::NotRead);
    ASSERT_EQ(messages.messages.size(), 1U);
    EXPECT_EQ(messages.messages[0],
              "The text file: <" + path + "> is NOT in the directory !! Error code = 2");
    EXPECT_EQ(doc.keyContents[0], "kept");
    EXPECT_EQ(doc.keyLabels[0], "label");
    EXPECT_EQ(doc.Title(), title);
}

TEST_F(TextFileFixture, FolderIsNotATextFile) {
    std::filesystem::create_directory(dir / "folder");
    EXPECT_EQ(ReadTextTemplate(doc, PathOf("folder"), messages), TextReadOutcome::NotRead);
    ASSERT_EQ(messages.messages.size(), 1U);
    EXPECT_EQ(messages.messages[0], "The text file: <" + PathOf("folder") +
                                        "> is NOT in the directory !! Error code = 21");
}

TEST_F(TextFileFixture, ExportIntoAMissingFolder) {
    const std::string path = PathOf("no/such/folder/out.txt");
    const std::string title = doc.Title();
    EXPECT_FALSE(ExportTextData(doc, path, messages));
    ASSERT_EQ(messages.messages.size(), 1U);
    EXPECT_EQ(messages.messages[0],
              "The text file: <" + path + "> can't be written !! Error code = 2");
    EXPECT_EQ(doc.Title(), title);
}

TEST_F(TextFileFixture, ExportIntoAReadOnlyFolder) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root may write into any folder";
    }
    const std::filesystem::path folder = dir / "locked";
    std::filesystem::create_directory(folder);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    const std::string path = (folder / "out.txt").string();
    EXPECT_FALSE(WriteTextTemplate(doc, path, messages));
    std::filesystem::permissions(folder, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    ASSERT_EQ(messages.messages.size(), 1U);
    EXPECT_EQ(messages.messages[0],
              "The text file: <" + path + "> can't be written !! Error code = 13");
}

TEST(TextFileFaults, FullDiskLeavesTheOldFile) {
    FakeFileSystem files;
    files.folders.insert("/t");
    files.files["/t/RM0480.txt"] = {'o', 'l', 'd'};
    MemorySettingsStore settings;
    RecordingMessageSink messages;
    CZELTDoc doc(settings, "/t", files);
    files.freeSpace = 50;
    EXPECT_FALSE(WriteTextTemplate(doc, "/t/RM0480.txt", messages));
    ASSERT_EQ(messages.messages.size(), 1U);
    EXPECT_EQ(messages.messages[0],
              "The text file: </t/RM0480.txt> can't be written !! Error code = 28");
    EXPECT_EQ(files.files.at("/t/RM0480.txt"), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
    EXPECT_TRUE(files.LeftoverTemporaries().empty());
}

TEST(TextFileFaults, ReadErrorChangesNothing) {
    FakeFileSystem files;
    files.files["/t/in.txt"] = {'a', ',', 'b', '\n'};
    files.readError = FakeFileSystem::Errno(EIO);
    MemorySettingsStore settings;
    RecordingMessageSink messages;
    CZELTDoc doc(settings, "/t", files);
    EXPECT_EQ(ReadTextTemplate(doc, "/t/in.txt", messages), TextReadOutcome::NotRead);
    ASSERT_EQ(messages.messages.size(), 1U);
    EXPECT_EQ(messages.messages[0],
              "The text file: </t/in.txt> is NOT in the directory !! Error code = 5");
    EXPECT_EQ(doc.keyLabels[0], "`");
}

TEST(TextFileFaults, HugeFileIsRefused) {
    FakeFileSystem files;
    MemorySettingsStore settings;
    RecordingMessageSink messages;
    CZELTDoc doc(settings, "/t", files);
    files.files["/t/big.txt"].resize(kMaxTextTemplateSize + 1, 'a');
    EXPECT_EQ(ReadTextTemplate(doc, "/t/big.txt", messages), TextReadOutcome::NotRead);
    ASSERT_EQ(messages.messages.size(), 1U);
    EXPECT_NE(messages.messages[0].find("/t/big.txt"), std::string::npos);
    EXPECT_NE(messages.messages[0].find("too large"), std::string::npos);
}

TEST_F(TextFileFixture, DefaultFileOfEachModel) {
    const struct {
        int code;
        const char* file;
    } models[] = {{2013, "RM0480.txt"}, {2014, "RM0410.txt"}, {2015, "RM0420.txt"},
                  {2016, "TK0550.txt"}, {2017, "TK0517.txt"}, {2018, "TK0530.txt"},
                  {2099, "RM0480.txt"}};
    for (const auto& model : models) {
        doc.ChangeModel(model.code);
        EXPECT_EQ(DefaultTextTemplatePath(doc), dir.Path().string() + "/" + model.file);
    }
}

TEST_F(TextFileFixture, LoadDefaultNamesTheFileInTheTitleEvenWhenItIsMissing) {
    doc.ChangeModel(kModelTK0517);
    const std::string path = dir.Path().string() + "/TK0517.txt";
    EXPECT_EQ(LoadDefaultTextData(doc, messages), TextReadOutcome::NotRead);
    EXPECT_EQ(doc.Title(), path + " : TK0517");
    ASSERT_EQ(messages.messages.size(), 1U);
    EXPECT_EQ(messages.messages[0],
              "The text file: <" + path + "> is NOT in the directory !! Error code = 2");

    std::string text;
    for (int i = 0; i < 17; ++i) {
        text += "d" + std::to_string(i) + ",[PAD5]\r\n";
    }
    WriteText(path, text);
    EXPECT_EQ(LoadDefaultTextData(doc, messages), TextReadOutcome::Applied);
    EXPECT_EQ(doc.keyLabels[16], "d16");
    EXPECT_EQ(doc.keyContents[117 - 1], "[PAD5]");
}

TEST_F(TextFileFixture, ImportedLabelsLastUntilTheNextModelSelection) {
    WriteText(dir / "in.txt", "first,\r\n");
    EXPECT_EQ(ImportTextData(doc, PathOf("in.txt"), messages), TextReadOutcome::WrongRowCount);
    EXPECT_EQ(doc.keyLabels[0], "first");
    doc.SelectModelLayout();
    EXPECT_EQ(doc.keyLabels[0], "`");
}

} // namespace
} // namespace zelt
