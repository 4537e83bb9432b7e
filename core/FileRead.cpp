#include "FileRead.h"

#include "FileMessages.h"

namespace zelt {

namespace {

std::string CannotOpenMessage(const std::filesystem::path& path, std::string_view reason) {
    return FileProblemMessage("open", path, reason);
}

std::string CannotReadMessage(const std::filesystem::path& path, std::string_view reason) {
    return FileProblemMessage("read", path, reason);
}

} // namespace

std::optional<std::string> ReadFileStart(const std::filesystem::path& path, std::size_t maxBytes,
                                         std::vector<std::uint8_t>& bytes, FileSystem& fileSystem) {
    bytes.clear();
    FileStatus status;
    if (const std::error_code ec = fileSystem.Status(path, status)) {
        return CannotOpenMessage(path, ec.message());
    }
    if (!status.exists) {
        return CannotOpenMessage(
            path, std::make_error_code(std::errc::no_such_file_or_directory).message());
    }
    if (status.isDirectory) {
        return CannotOpenMessage(path, kIsFolderReason);
    }
    if (!status.isRegular) {
        return CannotOpenMessage(path, kNotRegularReason);
    }
    bytes.resize(maxBytes);
    std::size_t got = 0;
    if (const std::error_code ec = fileSystem.ReadPrefix(path, bytes, got)) {
        bytes.clear();
        // Failing to open and failing half-way read differently to the user.
        return got == 0 ? CannotOpenMessage(path, ec.message())
                        : CannotReadMessage(path, ec.message());
    }
    bytes.resize(got);
    return std::nullopt;
}

} // namespace zelt
