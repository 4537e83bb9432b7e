#include "SafeFileWrite.h"

#include "FileMessages.h"

#include <memory>

namespace zelt {

std::optional<std::string> WriteFileSafely(const std::filesystem::path& path,
                                           std::span<const std::uint8_t> bytes,
                                           FileSystem& fileSystem, std::error_code* error) {
    const auto fail = [&](const std::string& reason, std::error_code ec) {
        if (error != nullptr) {
            *error = ec;
        }
        return FileProblemMessage("save", path, reason);
    };
    FileStatus status;
    if (const std::error_code ec = fileSystem.Status(path, status)) {
        return fail(ec.message(), ec);
    }
    if (status.exists) {
        if (status.isDirectory) {
            return fail(kIsFolderReason, std::make_error_code(std::errc::is_a_directory));
        }
        // Renaming over a device or a pipe would replace the node itself.
        if (!status.isRegular) {
            return fail(kNotRegularReason, std::make_error_code(std::errc::invalid_argument));
        }
        // The rename would otherwise silently replace a write-protected file.
        if (const std::error_code ec = fileSystem.CheckWritable(path)) {
            return fail(ec.message(), ec);
        }
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

} // namespace zelt
