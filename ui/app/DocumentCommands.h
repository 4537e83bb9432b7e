#pragma once

#include "CZELTDoc.h"
#include "app/RecentFiles.h"
#include "seams/CommandDialogs.h"
#include "seams/UserMessages.h"

#include <string>

namespace zelt {

// Asked before a modified template is closed or replaced; %1 is its file or title.
inline constexpr const char* kSaveChangesQuestion = "Save changes to %1?";

// New, Load, Save, Save As and the question to save a modified template first. Each operation
// that replaces the template returns true; the caller then starts the view over on it.
class DocumentCommands {
public:
    DocumentCommands(CZELTDoc& document, UserMessages& messages, CommandDialogs& dialogs,
                     RecentFiles& recentFiles);

    // A new, empty template of the current model.
    bool FileNew();
    // Asks for a template file and opens it.
    bool FileOpen();
    // Opens the named template file (from the dialog or the command line). A file that cannot
    // be opened leaves the current template as it was.
    bool OpenDocumentFile(const std::string& path);

    // Saves under the template's file, or asks for one when it has none yet.
    bool FileSave();
    bool FileSaveAs();

    // For a modified template: asks whether to save it first. True when the caller may go on
    // (saved, or the user chose not to save); false when the user cancelled or the save failed.
    bool SaveModified();

    // The file name the Save As dialog proposes.
    std::string SuggestedSavePath() const;

private:
    bool SaveTo(const std::string& path);
    std::string StartFolder() const;

    CZELTDoc& document_;
    UserMessages& messages_;
    CommandDialogs& dialogs_;
    RecentFiles& recentFiles_;
};

} // namespace zelt
