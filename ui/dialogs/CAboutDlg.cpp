#include "dialogs/CAboutDlg.h"

#include "resources/Icons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

namespace zelt {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QString::fromLatin1(kAboutTitle));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("programIcon"));
    icon->setPixmap(ProgramIcon());
    icon->setAlignment(Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    auto* version = new QLabel(QString::fromLatin1(kAboutVersion), this);
    version->setObjectName(QStringLiteral("versionText"));
    texts->addWidget(version);
    int line = 0;
    for (const char* maker : kAboutMakerLines) {
        auto* label = new QLabel(QString::fromLatin1(maker), this);
        label->setObjectName(QStringLiteral("makerLine%1").arg(++line));
        texts->addWidget(label);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace zelt
