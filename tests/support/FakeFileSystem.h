#pragma once

#include "FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <system_error>
#include <vector>

namespace zelt::testing {

// An in-memory file system whose every step can be made to fail the way a real one does: a
// full disk, a read-only folder or file, a failing flush or rename. Paths are compared as
// written.
class FakeFileSystem final : public FileSystem {
public:
    using Bytes = std::vector<std::uint8_t>;

    std::map<std::filesystem::path, Bytes> files;
    std::set<std::filesystem::path> folders;
    std::set<std::filesystem::path> readOnlyFolders;
    std::set<std::filesystem::path> readOnlyFiles;

    // Bytes that still fit on the "disk"; a write beyond that writes what fits and then fails
    // with ENOSPC, as a real disk does.
    std::size_t freeSpace = static_cast<std::size_t>(-1);
    std::error_code readError;
    std::error_code syncError;
    std::error_code closeError;
    std::error_code replaceError;

    // Every temporary file created, and the ones removed again.
    std::vector<std::filesystem::path> temporariesCreated;
    std::vector<std::filesystem::path> removed;

    static std::error_code Errno(int code) { return {code, std::system_category()}; }

    std::error_code Status(const std::filesystem::path& path, FileStatus& status) override {
        status = {};
        if (folders.count(path) != 0) {
            status.exists = true;
            status.isDirectory = true;
        } else if (auto it = files.find(path); it != files.end()) {
            status.exists = true;
            status.isRegular = true;
            status.size = it->second.size();
        }
        return {};
    }

    std::error_code ReadPrefix(const std::filesystem::path& path, std::span<std::uint8_t> buffer,
                               std::size_t& bytesRead) override {
        bytesRead = 0;
        if (readError) {
            return readError;
        }
        auto it = files.find(path);
        if (it == files.end()) {
            return Errno(ENOENT);
        }
        bytesRead = std::min(buffer.size(), it->second.size());
        std::copy_n(it->second.begin(), bytesRead, buffer.begin());
        return {};
    }

    std::error_code CheckWritable(const std::filesystem::path& path) override {
        return readOnlyFiles.count(path) != 0 ? Errno(EACCES) : std::error_code{};
    }

    std::error_code CreateTemporaryNear(const std::filesystem::path& target,
                                        std::unique_ptr<WritableFile>& file) override {
        const std::filesystem::path folder = target.parent_path();
        if (readOnlyFolders.count(folder) != 0) {
            return Errno(EACCES);
        }
        const std::filesystem::path name = folder / ("." + target.filename().string() + ".tmp" +
                                                     std::to_string(temporariesCreated.size()));
        files[name];
        temporariesCreated.push_back(name);
        file = std::make_unique<File>(*this, name);
        return {};
    }

    std::error_code Replace(const std::filesystem::path& from,
                            const std::filesystem::path& to) override {
        if (replaceError) {
            return replaceError;
        }
        auto it = files.find(from);
        if (it == files.end()) {
            return Errno(ENOENT);
        }
        files[to] = std::move(it->second);
        files.erase(from);
        return {};
    }

    void Remove(const std::filesystem::path& path) override {
        removed.push_back(path);
        files.erase(path);
    }

    // Temporary files that still exist.
    std::vector<std::filesystem::path> LeftoverTemporaries() const {
        std::vector<std::filesystem::path> left;
        for (const auto& t : temporariesCreated) {
            if (files.count(t) != 0) {
                left.push_back(t);
            }
        }
        return left;
    }

private:
    class File final : public WritableFile {
    public:
        File(FakeFileSystem& owner, std::filesystem::path path)
            : owner_(owner), path_(std::move(path)) {}
        const std::filesystem::path& Path() const override { return path_; }
        std::error_code Write(std::span<const std::uint8_t> bytes) override {
            Bytes& content = owner_.files[path_];
            const std::size_t fits = std::min(bytes.size(), owner_.freeSpace);
            content.insert(content.end(), bytes.begin(), bytes.begin() + fits);
            owner_.freeSpace -= fits;
            return fits < bytes.size() ? Errno(ENOSPC) : std::error_code{};
        }
        std::error_code Sync() override { return owner_.syncError; }
        std::error_code Close() override { return owner_.closeError; }

    private:
        FakeFileSystem& owner_;
        std::filesystem::path path_;
    };
};

} // namespace zelt::testing
