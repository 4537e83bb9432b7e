// The Windows file system under loading and saving. The error texts come from the C++ library
// and differ between compilers, so the cases compare the Windows error code and the part of
// the message that the program writes itself.

#include "ModelCode.h"
#include "SafeFileWrite.h"
#include "TempDir.h"
#include "TemplateFile.h"
#include "TemplateImage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>
#include <windows.h>

namespace zelt {
namespace {

namespace fs = std::filesystem;

using testing::PatternBytes;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

std::string SaveRefusal(const fs::path& path) {
    return "Cannot save \"" + path.string() + "\": ";
}

// Holds a file open the way another program might, for as long as it lives.
class OpenElsewhere {
public:
    OpenElsewhere(const fs::path& path, DWORD access, DWORD share)
        : handle_(::CreateFileW(path.c_str(), access, share, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~OpenElsewhere() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            ::CloseHandle(handle_);
        }
    }
    OpenElsewhere(const OpenElsewhere&) = delete;
    OpenElsewhere& operator=(const OpenElsewhere&) = delete;

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

TEST(WinFileSystem, SaveWritesExactlyTheImageOverALongerFileAndLeavesNoTemporary) {
    TempDir dir;
    WriteBytes(dir / "t.tpl", PatternBytes(5000));
    TemplateImage image = MakeNewImage(kModelRM0480);
    image[5] = 0x41;
    ASSERT_FALSE(WriteTemplateFile(dir / "t.tpl", image).has_value());
    const auto written = ReadBytes(dir / "t.tpl");
    ASSERT_EQ(written.size(), 2048u);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), written.begin()));
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"t.tpl"});

    const auto read = ReadTemplateFile(dir / "t.tpl");
    ASSERT_TRUE(read.image.has_value()) << read.message;
    EXPECT_EQ(*read.image, image);
}

TEST(WinFileSystem, ReadingGivesTheFirst2048BytesAndNamesAShortFilesLength) {
    TempDir dir;
    const auto bytes = PatternBytes(4096);
    WriteBytes(dir / "long", bytes);
    const auto read = ReadTemplateFile(dir / "long");
    ASSERT_TRUE(read.image.has_value()) << read.message;
    EXPECT_TRUE(std::equal(read.image->begin(), read.image->end(), bytes.begin()));

    WriteBytes(dir / "short", PatternBytes(100));
    EXPECT_EQ(ReadTemplateFile(dir / "short").message,
              "\"" + (dir / "short").string() +
                  "\" is not a template file: it is 100 bytes long, a template file is 2048 "
                  "bytes.");
}

TEST(WinFileSystem, FoldersAndDevicesAreNeitherReadNorReplaced) {
    TempDir dir;
    fs::create_directory(dir / "folder");
    EXPECT_EQ(ReadTemplateFile(dir / "folder").message,
              "Cannot open \"" + (dir / "folder").string() + "\": it is a folder.");
    EXPECT_EQ(WriteTemplateFile(dir / "folder", MakeNewImage(kModelRM0480)),
              SaveRefusal(dir / "folder") + "it is a folder.");
    EXPECT_TRUE(fs::is_directory(dir / "folder"));

    // Reading the null device would give no bytes; saving would rename over it.
    EXPECT_EQ(ReadTemplateFile("NUL").message, "Cannot open \"NUL\": it is not a regular file.");
    EXPECT_EQ(WriteTemplateFile("NUL", MakeNewImage(kModelRM0480)),
              SaveRefusal("NUL") + "it is not a regular file.");
}

TEST(WinFileSystem, AMissingFileOrFolderIsReportedWithTheSystemsReason) {
    TempDir dir;
    const auto read = ReadTemplateFile(dir / "missing");
    EXPECT_FALSE(read.image.has_value());
    EXPECT_EQ(read.message.rfind("Cannot open \"" + (dir / "missing").string() + "\": ", 0), 0u)
        << read.message;

    std::error_code error;
    const auto bytes = PatternBytes(2048);
    const auto message = WriteFileSafely(dir / "nowhere" / "t", bytes, RealFileSystem(), &error);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->rfind(SaveRefusal(dir / "nowhere" / "t"), 0), 0u) << *message;
    EXPECT_EQ(error.value(), ERROR_PATH_NOT_FOUND);
}

TEST(WinFileSystem, AReadOnlyFileIsRefusedUntouchedBeforeAndDuringTheSave) {
    TempDir dir;
    const auto old = PatternBytes(2048);
    WriteBytes(dir / "t", old);
    ASSERT_TRUE(::SetFileAttributesW((dir / "t").c_str(), FILE_ATTRIBUTE_READONLY));
    if (OpenElsewhere(dir / "t", GENERIC_WRITE, 0).IsOpen()) {
        // Windows always refuses; Wine run by root lets root write anyway.
        GTEST_SKIP() << "the read-only attribute is not enforced on this system";
    }

    const auto check = CheckFileWritable(dir / "t");
    ASSERT_TRUE(check.has_value());
    EXPECT_EQ(check->rfind(SaveRefusal(dir / "t"), 0), 0u) << *check;

    std::error_code error;
    const auto bytes = PatternBytes(2048);
    EXPECT_TRUE(WriteFileSafely(dir / "t", bytes, RealFileSystem(), &error).has_value());
    EXPECT_EQ(error.value(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(ReadBytes(dir / "t"), old);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"t"});
}

TEST(WinFileSystem, AFileAnotherProgramHoldsIsReadButNotReplaced) {
    TempDir dir;
    const auto old = PatternBytes(2048);
    WriteBytes(dir / "t", old);
    {
        // A program that writes the file lets others read it.
        const OpenElsewhere writer(dir / "t", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
        ASSERT_TRUE(writer.IsOpen());
        const auto read = ReadTemplateFile(dir / "t");
        ASSERT_TRUE(read.image.has_value()) << read.message;
        EXPECT_TRUE(std::equal(old.begin(), old.end(), read.image->begin()));
    }
    {
        // A program that only reads it and shares nothing else keeps it from being replaced.
        const OpenElsewhere reader(dir / "t", GENERIC_READ, FILE_SHARE_READ);
        ASSERT_TRUE(reader.IsOpen());
        std::error_code error;
        const auto bytes = PatternBytes(2048);
        const auto message = WriteFileSafely(dir / "t", bytes, RealFileSystem(), &error);
        ASSERT_TRUE(message.has_value());
        EXPECT_EQ(message->rfind(SaveRefusal(dir / "t"), 0), 0u) << *message;
        EXPECT_EQ(error.value(), ERROR_SHARING_VIOLATION);
    }
    EXPECT_EQ(ReadBytes(dir / "t"), old);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"t"});
}

TEST(WinFileSystem, TheFolderCheckBeforeALongTransferLeavesNothingBehind) {
    TempDir dir;
    EXPECT_FALSE(CheckFileWritable(dir / "new").has_value());
    EXPECT_TRUE(dir.Entries().empty());
    EXPECT_TRUE(CheckFileWritable(dir / "nowhere" / "new").has_value());
}

} // namespace
} // namespace zelt
