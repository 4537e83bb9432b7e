#include "app/DocumentCommands.h"

#include <filesystem>

namespace zelt {

namespace {

// Characters that cannot stand in a file name on one of the systems the program runs on; a
// title such as "Template : RM0480" is cut before the first of them.
constexpr const char* kNameBreakers = ":/\\";
constexpr const char* kWhitespace = " \t";

std::string Trimmed(std::string text) {
    const auto end = text.find_last_not_of(kWhitespace);
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

} // namespace

DocumentCommands::DocumentCommands(CZELTDoc& document, UserMessages& messages,
                                   CommandDialogs& dialogs, RecentFiles& recentFiles)
    : document_(document), messages_(messages), dialogs_(dialogs), recentFiles_(recentFiles) {}

bool DocumentCommands::FileNew() {
    if (!SaveModified()) {
        return false;
    }
    return document_.OnNewDocument();
}

bool DocumentCommands::FileOpen() {
    const std::optional<std::string> path = dialogs_.GetOpenTemplatePath(StartFolder());
    if (!path) {
        return false;
    }
    return OpenDocumentFile(*path);
}

bool DocumentCommands::OpenDocumentFile(const std::string& path) {
    if (!SaveModified()) {
        return false;
    }
    if (!document_.OnOpenDocument(path, messages_)) {
        return false;
    }
    recentFiles_.Add(path);
    return true;
}

bool DocumentCommands::FileSave() {
    if (document_.PathName().empty()) {
        return FileSaveAs();
    }
    return SaveTo(document_.PathName());
}

bool DocumentCommands::FileSaveAs() {
    const std::optional<std::string> path = dialogs_.GetSaveTemplatePath(SuggestedSavePath());
    if (!path) {
        return false;
    }
    return SaveTo(*path);
}

bool DocumentCommands::SaveModified() {
    if (!document_.IsModified()) {
        return true;
    }
    const std::string name =
        document_.PathName().empty() ? document_.Title() : document_.PathName();
    std::string question = kSaveChangesQuestion;
    question.replace(question.find("%1"), 2, name);
    switch (messages_.AskYesNoCancel(question)) {
    case YesNoCancel::Yes:
        return FileSave();
    case YesNoCancel::No:
        return true;
    case YesNoCancel::Cancel:
        break;
    }
    return false;
}

std::string DocumentCommands::SuggestedSavePath() const {
    if (!document_.PathName().empty()) {
        return document_.PathName();
    }
    std::string name = document_.Title();
    name = Trimmed(name.substr(0, name.find_first_of(kNameBreakers)));
    const std::string folder = StartFolder();
    if (folder.empty()) {
        return name;
    }
    return (std::filesystem::path(folder) / name).string();
}

bool DocumentCommands::SaveTo(const std::string& path) {
    if (!document_.OnSaveDocument(path, messages_)) {
        return false;
    }
    recentFiles_.Add(path);
    return true;
}

std::string DocumentCommands::StartFolder() const {
    if (!document_.PathName().empty()) {
        const std::string folder =
            std::filesystem::path(document_.PathName()).parent_path().string();
        if (!folder.empty()) {
            return folder;
        }
    }
    if (const std::optional<std::string> recent = recentFiles_.NewestFolder()) {
        return *recent;
    }
    return document_.WorkingDirectory();
}

} // namespace zelt
