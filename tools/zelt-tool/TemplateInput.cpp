#include "TemplateInput.h"

#include "ModelOption.h"
#include "TemplateFile.h"

#include <CLI/CLI.hpp>

namespace zelt::tool {

std::optional<LoadedTemplate> LoadTemplate(const std::string& path, int modelCode,
                                           Console& console) {
    TemplateFileContents file = ReadTemplateFile(path);
    if (!file.image) {
        console.err << file.message << '\n';
        return std::nullopt;
    }
    LoadedTemplate loaded;
    loaded.data.modelCode = modelCode;
    loaded.data.image = *file.image;
    if (auto message = ValidateImage(loaded.data.image)) {
        loaded.validationMessage = std::move(*message);
    }
    return loaded;
}

void TemplateArguments::Register(CLI::App& command, const char* fileHelp) {
    command.add_option("FILE", file, fileHelp)->required();
    AddModelOption(command, modelCode);
}

std::optional<LoadedTemplate> TemplateArguments::Open(Console& console) const {
    auto loaded = LoadTemplate(file, modelCode, console);
    if (loaded && !loaded->validationMessage.empty()) {
        console.err << loaded->validationMessage << '\n';
    }
    return loaded;
}

bool SaveImage(const std::string& path, const TemplateImage& image, Console& console) {
    if (auto message = WriteTemplateFile(path, image)) {
        console.err << *message << '\n';
        return false;
    }
    return true;
}

} // namespace zelt::tool
