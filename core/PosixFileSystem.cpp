#include "FileSystem.h"
#include "SaveTarget.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace zelt {
namespace {

namespace fs = std::filesystem;

std::error_code LastError() {
    return {errno, std::system_category()};
}

// Permissions a newly created file would get: 0666 as narrowed by the umask. The umask can
// only be read by setting it, so it is restored at once.
mode_t DefaultFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

class PosixWritableFile final : public WritableFile {
public:
    PosixWritableFile(int fd, fs::path path) : fd_(fd), path_(std::move(path)) {}
    ~PosixWritableFile() override {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    PosixWritableFile(const PosixWritableFile&) = delete;
    PosixWritableFile& operator=(const PosixWritableFile&) = delete;

    const fs::path& Path() const override { return path_; }

    std::error_code Write(std::span<const std::uint8_t> bytes) override {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
            if (n < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return LastError();
            }
            done += static_cast<std::size_t>(n);
        }
        return {};
    }

    std::error_code Sync() override {
        while (::fsync(fd_) != 0) {
            if (errno != EINTR) {
                return LastError();
            }
        }
        return {};
    }

    std::error_code Close() override {
        if (fd_ < 0) {
            return {};
        }
        const int fd = fd_;
        fd_ = -1;
        // A close interrupted by a signal has still released the descriptor on Linux.
        if (::close(fd) != 0 && errno != EINTR) {
            return LastError();
        }
        return {};
    }

private:
    int fd_;
    fs::path path_;
};

class PosixFileSystem final : public FileSystem {
public:
    std::error_code Status(const fs::path& path, FileStatus& status) override {
        status = {};
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) {
            if (errno == ENOENT) {
                return {};
            }
            return LastError();
        }
        status.exists = true;
        status.isDirectory = S_ISDIR(st.st_mode);
        status.isRegular = S_ISREG(st.st_mode);
        status.size = static_cast<std::uintmax_t>(st.st_size);
        return {};
    }

    std::error_code ReadPrefix(const fs::path& path, std::span<std::uint8_t> buffer,
                               std::size_t& bytesRead) override {
        bytesRead = 0;
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            return LastError();
        }
        std::error_code result;
        while (bytesRead < buffer.size()) {
            const ssize_t n = ::read(fd, buffer.data() + bytesRead, buffer.size() - bytesRead);
            if (n < 0) {
                if (errno == EINTR) {
                    continue;
                }
                result = LastError();
                break;
            }
            if (n == 0) {
                break;
            }
            bytesRead += static_cast<std::size_t>(n);
        }
        ::close(fd);
        return result;
    }

    std::error_code CheckWritable(const fs::path& path) override {
        if (::access(path.c_str(), W_OK) != 0) {
            return LastError();
        }
        return {};
    }

    std::error_code CreateTemporaryNear(const fs::path& target,
                                        std::unique_ptr<WritableFile>& file) override {
        const fs::path resolved = ResolveSaveTarget(target);
        // Hidden, and named after the target so that a leftover after a crash is recognisable.
        std::string name(1, '.');
        name += resolved.filename().string();
        name += ".XXXXXX";
        std::string pattern = (FolderOf(resolved) / name).string();
        const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
        if (fd < 0) {
            return LastError();
        }
        mode_t mode = DefaultFileMode();
        struct stat st {};
        if (::stat(resolved.c_str(), &st) == 0) {
            mode = st.st_mode & 07777;
        }
        if (::fchmod(fd, mode) != 0) {
            const std::error_code ec = LastError();
            ::close(fd);
            ::unlink(pattern.c_str());
            return ec;
        }
        file = std::make_unique<PosixWritableFile>(fd, fs::path(pattern));
        return {};
    }

    std::error_code Replace(const fs::path& from, const fs::path& to) override {
        const fs::path resolved = ResolveSaveTarget(to);
        if (::rename(from.c_str(), resolved.c_str()) != 0) {
            return LastError();
        }
        // The new name is durable only once the folder itself is on the device. Some file
        // systems cannot sync a folder; the file's own data is safe by then, so that is not
        // reported.
        const int dir = ::open(FolderOf(resolved).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
        return {};
    }

    void Remove(const fs::path& path) override { ::unlink(path.c_str()); }
};

} // namespace

FileSystem& RealFileSystem() {
    static PosixFileSystem instance;
    return instance;
}

} // namespace zelt
