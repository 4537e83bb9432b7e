#include "SafeFileWrite.h"

#include <memory>

namespace zelt {

namespace {

constexpr const char* kIsFolderReason = "it is a folder";
constexpr const char* kNotRegularReason = "it is not a regular file";

std::string CannotSaveMessage(const std::filesystem::path& path, const std::string& reason) {
    return "Cannot save \"" + path.string() + "\": " + reason + ".";
}

} // namespace

std::optional<std::string> WriteFileSafely(const std::filesystem::path& path,
                                           std::span<const std::uint8_t> bytes,
                                           FileSystem& fileSystem) {
    FileStatus status;
    if (const std::error_code ec = fileSystem.Status(path, status)) {
        return CannotSaveMessage(path, ec.message());
    }
    if (status.exists) {
        if (status.isDirectory) {
            return CannotSaveMessage(path, kIsFolderReason);
        }
        // Renaming over a device or a pipe would replace the node itself.
        if (!status.isRegular) {
            return CannotSaveMessage(path, kNotRegularReason);
        }
        // The rename would otherwise silently replace a write-protected file.
        if (const std::error_code ec = fileSystem.CheckWritable(path)) {
            return CannotSaveMessage(path, ec.message());
        }
    }

    std::unique_ptr<WritableFile> file;
    if (const std::error_code ec = fileSystem.CreateTemporaryNear(path, file)) {
        return CannotSaveMessage(path, ec.message());
    }
    const std::filesystem::path temporary = file->Path();
    std::error_code ec = file->Write(bytes);
    if (!ec) {
        ec = file->Sync();
    }
    const std::error_code closeError = file->Close();
    if (!ec) {
        ec = closeError;
    }
    file.reset();
    if (!ec) {
        ec = fileSystem.Replace(temporary, path);
    }
    if (ec) {
        fileSystem.Remove(temporary);
        return CannotSaveMessage(path, ec.message());
    }
    return std::nullopt;
}

} // namespace zelt
