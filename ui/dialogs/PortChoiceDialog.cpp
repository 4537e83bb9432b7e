#include "dialogs/PortChoiceDialog.h"

#include "dialogs/DialogParts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace zelt {

PortChoiceDialog::PortChoiceDialog(QWidget* parent)
    : QDialog(parent), portList_(new QComboBox(this)) {
    setObjectName(QStringLiteral("portChoiceDialog"));
    setWindowTitle(QString::fromLatin1(kPortDialogTitle));

    portList_->setObjectName(QStringLiteral("portList"));
    portList_->addItem(QString::fromLatin1(kPortEntryPs2));
    portList_->addItem(QString::fromLatin1(kPortEntryUsb));
    portList_->setCurrentIndex(0);

    auto* label = new QLabel(QString::fromLatin1(kPortLabel), this);
    label->setBuddy(portList_);
    auto* form = new QFormLayout;
    form->addRow(label, portList_);

    QDialogButtonBox* buttons = MakeOkCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

CommPort PortChoiceDialog::Choice() const {
    return portList_->currentIndex() == 1 ? CommPort::Usb : CommPort::Ps2;
}

} // namespace zelt
