#include "SafeFileWrite.h"

#include "FileMessages.h"

#include <memory>

namespace zelt {

namespace {

// Why the file at path may not be replaced, before anything is written.
std::error_code TargetProblem(const std::filesystem::path& path, FileSystem& fileSystem,
                              std::string& reason) {
    FileStatus status;
    if (const std::error_code ec = fileSystem.Status(path, status)) {
        reason = ec.message();
        return ec;
    }
    if (!status.exists) {
        return {};
    }
    if (status.isDirectory) {
        reason = kIsFolderReason;
        return std::make_error_code(std::errc::is_a_directory);
    }
    // Renaming over a device or a pipe would replace the node itself.
    if (!status.isRegular) {
        reason = kNotRegularReason;
        return std::make_error_code(std::errc::invalid_argument);
    }
    // The rename would otherwise silently replace a write-protected file.
    if (const std::error_code ec = fileSystem.CheckWritable(path)) {
        reason = ec.message();
        return ec;
    }
    return {};
}

} // namespace

std::optional<std::string> WriteFileSafely(const std::filesystem::path& path,
                                           std::span<const std::uint8_t> bytes,
                                           FileSystem& fileSystem, std::error_code* error) {
    const auto fail = [&](const std::string& reason, std::error_code ec) {
        if (error != nullptr) {
            *error = ec;
        }
        return FileProblemMessage("save", path, reason);
    };
    std::string reason;
    if (const std::error_code ec = TargetProblem(path, fileSystem, reason)) {
        return fail(reason, ec);
    }

    std::unique_ptr<WritableFile> file;
    if (const std::error_code ec = fileSystem.CreateTemporaryNear(path, file)) {
        return fail(ec.message(), ec);
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
        return fail(ec.message(), ec);
    }
    return std::nullopt;
}

std::optional<std::string> CheckFileWritable(const std::filesystem::path& path,
                                             FileSystem& fileSystem) {
    std::string reason;
    if (TargetProblem(path, fileSystem, reason)) {
        return FileProblemMessage("save", path, reason);
    }
    // The folder is tried as the save itself would use it: a file is created there and removed.
    std::unique_ptr<WritableFile> file;
    if (const std::error_code ec = fileSystem.CreateTemporaryNear(path, file)) {
        return FileProblemMessage("save", path, ec.message());
    }
    const std::filesystem::path temporary = file->Path();
    file->Close();
    file.reset();
    fileSystem.Remove(temporary);
    return std::nullopt;
}

} // namespace zelt
