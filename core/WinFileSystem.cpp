#include "FileSystem.h"
#include "SaveTarget.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <utility>
#include <windows.h>

namespace zelt {
namespace {

namespace fs = std::filesystem;

std::error_code ErrorCode(DWORD error) {
    return {static_cast<int>(error), std::system_category()};
}

std::error_code LastError() {
    return ErrorCode(::GetLastError());
}

bool IsNotFound(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// Closes the handle when it goes out of scope.
class ScopedHandle {
public:
    explicit ScopedHandle(HANDLE handle) : handle_(handle) {}
    ~ScopedHandle() {
        if (Valid()) {
            ::CloseHandle(handle_);
        }
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    // Gives up the handle, to be closed by the caller.
    HANDLE Release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }

private:
    HANDLE handle_;
};

// One ReadFile or WriteFile call takes a 32-bit count.
DWORD ChunkSize(std::size_t rest) {
    constexpr std::size_t kMaxChunk = std::size_t{1} << 30;
    return static_cast<DWORD>(rest < kMaxChunk ? rest : kMaxChunk);
}

// Others may go on reading and writing the file meanwhile, as they may with a POSIX file.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

class HandleWritableFile final : public WritableFile {
public:
    HandleWritableFile(HANDLE handle, fs::path path) : handle_(handle), path_(std::move(path)) {}

    const fs::path& Path() const override { return path_; }

    std::error_code Write(std::span<const std::uint8_t> bytes) override {
        std::size_t done = 0;
        while (done < bytes.size()) {
            DWORD written = 0;
            if (!::WriteFile(handle_.Get(), bytes.data() + done, ChunkSize(bytes.size() - done),
                             &written, nullptr)) {
                return LastError();
            }
            done += written;
        }
        return {};
    }

    std::error_code Sync() override {
        if (!::FlushFileBuffers(handle_.Get())) {
            return LastError();
        }
        return {};
    }

    std::error_code Close() override {
        if (!handle_.Valid()) {
            return {};
        }
        if (!::CloseHandle(handle_.Release())) {
            return LastError();
        }
        return {};
    }

private:
    ScopedHandle handle_;
    fs::path path_;
};

// A name for the temporary file that no other save, in this process or another, is likely to
// be using at the same moment; CREATE_NEW refuses it anyway if it exists.
std::wstring TemporarySuffix() {
    static std::atomic<std::uint64_t> counter{0};
    const auto ticks =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    const std::uint64_t process = ::GetCurrentProcessId();
    std::uint64_t mixed = ticks ^ (process << 40) ^ (counter++ * 0x9E3779B97F4A7C15u);
    std::wstring suffix;
    for (int i = 0; i < 6; ++i) {
        suffix += L"0123456789abcdefghijklmnopqrstuvwxyz"[mixed % 36];
        mixed /= 36;
    }
    return suffix;
}

class WinFileSystem final : public FileSystem {
public:
    std::error_code Status(const fs::path& path, FileStatus& status) override {
        status = {};
        // Opened without any access, only to learn what it is: this follows symbolic links,
        // tells devices such as NUL or COM1 from files, and works on files others hold open.
        const ScopedHandle handle(::CreateFileW(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                                FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        if (!handle.Valid()) {
            const DWORD error = ::GetLastError();
            return IsNotFound(error) ? std::error_code() : ErrorCode(error);
        }
        status.exists = true;
        if (::GetFileType(handle.Get()) != FILE_TYPE_DISK) {
            return {};
        }
        BY_HANDLE_FILE_INFORMATION info{};
        if (!::GetFileInformationByHandle(handle.Get(), &info)) {
            return LastError();
        }
        status.isDirectory = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        status.isRegular = !status.isDirectory;
        status.size = (static_cast<std::uintmax_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
        return {};
    }

    std::error_code ReadPrefix(const fs::path& path, std::span<std::uint8_t> buffer,
                               std::size_t& bytesRead) override {
        bytesRead = 0;
        const ScopedHandle handle(::CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr,
                                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!handle.Valid()) {
            return LastError();
        }
        while (bytesRead < buffer.size()) {
            DWORD got = 0;
            if (!::ReadFile(handle.Get(), buffer.data() + bytesRead,
                            ChunkSize(buffer.size() - bytesRead), &got, nullptr)) {
                return LastError();
            }
            if (got == 0) {
                break;
            }
            bytesRead += got;
        }
        return {};
    }

    std::error_code CheckWritable(const fs::path& path) override {
        // Opening the existing file for writing, without truncating it, is what tells a
        // read-only attribute, a denying access list and a file locked by another program.
        const ScopedHandle handle(::CreateFileW(path.c_str(), GENERIC_WRITE, kShareAll, nullptr,
                                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!handle.Valid()) {
            return LastError();
        }
        return {};
    }

    std::error_code CreateTemporaryNear(const fs::path& target,
                                        std::unique_ptr<WritableFile>& file) override {
        const fs::path resolved = ResolveSaveTarget(target);
        // Named after the target, so that a leftover after a crash is recognisable. It gets
        // the folder's inherited access list, which is what a new file of the target's name
        // would get. It is not marked hidden: the mark would stay on the saved file.
        constexpr unsigned kAttempts = 100;
        DWORD error = ERROR_FILE_EXISTS;
        for (unsigned attempt = 0; attempt < kAttempts; ++attempt) {
            fs::path name(L".");
            name += resolved.filename();
            name += L"." + TemporarySuffix();
            fs::path temporary = FolderOf(resolved) / name;
            const HANDLE handle = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr,
                                                CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (handle != INVALID_HANDLE_VALUE) {
                file = std::make_unique<HandleWritableFile>(handle, std::move(temporary));
                return {};
            }
            error = ::GetLastError();
            if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
                break;
            }
        }
        return ErrorCode(error);
    }

    std::error_code Replace(const fs::path& from, const fs::path& to) override {
        const fs::path resolved = ResolveSaveTarget(to);
        // Write-through: the call returns once the new name is on the device.
        if (!::MoveFileExW(from.c_str(), resolved.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return LastError();
        }
        return {};
    }

    void Remove(const fs::path& path) override { ::DeleteFileW(path.c_str()); }
};

} // namespace

FileSystem& RealFileSystem() {
    static WinFileSystem instance;
    return instance;
}

} // namespace zelt
