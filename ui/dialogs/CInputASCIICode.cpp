#include "dialogs/CInputASCIICode.h"

#include "dialogs/DialogParts.h"
#include "dialogs/SpinValueDialog.h"
#include "typing/KeyEditCommands.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zelt {

namespace {

constexpr int kMaxByte = 255;
constexpr std::string_view kBlanks = " \t";

} // namespace

std::optional<int> ParseByteNumber(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
    if (text.front() == '+') {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        // Leading zeros keep the value small; anything that grows past a byte is no byte.
        if (value > kMaxByte) {
            return std::nullopt;
        }
    }
    return value;
}

CInputASCIICode::CInputASCIICode(MessageSink& messages, QWidget* parent)
    : QDialog(parent), messages_(messages), edit_(new QLineEdit(this)), value_(kInitialAsciiCode) {
    setObjectName(QStringLiteral("asciiCodeDialog"));
    setWindowTitle(QString::fromLatin1(kAsciiCodeTitle));

    edit_->setObjectName(QStringLiteral("code"));
    edit_->setText(QString::number(kInitialAsciiCode));
    edit_->selectAll();

    auto* label = new QLabel(QString::fromLatin1(kAsciiCodeLabel), this);
    label->setObjectName(QStringLiteral("label"));
    label->setBuddy(edit_);
    auto* range = new QLabel(QString::fromLatin1(kAsciiCodeRangeLabel), this);
    range->setObjectName(QStringLiteral("rangeLabel"));

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(edit_);
    row->addWidget(range);

    QDialogButtonBox* buttons = MakeOkCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

void CInputASCIICode::accept() {
    const std::optional<int> value = ParseByteNumber(edit_->text().toStdString());
    if (!value || *value < kMinAsciiCode || *value > kMaxAsciiCode) {
        messages_.ShowMessage(value ? RangeMessage(kMinAsciiCode, kMaxAsciiCode)
                                    : std::string(kNotAByteMessage));
        edit_->setFocus();
        edit_->selectAll();
        return;
    }
    value_ = *value;
    QDialog::accept();
}

} // namespace zelt
