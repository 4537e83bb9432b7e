#pragma once

#include "FileSystem.h"
#include "TemplateImage.h"

#include <filesystem>
#include <optional>
#include <string>

namespace zelt {

// A template file is the bare 2048-byte image. Reading takes the first 2048 bytes of a longer
// file; a shorter one is refused.
struct TemplateFileContents {
    std::optional<TemplateImage> image;
    // Why there is no image: names the path and, for a short file, its length.
    std::string message;
};

TemplateFileContents ReadTemplateFile(const std::filesystem::path& path,
                                      FileSystem& fileSystem = RealFileSystem());

// Writes the image as a template file, replacing an existing file only once the new one is
// complete (see WriteFileSafely). Returns the message for the user on failure.
std::optional<std::string> WriteTemplateFile(const std::filesystem::path& path,
                                             const TemplateImage& image,
                                             FileSystem& fileSystem = RealFileSystem());

} // namespace zelt
