#pragma once

#include "MessageSink.h"

#include <QDialog>

class QSpinBox;

namespace zelt {

// What a dialog that asks for one number with an up-down control shows and accepts.
struct SpinValueDialogSetup {
    const char* objectName;
    const char* title;
    const char* label;
    const char* unitLabel;
    int minimum;
    int maximum;
};

// A dialog asking for one whole number within a range: a label, an edit box with an up-down
// control, a label after it, OK and Cancel. OK with a text that is no number of the range is
// refused with a message and the dialog stays open, so the value handed on is always in range.
class SpinValueDialog : public QDialog {
    Q_OBJECT
public:
    SpinValueDialog(const SpinValueDialogSetup& setup, MessageSink& messages,
                    QWidget* parent = nullptr);

    int Value() const;
    QSpinBox* SpinBox() const { return spin_; }

    void accept() override;

private:
    MessageSink& messages_;
    QSpinBox* spin_;
};

// The refusal of a number outside a range, "Enter an integer between %1 and %2.", filled in.
std::string RangeMessage(int minimum, int maximum);

} // namespace zelt
