// The Windows file system under loading and saving. The error texts come from the C++ library
// and differ between compilers, so the cases compare the Windows error code and the part of
// the message that the program writes itself.

#include "ModelCode.h"
#include "SafeFileWrite.h"
#include "TemplateFile.h"
#include "TemplateImage.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>
#include <windows.h>

namespace zelt {
namespace {

namespace fs = std::filesystem;

// A fresh folder under the temporary folder, removed with everything in it.
class WinTempDir {
public:
    WinTempDir() {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        for (int attempt = 0;; ++attempt) {
            path_ = fs::temp_directory_path() /
                    ("zelt-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
                     std::to_string(stamp) + "-" + std::to_string(attempt));
            if (fs::create_directory(path_)) {
                break;
            }
        }
    }
    ~WinTempDir() {
        std::error_code ec;
        for (const auto& entry : fs::recursive_directory_iterator(path_, ec)) {
            ::SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        }
        fs::remove_all(path_, ec);
    }
    WinTempDir(const WinTempDir&) = delete;
    WinTempDir& operator=(const WinTempDir&) = delete;

    fs::path operator/(const std::string& name) const { return path_ / name; }

    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(path_)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

private:
    fs::path path_;
};

std::vector<std::uint8_t> Pattern(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    return bytes;
}

void WriteBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

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
    WinTempDir dir;
    WriteBytes(dir / "t.tpl", Pattern(5000));
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
    WinTempDir dir;
    const auto bytes = Pattern(4096);
    WriteBytes(dir / "long", bytes);
    const auto read = ReadTemplateFile(dir / "long");
    ASSERT_TRUE(read.image.has_value()) << read.message;
    EXPECT_TRUE(std::equal(read.image->begin(), read.image->end(), bytes.begin()));

    WriteBytes(dir / "short", Pattern(100));
    EXPECT_EQ(ReadTemplateFile(dir / "short").message,
              "\"" + (dir / "short").string() +
                  "\" is not a template file: it is 100 bytes long, a template file is 2048 "
                  "bytes.");
}

TEST(WinFileSystem, FoldersAndDevicesAreNeitherReadNorReplaced) {
    WinTempDir dir;
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
    WinTempDir dir;
    const auto read = ReadTemplateFile(dir / "missing");
    EXPECT_FALSE(read.image.has_value());
    EXPECT_EQ(read.message.rfind("Cannot open \"" + (dir / "missing").string() + "\": ", 0), 0u)
        << read.message;

    std::error_code error;
    const auto bytes = Pattern(2048);
    const auto message = WriteFileSafely(dir / "nowhere" / "t", bytes, RealFileSystem(), &error);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->rfind(SaveRefusal(dir / "nowhere" / "t"), 0), 0u) << *message;
    EXPECT_EQ(error.value(), ERROR_PATH_NOT_FOUND);
}

TEST(WinFileSystem, AReadOnlyFileIsRefusedUntouchedBeforeAndDuringTheSave) {
    WinTempDir dir;
    const auto old = Pattern(2048);
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
    const auto bytes = Pattern(2048);
    EXPECT_TRUE(WriteFileSafely(dir / "t", bytes, RealFileSystem(), &error).has_value());
    EXPECT_EQ(error.value(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(ReadBytes(dir / "t"), old);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"t"});
}

TEST(WinFileSystem, AFileAnotherProgramHoldsIsReadButNotReplaced) {
    WinTempDir dir;
    const auto old = Pattern(2048);
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
        const auto bytes = Pattern(2048);
        const auto message = WriteFileSafely(dir / "t", bytes, RealFileSystem(), &error);
        ASSERT_TRUE(message.has_value());
        EXPECT_EQ(message->rfind(SaveRefusal(dir / "t"), 0), 0u) << *message;
        EXPECT_EQ(error.value(), ERROR_SHARING_VIOLATION);
    }
    EXPECT_EQ(ReadBytes(dir / "t"), old);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"t"});
}

TEST(WinFileSystem, TheFolderCheckBeforeALongTransferLeavesNothingBehind) {
    WinTempDir dir;
    EXPECT_FALSE(CheckFileWritable(dir / "new").has_value());
    EXPECT_TRUE(dir.Entries().empty());
    EXPECT_TRUE(CheckFileWritable(dir / "nowhere" / "new").has_value());
}

} // namespace
} // namespace zelt
