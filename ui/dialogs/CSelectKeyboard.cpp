#include "dialogs/CSelectKeyboard.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelt {

CSelectKeyboard::CSelectKeyboard(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("selectKeyboardDialog"));
    setWindowTitle(QString::fromLatin1(kSelectKeyboardTitle));

    auto* question = new QLabel(QString::fromLatin1(kSelectKeyboardQuestion), this);
    question->setObjectName(QStringLiteral("question"));
    auto* warning = new QLabel(QString::fromLatin1(kSelectKeyboardWarning), this);
    warning->setObjectName(QStringLiteral("warning"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* yes = buttons->addButton(QStringLiteral("Yes"), QDialogButtonBox::YesRole);
    yes->setObjectName(QStringLiteral("yesButton"));
    QPushButton* no = buttons->addButton(QStringLiteral("No"), QDialogButtonBox::NoRole);
    no->setObjectName(QStringLiteral("noButton"));
    // The safe answer is the default: Enter must not wipe the template by accident.
    no->setDefault(true);
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addWidget(warning);
    layout->addWidget(buttons);
}

} // namespace zelt
