#pragma once

#include "FileSystem.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zelt {

// Reads at most maxBytes from the start of the file at path into bytes (resized to what was
// read). Only regular files are read: a folder, a device or a pipe is refused, so that a
// mistyped name can neither hang the program nor read something endless. On failure returns
// the message for the user, naming the path and the reason, and leaves bytes empty.
std::optional<std::string> ReadFileStart(const std::filesystem::path& path, std::size_t maxBytes,
                                         std::vector<std::uint8_t>& bytes,
                                         FileSystem& fileSystem = RealFileSystem());

} // namespace zelt
