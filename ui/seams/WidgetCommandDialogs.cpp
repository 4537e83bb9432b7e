#include "seams/WidgetCommandDialogs.h"

#include "dialogs/CAboutDlg.h"
#include "dialogs/CDelayTime.h"
#include "dialogs/CInputASCIICode.h"
#include "dialogs/CInputSCanCode.h"
#include "dialogs/CKeyWordTable.h"
#include "dialogs/CMREdit.h"
#include "dialogs/CProperty.h"
#include "dialogs/CSelectKeyboard.h"
#include "dialogs/CShiftLevel.h"
#include "dialogs/CTextFileNamePath.h"
#include "dialogs/PortChoiceDialog.h"

#include <QFile>
#include <QFileDialog>

#include <functional>
#include <type_traits>

namespace zelt {

namespace {

// Template files are bare 2048-byte images without an extension of their own.
const char* const kAllFilesFilter = "All Files (*)";

std::optional<std::string> ToLocalPath(const QString& chosen) {
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return QFile::encodeName(chosen).toStdString();
}

// Shows the dialog; what answer reads from it once it is confirmed, nothing when it is
// cancelled.
template <typename Dialog, typename Answer>
auto Confirmed(Dialog& dialog, Answer answer)
    -> std::optional<std::remove_cvref_t<std::invoke_result_t<Answer, const Dialog&>>> {
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return std::invoke(answer, dialog);
}

} // namespace

std::optional<CommPort> WidgetCommandDialogs::ChoosePort() {
    PortChoiceDialog dialog(parent_);
    return Confirmed(dialog, &PortChoiceDialog::Choice);
}

std::optional<std::string>
WidgetCommandDialogs::GetOpenTemplatePath(const std::string& startDirectory) {
    return ToLocalPath(QFileDialog::getOpenFileName(parent_, QStringLiteral("Open"),
                                                    QFile::decodeName(startDirectory.c_str()),
                                                    QString::fromLatin1(kAllFilesFilter)));
}

std::optional<std::string>
WidgetCommandDialogs::GetSaveTemplatePath(const std::string& suggestedPath) {
    return ToLocalPath(QFileDialog::getSaveFileName(parent_, QStringLiteral("Save As"),
                                                    QFile::decodeName(suggestedPath.c_str()),
                                                    QString::fromLatin1(kAllFilesFilter)));
}

bool WidgetCommandDialogs::ConfirmSelectKeyboard() {
    CSelectKeyboard dialog(parent_);
    return dialog.exec() == QDialog::Accepted;
}

void WidgetCommandDialogs::ShowAbout() {
    CAboutDlg dialog(parent_);
    dialog.exec();
}

std::optional<std::string>
WidgetCommandDialogs::GetTextTemplatePath(TextFileAction action,
                                          const std::string& startDirectory) {
    CTextFileNamePath dialog(action, QFile::decodeName(startDirectory.c_str()), parent_);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return ToLocalPath(dialog.selectedFiles().front());
}

std::optional<KbProperties> WidgetCommandDialogs::EditKbProperties(const KbProperties& values) {
    CProperty dialog(values, parent_);
    return Confirmed(dialog, &CProperty::Values);
}

std::optional<MrProperties> WidgetCommandDialogs::EditMrProperties(const MrProperties& values,
                                                                   MessageSink& messages) {
    CMREdit dialog(values, messages, parent_);
    return Confirmed(dialog, &CMREdit::Values);
}

std::optional<int> WidgetCommandDialogs::AskDelayTime(MessageSink& messages) {
    CDelayTime dialog(messages, parent_);
    return Confirmed(dialog, &CDelayTime::Value);
}

std::optional<int> WidgetCommandDialogs::AskShiftLevel(MessageSink& messages) {
    CShiftLevel dialog(messages, parent_);
    return Confirmed(dialog, &CShiftLevel::Value);
}

std::optional<int> WidgetCommandDialogs::AskAsciiCode(MessageSink& messages) {
    CInputASCIICode dialog(messages, parent_);
    return Confirmed(dialog, &CInputASCIICode::Value);
}

std::optional<std::string> WidgetCommandDialogs::AskScanCode() {
    CInputSCanCode dialog(parent_);
    return Confirmed(dialog, &CInputSCanCode::Text);
}

void WidgetCommandDialogs::ShowKeyWordList() {
    CKeyWordTable dialog(parent_);
    dialog.exec();
}

} // namespace zelt
