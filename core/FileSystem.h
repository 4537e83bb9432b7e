#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <system_error>

namespace zelt {

// What the file layer needs to know about a path before it reads or replaces it.
struct FileStatus {
    bool exists = false;
    bool isDirectory = false;
    bool isRegular = false;
    std::uintmax_t size = 0;
};

// A file being written. Every call reports the operating system's error on failure.
class WritableFile {
public:
    virtual ~WritableFile() = default;
    virtual const std::filesystem::path& Path() const = 0;
    // Writes all of bytes or fails.
    virtual std::error_code Write(std::span<const std::uint8_t> bytes) = 0;
    // Forces the written bytes onto the storage device.
    virtual std::error_code Sync() = 0;
    // Closes the file; some file systems report a failed write only here.
    virtual std::error_code Close() = 0;
};

// The few file operations that reading and safely replacing a file consist of. The real one
// talks to the operating system; tests substitute one that fails at any chosen step (a full
// disk, a read-only folder) without needing such a disk or folder.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual std::error_code Status(const std::filesystem::path& path, FileStatus& status) = 0;

    // Reads up to buffer.size() bytes from the start of the file; bytesRead says how many.
    virtual std::error_code ReadPrefix(const std::filesystem::path& path,
                                       std::span<std::uint8_t> buffer, std::size_t& bytesRead) = 0;

    // Fails with the reason when the process may not write the existing file at path.
    virtual std::error_code CheckWritable(const std::filesystem::path& path) = 0;

    // Creates a new, empty, uniquely named file in the same folder as target, with the
    // permissions a file of that name would get (those of target when it exists).
    virtual std::error_code CreateTemporaryNear(const std::filesystem::path& target,
                                                std::unique_ptr<WritableFile>& file) = 0;

    // Atomically puts from in place of to (replacing it) and makes that durable.
    virtual std::error_code Replace(const std::filesystem::path& from,
                                    const std::filesystem::path& to) = 0;

    // Best effort: used to clean up after a failure, so its own failure is not reported.
    virtual void Remove(const std::filesystem::path& path) = 0;
};

// The operating system's file system.
FileSystem& RealFileSystem();

} // namespace zelt
