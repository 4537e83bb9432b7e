#include "dialogs/CTextFileNamePath.h"

namespace zelt {

CTextFileNamePath::CTextFileNamePath(TextFileAction action, const QString& folder, QWidget* parent)
    : QFileDialog(parent, QString::fromLatin1(kTextFileDialogTitle), folder,
                  QString::fromLatin1(kTextFileFilter)) {
    setObjectName(QStringLiteral("textFileDialog"));
    // The widget dialog everywhere, so that the confirm button carries the command's name.
    setOption(QFileDialog::DontUseNativeDialog);
    if (action == TextFileAction::Import) {
        setAcceptMode(QFileDialog::AcceptOpen);
        setFileMode(QFileDialog::ExistingFile);
        setLabelText(QFileDialog::Accept, QString::fromLatin1(kImportButton));
    } else {
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
        setDefaultSuffix(QStringLiteral("txt"));
        setLabelText(QFileDialog::Accept, QString::fromLatin1(kExportButton));
    }
    selectFile(QStringLiteral("*.txt"));
}

} // namespace zelt
