#pragma once

#include "FileSystem.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <system_error>

namespace zelt {

// Replaces the file at path with bytes without ever leaving a damaged file behind: the bytes
// go to a new file in the same folder, which is flushed to the device and then renamed over
// the old one. Whatever fails on the way (a full disk, a read-only folder or file, a vanished
// device), the old file stays exactly as it was and no temporary file is left over.
// Returns the message for the user on failure (naming the path and the system's reason); when
// error is given it receives the system's error of the failed step (for messages that show the
// error number).
std::optional<std::string> WriteFileSafely(const std::filesystem::path& path,
                                           std::span<const std::uint8_t> bytes,
                                           FileSystem& fileSystem = RealFileSystem(),
                                           std::error_code* error = nullptr);

// Fails with the message WriteFileSafely would give when a file could not be saved at path now
// (a missing or read-only folder, a write-protected file, a folder of that name), so that a
// caller learns it before a long piece of work whose result would have nowhere to go. Leaves
// nothing behind.
std::optional<std::string> CheckFileWritable(const std::filesystem::path& path,
                                             FileSystem& fileSystem = RealFileSystem());

} // namespace zelt
