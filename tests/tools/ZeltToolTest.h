#pragma once

#include "ProcessRunner.h"

namespace zelt::testing {

// Runs the zelt-tool binary of this build.
inline ProcessResult RunZeltTool(const std::vector<std::string>& args,
                                 const std::string& stdinText = {}) {
    return RunProcess(ZELT_TOOL_PATH, args, stdinText);
}

} // namespace zelt::testing
