#include "dialogs/SpinValueDialog.h"

#include "dialogs/DialogParts.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zelt {

namespace {

constexpr const char* kRangeMessage = "Enter an integer between %1 and %2.";

} // namespace

std::string RangeMessage(int minimum, int maximum) {
    return QString::fromLatin1(kRangeMessage).arg(minimum).arg(maximum).toStdString();
}

SpinValueDialog::SpinValueDialog(const SpinValueDialogSetup& setup, MessageSink& messages,
                                 QWidget* parent)
    : QDialog(parent), messages_(messages), spin_(new QSpinBox(this)) {
    setObjectName(QString::fromLatin1(setup.objectName));
    setWindowTitle(QString::fromLatin1(setup.title));

    spin_->setObjectName(QStringLiteral("value"));
    spin_->setRange(setup.minimum, setup.maximum);
    spin_->setValue(setup.minimum);
    // A typed number counts as it stands; an incomplete one is caught by accept().
    spin_->setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);

    auto* label = new QLabel(QString::fromLatin1(setup.label), this);
    label->setObjectName(QStringLiteral("label"));
    label->setBuddy(spin_);
    auto* unit = new QLabel(QString::fromLatin1(setup.unitLabel), this);
    unit->setObjectName(QStringLiteral("unitLabel"));

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(spin_);
    row->addWidget(unit);
    row->addStretch();

    QDialogButtonBox* buttons = MakeOkCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    spin_->selectAll();
    spin_->setFocus();
}

int SpinValueDialog::Value() const {
    return spin_->value();
}

void SpinValueDialog::accept() {
    if (!spin_->hasAcceptableInput()) {
        messages_.ShowMessage(RangeMessage(spin_->minimum(), spin_->maximum()));
        spin_->setFocus();
        spin_->selectAll();
        return;
    }
    // The text may be newer than the value when it was typed without tracking.
    spin_->interpretText();
    QDialog::accept();
}

} // namespace zelt
