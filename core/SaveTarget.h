#pragma once

#include <filesystem>
#include <system_error>

namespace zelt {

// The file that saving to target replaces. Saving through a symbolic link must replace the
// file it points to, not the link itself.
inline std::filesystem::path ResolveSaveTarget(const std::filesystem::path& target) {
    std::error_code ec;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(target, ec))) {
        std::filesystem::path resolved = std::filesystem::canonical(target, ec);
        if (!ec) {
            return resolved;
        }
    }
    return target;
}

// The folder that holds target, "." for a bare file name.
inline std::filesystem::path FolderOf(const std::filesystem::path& target) {
    std::filesystem::path folder = target.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

} // namespace zelt
