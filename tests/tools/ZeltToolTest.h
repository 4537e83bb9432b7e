#pragma once

#include "ProcessRunner.h"
#include "TemplateImage.h"

#include <filesystem>

namespace zelt::testing {

// Runs the zelt-tool binary of this build.
inline ProcessResult RunZeltTool(const std::vector<std::string>& args,
                                 const std::string& stdinText = {}) {
    return RunProcess(ZELT_TOOL_PATH, args, stdinText);
}

// Writes a template image as the file the tool is given.
inline void WriteImage(const std::filesystem::path& path, const TemplateImage& image) {
    WriteBytes(path, std::vector<std::uint8_t>(image.begin(), image.end()));
}

} // namespace zelt::testing
