#include "seams/MessageBoxUserMessages.h"

#include <QMessageBox>

namespace zelt {

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QString MessageText(std::string_view text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

void MessageBoxUserMessages::ShowMessage(std::string_view text, MessageIcon icon) {
    QMessageBox box(BoxIcon(icon), QString::fromLatin1(kAppTitle), MessageText(text),
                    QMessageBox::Ok, parent_);
    box.exec();
}

YesNoCancel MessageBoxUserMessages::AskYesNoCancel(std::string_view question) {
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kAppTitle), MessageText(question),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return YesNoCancel::Yes;
    case QMessageBox::No:
        return YesNoCancel::No;
    default:
        return YesNoCancel::Cancel;
    }
}

} // namespace zelt
