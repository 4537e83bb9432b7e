#pragma once

#include "seams/CommandDialogs.h"

#include <QFileDialog>

namespace zelt {

inline constexpr const char* kTextFileDialogTitle = "Text File Template Import/Export";
inline constexpr const char* kTextFileFilter = "Text file template(*.txt)";
inline constexpr const char* kImportButton = "Import";
inline constexpr const char* kExportButton = "Export";

// The file dialog of the text template commands, its confirm button named after the command.
// Import offers existing files only; Export may name a new file, gets ".txt" added to a name
// without extension, and asks before it replaces an existing file.
class CTextFileNamePath final : public QFileDialog {
    Q_OBJECT
public:
    CTextFileNamePath(TextFileAction action, const QString& folder, QWidget* parent = nullptr);
};

} // namespace zelt
