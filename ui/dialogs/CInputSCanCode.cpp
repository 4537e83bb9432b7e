#include "dialogs/CInputSCanCode.h"

#include "dialogs/DialogParts.h"
#include "dialogs/ScanCodeChoices.h"
#include "text/Windows1252Text.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QValidator>

namespace zelt {

namespace {

// Key contents are bytes of code page 1252: a character it does not have cannot be typed.
class Windows1252Validator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*position*/) const override {
        return QStringToBytes(input) ? Acceptable : Invalid;
    }
};

QString ChoiceText(std::string_view choice) {
    return QString::fromLatin1(choice.data(), static_cast<qsizetype>(choice.size()));
}

} // namespace

CInputSCanCode::CInputSCanCode(QWidget* parent) : QDialog(parent), list_(new QComboBox(this)) {
    setObjectName(QStringLiteral("scanCodeDialog"));
    setWindowTitle(QString::fromLatin1(kScanCodeTitle));

    list_->setObjectName(QStringLiteral("scanCodeList"));
    list_->setEditable(true);
    // Typed text is entered as it is, not added to the list.
    list_->setInsertPolicy(QComboBox::NoInsert);
    list_->setMaxVisibleItems(20);
    for (const std::string_view choice : ScanCodeChoices()) {
        list_->addItem(ChoiceText(choice));
    }
    list_->setCurrentIndex(list_->findText(ChoiceText(kInitialScanCodeChoice)));
    list_->lineEdit()->setValidator(new Windows1252Validator(list_));

    auto* label = new QLabel(QString::fromLatin1(kScanCodeLabel), this);
    label->setObjectName(QStringLiteral("label"));
    label->setBuddy(list_);
    auto* form = new QFormLayout;
    form->addRow(label, list_);

    QDialogButtonBox* buttons = MakeOkCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

std::string CInputSCanCode::Text() const {
    // The validator lets only code page characters into the edit box.
    return QStringToBytes(list_->currentText()).value_or(std::string());
}

} // namespace zelt
