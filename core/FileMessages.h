#pragma once

#include "JoinText.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace zelt {

// Why a path cannot be read or replaced as a file, in the words of the file messages.
inline constexpr const char* kIsFolderReason = "it is a folder";
inline constexpr const char* kNotRegularReason = "it is not a regular file";

// "Cannot ACTION "PATH": REASON.", the form of every message about a file that could not be
// opened, read or saved.
inline std::string FileProblemMessage(std::string_view action, const std::filesystem::path& path,
                                      std::string_view reason) {
    return JoinText({"Cannot ", action, " \"", path.string(), "\": ", reason, "."});
}

} // namespace zelt
