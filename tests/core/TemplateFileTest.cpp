#include "TemplateFile.h"

#include "FakeFileSystem.h"
#include "ModelCode.h"
#include "SafeFileWrite.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace zelt {
namespace {

using testing::FakeFileSystem;
using testing::PatternBytes;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

TEST(ReadTemplateFile, ExactSizeFileIsTheImage) {
    TempDir dir;
    const auto bytes = PatternBytes(2048);
    WriteBytes(dir / "t.bin", bytes);
    const auto read = ReadTemplateFile(dir / "t.bin");
    ASSERT_TRUE(read.image.has_value()) << read.message;
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), read.image->begin()));
    EXPECT_TRUE(read.message.empty());
}

TEST(ReadTemplateFile, LongerFileGivesItsFirst2048Bytes) {
    TempDir dir;
    const auto bytes = PatternBytes(4096);
    WriteBytes(dir / "long", bytes);
    const auto read = ReadTemplateFile(dir / "long");
    ASSERT_TRUE(read.image.has_value()) << read.message;
    EXPECT_TRUE(std::equal(read.image->begin(), read.image->end(), bytes.begin()));
}

TEST(ReadTemplateFile, RefusalsNameThePathAndTheReason) {
    TempDir dir;
    WriteBytes(dir / "short", PatternBytes(100));
    WriteBytes(dir / "one", PatternBytes(1));
    WriteBytes(dir / "empty", {});
    WriteBytes(dir / "almost", PatternBytes(2047));
    std::filesystem::create_directory(dir / "folder");
    ::mkfifo((dir / "pipe").c_str(), 0600);

    const struct {
        std::string name;
        std::string message;
    } cases[] = {
        {"short", "\"" + (dir / "short").string() +
                      "\" is not a template file: it is 100 bytes long, a template file is 2048 "
                      "bytes."},
        {"one", "\"" + (dir / "one").string() +
                    "\" is not a template file: it is 1 byte long, a template file is 2048 bytes."},
        {"empty", "\"" + (dir / "empty").string() +
                      "\" is not a template file: it is 0 bytes long, a template file is 2048 "
                      "bytes."},
        {"almost", "\"" + (dir / "almost").string() +
                       "\" is not a template file: it is 2047 bytes long, a template file is "
                       "2048 bytes."},
        {"missing",
         "Cannot open \"" + (dir / "missing").string() + "\": No such file or directory."},
        {"folder", "Cannot open \"" + (dir / "folder").string() + "\": it is a folder."},
        // A pipe would block the reader forever when nobody writes into it.
        {"pipe", "Cannot open \"" + (dir / "pipe").string() + "\": it is not a regular file."},
    };
    for (const auto& c : cases) {
        const auto read = ReadTemplateFile(dir / c.name);
        EXPECT_FALSE(read.image.has_value()) << c.name;
        EXPECT_EQ(read.message, c.message);
    }
}

TEST(ReadTemplateFile, ReadErrorIsReported) {
    FakeFileSystem fs;
    fs.files["/t"] = PatternBytes(2048);
    fs.readError = FakeFileSystem::Errno(EIO);
    const auto read = ReadTemplateFile("/t", fs);
    EXPECT_FALSE(read.image.has_value());
    EXPECT_EQ(read.message, "Cannot open \"/t\": Input/output error.");
}

TEST(WriteTemplateFile, WritesExactlyTheImageAndLeavesNoTemporary) {
    TempDir dir;
    TemplateImage image = MakeNewImage(kModelRM0480);
    image[5] = 0x41;
    ASSERT_FALSE(WriteTemplateFile(dir / "new.tpl", image).has_value());
    const auto written = ReadBytes(dir / "new.tpl");
    ASSERT_EQ(written.size(), 2048u);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), written.begin()));
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"new.tpl"});
}

TEST(WriteTemplateFile, ReplacesALongerFileCompletelyAndKeepsItsPermissions) {
    TempDir dir;
    WriteBytes(dir / "t", PatternBytes(5000));
    ::chmod((dir / "t").c_str(), 0640);
    const TemplateImage image = MakeNewImage(kModelTK0530);
    ASSERT_FALSE(WriteTemplateFile(dir / "t", image).has_value());
    const auto written = ReadBytes(dir / "t");
    ASSERT_EQ(written.size(), 2048u);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), written.begin()));
    struct stat st {};
    ASSERT_EQ(::stat((dir / "t").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(WriteTemplateFile, NewFileGetsTheUsualPermissions) {
    TempDir dir;
    const mode_t old = ::umask(022);
    const auto result = WriteTemplateFile(dir / "t", MakeNewImage(kModelRM0480));
    ::umask(old);
    ASSERT_FALSE(result.has_value());
    struct stat st {};
    ASSERT_EQ(::stat((dir / "t").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
}

TEST(WriteTemplateFile, SavingThroughALinkReplacesTheLinkedFile) {
    TempDir dir;
    WriteBytes(dir / "real", PatternBytes(2048));
    std::filesystem::create_symlink(dir / "real", dir / "link");
    const TemplateImage image = MakeNewImage(kModelRM0410);
    ASSERT_FALSE(WriteTemplateFile(dir / "link", image).has_value());
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link"));
    const auto written = ReadBytes(dir / "real");
    EXPECT_TRUE(std::equal(image.begin(), image.end(), written.begin()));
}

TEST(WriteTemplateFile, AFolderIsNotOverwritten) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder");
    EXPECT_EQ(WriteTemplateFile(dir / "folder", MakeNewImage(kModelRM0480)),
              "Cannot save \"" + (dir / "folder").string() + "\": it is a folder.");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder"));
}

TEST(WriteTemplateFile, MissingFolderIsReported) {
    TempDir dir;
    EXPECT_EQ(WriteTemplateFile(dir / "nowhere" / "t", MakeNewImage(kModelRM0480)),
              "Cannot save \"" + (dir / "nowhere" / "t").string() +
                  "\": No such file or directory.");
}

// The failures below need a full disk or a read-only folder; the injected file system plays
// them. In every case the existing file must come out untouched and no temporary may remain.
struct FailingSave {
    const char* name;
    void (*arrange)(FakeFileSystem&);
    const char* reason;
};

TEST(WriteTemplateFile, FailedSaveLeavesTheOldFileIntact) {
    const FailingSave cases[] = {
        {"disk full half-way", [](FakeFileSystem& fs) { fs.freeSpace = 1000; },
         "No space left on device"},
        {"disk full", [](FakeFileSystem& fs) { fs.freeSpace = 0; }, "No space left on device"},
        {"read-only folder", [](FakeFileSystem& fs) { fs.readOnlyFolders.insert("/data"); },
         "Permission denied"},
        {"read-only file", [](FakeFileSystem& fs) { fs.readOnlyFiles.insert("/data/t"); },
         "Permission denied"},
        {"flush fails", [](FakeFileSystem& fs) { fs.syncError = FakeFileSystem::Errno(EIO); },
         "Input/output error"},
        {"close fails", [](FakeFileSystem& fs) { fs.closeError = FakeFileSystem::Errno(EDQUOT); },
         "Disk quota exceeded"},
        {"rename fails", [](FakeFileSystem& fs) { fs.replaceError = FakeFileSystem::Errno(EXDEV); },
         "Invalid cross-device link"},
    };
    for (const auto& c : cases) {
        FakeFileSystem fs;
        fs.folders.insert("/data");
        const auto old = PatternBytes(2048);
        fs.files["/data/t"] = old;
        c.arrange(fs);
        EXPECT_EQ(WriteTemplateFile("/data/t", MakeNewImage(kModelRM0480), fs),
                  std::string("Cannot save \"/data/t\": ") + c.reason + ".")
            << c.name;
        EXPECT_EQ(fs.files["/data/t"], old) << c.name;
        EXPECT_TRUE(fs.LeftoverTemporaries().empty()) << c.name;
    }
}

// The check before a long piece of work gives the save's own message and changes nothing,
// whether the save would work or not.
TEST(CheckFileWritable, ForeseesTheSavesRefusalAndLeavesNothingBehind) {
    const struct {
        const char* name;
        void (*arrange)(FakeFileSystem&);
        std::optional<std::string> message;
    } cases[] = {
        {"new file", [](FakeFileSystem&) {}, std::nullopt},
        {"existing file", [](FakeFileSystem& fs) { fs.files["/data/t"] = PatternBytes(10); },
         std::nullopt},
        {"read-only folder", [](FakeFileSystem& fs) { fs.readOnlyFolders.insert("/data"); },
         "Cannot save \"/data/t\": Permission denied."},
        {"read-only file",
         [](FakeFileSystem& fs) {
             fs.files["/data/t"] = PatternBytes(10);
             fs.readOnlyFiles.insert("/data/t");
         },
         "Cannot save \"/data/t\": Permission denied."},
        {"folder of that name", [](FakeFileSystem& fs) { fs.folders.insert("/data/t"); },
         "Cannot save \"/data/t\": it is a folder."},
    };
    for (const auto& c : cases) {
        FakeFileSystem fs;
        fs.folders.insert("/data");
        c.arrange(fs);
        const auto filesBefore = fs.files;
        EXPECT_EQ(CheckFileWritable("/data/t", fs), c.message) << c.name;
        EXPECT_EQ(fs.files, filesBefore) << c.name;
    }
}

TEST(WriteTemplateFile, SuccessfulSaveThroughInjectedFileSystem) {
    FakeFileSystem fs;
    fs.files["/data/t"] = PatternBytes(3000);
    fs.freeSpace = 2048;
    const TemplateImage image = MakeNewImage(kModelTK0517);
    ASSERT_FALSE(WriteTemplateFile("/data/t", image, fs).has_value());
    EXPECT_EQ(fs.files["/data/t"], std::vector<std::uint8_t>(image.begin(), image.end()));
    EXPECT_TRUE(fs.LeftoverTemporaries().empty());
    EXPECT_EQ(fs.files.size(), 1u);
}

} // namespace
} // namespace zelt
