#include "CZELTDoc.h"

#include "FakeFileSystem.h"
#include "KeyArea.h"
#include "KeyContent.h"
#include "ModelCode.h"
#include "TempDir.h"
#include "TemplateImage.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace zelt {
namespace {

using testing::FakeFileSystem;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

Bytes BytesOf(const TemplateImage& image) {
    return Bytes(image.begin(), image.end());
}

// A document whose settings and files live only in the test.
struct DocFixture : ::testing::Test {
    MemorySettingsStore settings;
    RecordingMessageSink messages;
    TempDir dir;

    CZELTDoc MakeDoc() { return CZELTDoc(settings, dir.Path().string()); }
    std::string PathOf(const std::string& name) const { return (dir / name).string(); }
};

// Everything a failed operation must leave alone.
struct Snapshot {
    explicit Snapshot(const CZELTDoc& doc)
        : modelCode(doc.modelCode), image(doc.image), contents(doc.keyContents),
          blank(doc.blankKeyFlags), defined(doc.definedKeyFlags), labels(doc.keyLabels),
          title(doc.Title()), path(doc.PathName()), modified(doc.IsModified()) {}
    bool operator==(const Snapshot&) const = default;

    int modelCode;
    TemplateImage image;
    std::array<std::string, kKeyCount> contents;
    std::array<int, kKeyCount> blank;
    std::array<int, kKeyCount> defined;
    std::array<std::string, kKeyCount> labels;
    std::string title;
    std::string path;
    bool modified;
};

void ExpectNewTemplate(const CZELTDoc& doc) {
    EXPECT_EQ(doc.image, MakeNewImage(doc.modelCode));
    for (std::size_t k = 0; k < kKeyCount; ++k) {
        EXPECT_EQ(doc.keyContents[k], "") << "key number " << k + 1;
        EXPECT_EQ(doc.blankKeyFlags[k], 1);
        EXPECT_EQ(doc.definedKeyFlags[k], 1);
    }
    EXPECT_EQ(doc.keyLabels, doc.Layout().labels);
}

TEST_F(DocFixture, StartsWithTheModelOfTheSettings) {
    {
        CZELTDoc doc = MakeDoc();
        EXPECT_EQ(doc.modelCode, 2013);
        EXPECT_EQ(doc.Title(), "Template : RM0480");
        EXPECT_EQ(doc.WorkingDirectory(), dir.Path().string());
        EXPECT_EQ(std::string(doc.SettingsSection()), "ORNKeyboard");
        EXPECT_EQ(std::string(doc.SettingsValueName()), "Morvex");
        EXPECT_FALSE(settings.Contains("ORNKeyboard", "Morvex")) << "reading writes nothing";
        ExpectNewTemplate(doc);
    }
    settings.WriteInt("ORNKeyboard", "Morvex", 2018);
    CZELTDoc doc = MakeDoc();
    EXPECT_EQ(doc.modelCode, 2018);
    EXPECT_EQ(doc.KeyCount(), 176);
    EXPECT_EQ(doc.MrSupport(), 0);
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.Title(), "Template : TK0530");
    ExpectNewTemplate(doc);
}

TEST_F(DocFixture, SettingsValueOutsideTheCatalogue) {
    settings.WriteInt("ORNKeyboard", "Morvex", 2099);
    CZELTDoc doc = MakeDoc();
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.modelCode, 2099) << "the code itself is kept";
    EXPECT_EQ(doc.ModelName(), "RM0480");
    EXPECT_EQ(doc.KeyCount(), 124);
    EXPECT_EQ(doc.keyLabels[123], "KeyLock");
    EXPECT_EQ(doc.MrSupport(), 1);
    EXPECT_EQ(doc.Title(), "Template : RM0480");
    // The new image has the defaults of the RS232 group.
    EXPECT_EQ(doc.image[offsets::kOptionA], 0xE0);
    EXPECT_EQ(doc.image[offsets::kOptionB], 0x9E);
    EXPECT_EQ(doc.image[offsets::kTrackPrefix[0]], 0x00);
}

TEST_F(DocFixture, ModelsAndTheirTitles) {
    const struct {
        int code;
        const char* title;
        int keys;
        int mr;
    } models[] = {{2013, "Template : RM0480", 124, 1}, {2014, "Template : RM0410", 122, 1},
                  {2015, "Template : RM0420", 134, 1}, {2016, "Template : TK0550", 67, 1},
                  {2017, "Template : TK0517", 17, 0},  {2018, "Template : TK0530", 176, 0}};
    CZELTDoc doc = MakeDoc();
    for (const auto& model : models) {
        doc.ChangeModel(model.code);
        EXPECT_EQ(doc.Title(), model.title);
        EXPECT_EQ(doc.KeyCount(), model.keys);
        EXPECT_EQ(doc.MrSupport(), model.mr);
    }
}

TEST_F(DocFixture, NewDocumentForgetsEditsPathAndModifiedFlag) {
    CZELTDoc doc = MakeDoc();
    doc.keyContents[4] = "abc";
    doc.blankKeyFlags[4] = 0;
    doc.definedKeyFlags[4] = 0;
    doc.keyLabels[0] = "imported";
    doc.image[100] = 0x41;
    ASSERT_TRUE(doc.OnSaveDocument(PathOf("t.bin"), messages));
    doc.SetModifiedFlag();
    EXPECT_TRUE(doc.OnNewDocument());
    ExpectNewTemplate(doc);
    EXPECT_EQ(doc.PathName(), "");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.Title(), "Template : RM0480");
}

TEST_F(DocFixture, ChangeModelAndBackGivesANewImage) {
    CZELTDoc doc = MakeDoc();
    doc.keyContents[0] = "x";
    doc.image[offsets::kOptionA] = 0x00;
    ASSERT_TRUE(doc.OnSaveDocument(PathOf("t.bin"), messages));
    doc.SetModifiedFlag();

    doc.ChangeModel(2016);
    EXPECT_EQ(settings.ReadInt("ORNKeyboard", "Morvex", 0), 2016);
    EXPECT_EQ(doc.ModelName(), "TK0550");
    doc.ChangeModel(2013);
    EXPECT_EQ(settings.ReadInt("ORNKeyboard", "Morvex", 0), 2013);
    EXPECT_EQ(doc.image, MakeNewImage(2013));
    ExpectNewTemplate(doc);
    EXPECT_TRUE(doc.IsModified()) << "a model change leaves the modified flag alone";
    EXPECT_EQ(doc.PathName(), PathOf("t.bin"));

    // Choosing the model already in use empties the keys too.
    doc.keyContents[3] = "y";
    doc.ChangeModel(2013);
    EXPECT_EQ(doc.keyContents[3], "");
}

TEST_F(DocFixture, SharedEnterKeyOfRM0410) {
    CZELTDoc doc = MakeDoc();
    doc.ChangeModel(2014);
    EXPECT_EQ(doc.KeyOfPosition(28), 81);
    EXPECT_EQ(doc.KeyOfPosition(41), 81);
    EXPECT_EQ(doc.KeyOfPosition(-1), -1);
    EXPECT_EQ(doc.KeyOfPosition(122), -1);
    EXPECT_EQ(doc.NeighbourKey(1, 27), 75);
    EXPECT_EQ(doc.NeighbourKey(2, 122), 0);
}

TEST_F(DocFixture, SaveWritesTheImageAndLoadReadsItBack) {
    CZELTDoc doc = MakeDoc();
    doc.keyContents[0] = "abc[CR]";
    doc.keyContents[4] = "[F1][Separator][F2]";
    doc.keyContents[160] = "lock";
    doc.SetModifiedFlag();
    const std::string path = PathOf("first.tpl");
    ASSERT_TRUE(doc.OnSaveDocument(path, messages));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.PathName(), path);
    EXPECT_EQ(doc.Title(), "first.tpl");
    const Bytes first = ReadBytes(path);
    ASSERT_EQ(first.size(), 2048U);
    EXPECT_EQ(first, BytesOf(doc.image));

    // Saving the unchanged document again writes the same bytes.
    const std::string second = PathOf("second.tpl");
    ASSERT_TRUE(doc.OnSaveDocument(second, messages));
    EXPECT_EQ(ReadBytes(second), first);

    CZELTDoc loaded = MakeDoc();
    loaded.SetModifiedFlag();
    ASSERT_TRUE(loaded.OnOpenDocument(path, messages));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_FALSE(loaded.IsModified());
    EXPECT_EQ(loaded.Title(), "first.tpl");
    EXPECT_EQ(loaded.keyContents[0], "abc[CR]");
    EXPECT_EQ(loaded.keyContents[4], "[F1][Separator][F2]");
    EXPECT_EQ(loaded.keyContents[160], "lock");
    EXPECT_EQ(loaded.keyContents[121], "lock") << "the RM0480 mirrors \"KeyLock\"";
    EXPECT_EQ(loaded.image, doc.image);
}

TEST_F(DocFixture, OpenSetsTheKeyFlagsFromTheContents) {
    CZELTDoc source = MakeDoc();
    source.keyContents[9] = "a";
    ASSERT_TRUE(source.OnSaveDocument(PathOf("t.bin"), messages));

    CZELTDoc doc = MakeDoc();
    doc.definedKeyFlags[9] = 0;
    doc.definedKeyFlags[10] = 0;
    doc.blankKeyFlags[10] = 0;
    ASSERT_TRUE(doc.OnOpenDocument(PathOf("t.bin"), messages));
    EXPECT_EQ(doc.blankKeyFlags[9], 0);
    EXPECT_EQ(doc.definedKeyFlags[9], 1);
    EXPECT_EQ(doc.blankKeyFlags[10], 1);
    EXPECT_EQ(doc.definedKeyFlags[10], 0) << "an empty key keeps its defined-key flag";
}

TEST_F(DocFixture, DamagedImageIsReportedAndStillOpened) {
    CZELTDoc source = MakeDoc();
    source.keyContents[0] = "hello";
    ASSERT_TRUE(source.OnSaveDocument(PathOf("t.bin"), messages));
    Bytes bytes = ReadBytes(PathOf("t.bin"));
    bytes[2047] = 0xD5;
    WriteBytes(PathOf("damaged.bin"), bytes);

    CZELTDoc doc = MakeDoc();
    ASSERT_TRUE(doc.OnOpenDocument(PathOf("damaged.bin"), messages));
    ASSERT_EQ(messages.messages.size(), 1U);
    EXPECT_EQ(messages.messages[0], kCorruptedTemplateMessage);
    EXPECT_EQ(doc.keyContents[0], "hello");
    EXPECT_EQ(BytesOf(doc.image), bytes) << "the image is kept as it was read";
    EXPECT_EQ(doc.PathName(), PathOf("damaged.bin"));
}

TEST_F(DocFixture, LongerFileUsesItsFirst2048Bytes) {
    CZELTDoc source = MakeDoc();
    source.keyContents[0] = "first";
    ASSERT_TRUE(source.OnSaveDocument(PathOf("t.bin"), messages));
    Bytes bytes = ReadBytes(PathOf("t.bin"));
    bytes.resize(4096, 0x77);
    WriteBytes(PathOf("long.bin"), bytes);

    CZELTDoc doc = MakeDoc();
    ASSERT_TRUE(doc.OnOpenDocument(PathOf("long.bin"), messages));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(doc.image, source.image);
    EXPECT_EQ(doc.keyContents[0], "first");
}

TEST_F(DocFixture, ShortFileIsRefusedAndTheDocumentStaysAsItWas) {
    for (std::size_t length : {0U, 1U, 100U, 2047U}) {
        SCOPED_TRACE(length);
        WriteBytes(PathOf("short.bin"), Bytes(length, 0x55));
        CZELTDoc doc = MakeDoc();
        doc.keyContents[3] = "edited";
        doc.blankKeyFlags[3] = 0;
        doc.definedKeyFlags[3] = 0;
        doc.keyLabels[2] = "label";
        doc.SetModifiedFlag();
        const Snapshot before(doc);
        messages.messages.clear();

        EXPECT_FALSE(doc.OnOpenDocument(PathOf("short.bin"), messages));
        EXPECT_TRUE(Snapshot(doc) == before);
        ASSERT_EQ(messages.messages.size(), 1U);
        const std::string& message = messages.messages[0];
        EXPECT_NE(message.find(std::to_string(length) + (length == 1 ? " byte" : " bytes")),
                  std::string::npos)
            << message;
        EXPECT_NE(message.find(PathOf("short.bin")), std::string::npos) << message;
    }
}

TEST_F(DocFixture, MissingFileOrFolderIsRefused) {
    std::filesystem::create_directory(dir / "folder");
    for (const std::string& name : {std::string("missing.bin"), std::string("folder")}) {
        CZELTDoc doc = MakeDoc();
        doc.keyContents[0] = "kept";
        const Snapshot before(doc);
        messages.messages.clear();
        EXPECT_FALSE(doc.OnOpenDocument(PathOf(name), messages));
        EXPECT_TRUE(Snapshot(doc) == before);
        ASSERT_EQ(messages.messages.size(), 1U);
        EXPECT_NE(messages.messages[0].find(PathOf(name)), std::string::npos);
    }
}

TEST_F(DocFixture, InvalidKeyStopsTheSaveAndWritesNothing) {
    const std::string path = PathOf("t.bin");
    CZELTDoc doc = MakeDoc();
    doc.keyContents[0] = "kept";
    ASSERT_TRUE(doc.OnSaveDocument(path, messages));
    const Bytes old = ReadBytes(path);

    doc.keyContents[0] = "changed";
    doc.keyContents[4] = "[F1]x";
    doc.SetModifiedFlag();
    EXPECT_FALSE(doc.OnSaveDocument(path, messages));
    ASSERT_EQ(messages.messages.size(), 1U);
    EXPECT_EQ(messages.messages[0], "Wrong function word or scan code word!!");
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_TRUE(doc.IsModified());

    EXPECT_FALSE(doc.OnSaveDocument(PathOf("new.bin"), messages));
    EXPECT_FALSE(std::filesystem::exists(PathOf("new.bin")));
    EXPECT_EQ(dir.Entries().size(), 1U) << "no temporary file is left behind";
    EXPECT_EQ(doc.PathName(), path);
}

// Contents that need `excess` bytes more than the key area holds: 176 terminators plus plain
// characters, one byte each.
void FillKeys(CZELTDoc& doc, int excess) {
    int bytes = static_cast<int>(kKeyAreaSize) - kKeyCount + excess;
    for (std::size_t k = 0; k < kKeyCount && bytes > 0; ++k) {
        if (k == 121 || k == 160) {
            continue; // the RM0480 mirrors these two; they stay empty
        }
        const int length = std::min(bytes, 40);
        doc.keyContents[k] = std::string(static_cast<std::size_t>(length), 'a');
        bytes -= length;
    }
}

TEST_F(DocFixture, ContentsThatDoNotFitAreRefused) {
    const std::string path = PathOf("t.bin");
    CZELTDoc doc = MakeDoc();
    ASSERT_TRUE(doc.OnSaveDocument(path, messages));
    const Bytes old = ReadBytes(path);

    FillKeys(doc, 0);
    ASSERT_EQ(GetSpaceLeft(doc), 0);
    EXPECT_TRUE(doc.OnSaveDocument(PathOf("full.bin"), messages)) << "exactly full fits";
    EXPECT_TRUE(messages.messages.empty());

    for (int excess : {1, 37}) {
        CZELTDoc big = MakeDoc();
        FillKeys(big, excess);
        big.SetModifiedFlag();
        messages.messages.clear();
        EXPECT_FALSE(big.OnSaveDocument(path, messages));
        ASSERT_EQ(messages.messages.size(), 1U);
        const std::string expected = std::to_string(excess) + (excess == 1 ? " byte " : " bytes ");
        EXPECT_NE(messages.messages[0].find(expected), std::string::npos) << messages.messages[0];
        EXPECT_EQ(ReadBytes(path), old);
        EXPECT_TRUE(big.IsModified());
    }
}

TEST_F(DocFixture, FailedWriteKeepsTheOldFile) {
    FakeFileSystem files;
    files.folders.insert("/f");
    CZELTDoc doc(settings, "/f", files);
    doc.keyContents[0] = "old";
    ASSERT_TRUE(doc.OnSaveDocument("/f/t.bin", messages));
    const Bytes old = files.files.at("/f/t.bin");

    doc.keyContents[0] = "new";
    doc.SetModifiedFlag();
    files.freeSpace = 1000; // the disk fills up half-way through the image
    EXPECT_FALSE(doc.OnSaveDocument("/f/t.bin", messages));
    ASSERT_EQ(messages.messages.size(), 1U);
    EXPECT_EQ(files.files.at("/f/t.bin"), old);
    EXPECT_TRUE(files.LeftoverTemporaries().empty());
    EXPECT_TRUE(doc.IsModified());

    files.freeSpace = static_cast<std::size_t>(-1);
    files.readOnlyFolders.insert("/f");
    EXPECT_FALSE(doc.OnSaveDocument("/f/t.bin", messages));
    EXPECT_EQ(messages.messages.size(), 2U);
    EXPECT_EQ(files.files.at("/f/t.bin"), old);
}

TEST_F(DocFixture, SaveIntoAReadOnlyFolder) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root may write into any folder";
    }
    const std::filesystem::path folder = dir / "locked";
    std::filesystem::create_directory(folder);
    const std::string path = (folder / "t.bin").string();
    CZELTDoc doc = MakeDoc();
    ASSERT_TRUE(doc.OnSaveDocument(path, messages));
    const Bytes old = ReadBytes(path);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    doc.keyContents[0] = "x";
    EXPECT_FALSE(doc.OnSaveDocument(path, messages));
    std::filesystem::permissions(folder, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(messages.messages.size(), 1U);
    EXPECT_EQ(ReadBytes(path), old);
}

} // namespace
} // namespace zelt
