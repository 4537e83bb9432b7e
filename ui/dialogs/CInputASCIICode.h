#pragma once

#include "MessageSink.h"

#include <QDialog>

#include <optional>
#include <string_view>

class QLineEdit;

namespace zelt {

inline constexpr const char* kAsciiCodeTitle = "Input ASCII Code";
inline constexpr const char* kAsciiCodeLabel = "ASCII code:";
inline constexpr const char* kAsciiCodeRangeLabel = "(1--240)";
inline constexpr const char* kNotAByteMessage = "Enter an integer between 0 and 255.";

// Asks for a character by its code, 1..240, as a decimal number. OK with a text that is not a
// number 0..255, or a number outside 1..240, is refused with a message; the dialog then stays
// open with the text selected.
class CInputASCIICode final : public QDialog {
    Q_OBJECT
public:
    explicit CInputASCIICode(MessageSink& messages, QWidget* parent = nullptr);

    // The code as accepted; the initial code before.
    int Value() const { return value_; }
    QLineEdit* CodeEdit() const { return edit_; }

    void accept() override;

private:
    MessageSink& messages_;
    QLineEdit* edit_;
    int value_;
};

// A whole number 0..255 written in decimal (blanks around it and a leading "+" allowed), or
// nothing.
std::optional<int> ParseByteNumber(std::string_view text);

} // namespace zelt
