#pragma once

#include "TemplateImage.h"

#include <string>

namespace zelt::kbsim {

// The simulator's memory file: its first 2048 bytes are the memory. A shorter file is refused
// (the message names its length).
bool LoadSimulatorImage(const std::string& path, TemplateImage& memory, std::string& error);
// Writes the memory through a temporary file renamed over the target, so an existing file is
// never left half written.
bool SaveSimulatorImage(const std::string& path, const TemplateImage& memory, std::string& error);

} // namespace zelt::kbsim
