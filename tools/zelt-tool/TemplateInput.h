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

// The FILE argument and the --model option of a verb that reads one template file.
struct TemplateArguments {
    std::string file;
    int modelCode = 0;

    // Adds both to the verb, FILE required and described by fileHelp.
    void Register(CLI::App& command, const char* fileHelp);

    // LoadTemplate, with the load check's message shown on err: the editor shows it and goes
    // on with the file, and so does the verb.
    std::optional<LoadedTemplate> Open(Console& console) const;
};

// Writes the image to path, replacing the file only when the new one is complete. Prints the
// reason on err and returns false on failure.
bool SaveImage(const std::string& path, const TemplateImage& image, Console& console);

} // namespace zelt::tool
