#pragma once

#include "Command.h"
#include "TemplateData.h"

#include <optional>
#include <string>

namespace zelt::tool {

// A template file as the editor opens it: the image, its load check and the decoded keys.
struct LoadedTemplate {
    TemplateData data;
    // The load check's message; empty when the image is sound. The editor shows it and opens
    // the file anyway, so the commands do the same.
    std::string validationMessage;
};

// Reads the template file and decodes it for modelCode. When the file cannot be read, prints
// the reason on err and returns nothing (the caller exits with kExitFailure).
std::optional<LoadedTemplate> LoadTemplate(const std::string& path, int modelCode,
                                           Console& console);

// Writes the image to path, replacing the file only when the new one is complete. Prints the
// reason on err and returns false on failure.
bool SaveImage(const std::string& path, const TemplateImage& image, Console& console);

} // namespace zelt::tool
