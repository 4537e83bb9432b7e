#pragma once

#include "seams/UserMessages.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace zelt {

// Message boxes captioned "ZELT" with an OK button only; the save question has Yes, No and
// Cancel. Boxes are centred on the parent window once there is one.
class MessageBoxUserMessages final : public UserMessages {
public:
    void SetParent(QWidget* parent) { parent_ = parent; }

    void ShowMessage(std::string_view text, MessageIcon icon = MessageIcon::None) override;
    YesNoCancel AskYesNoCancel(std::string_view question) override;

private:
    QPointer<QWidget> parent_;
};

// Message texts are byte strings; file names inside them are in the local 8-bit encoding.
QString MessageText(std::string_view text);

} // namespace zelt
