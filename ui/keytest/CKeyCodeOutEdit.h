#pragma once

#include "keytest/KeyCodeOutput.h"

#include <QPlainTextEdit>

#include <cstddef>

namespace zelt {

class CKeyCodeOutView;

// The read-only, multi-line text of the keyboard output test. It holds the test text and
// shows it, scrolled to its end. The keys pressed while it has the focus are the test's input:
// they go to the test window like the keys pressed anywhere else in the test.
class CKeyCodeOutEdit final : public QPlainTextEdit {
    Q_OBJECT
public:
    CKeyCodeOutEdit(CKeyCodeOutView& testWindow, QWidget* parent);

    KeyCodeOutput& Output() { return output_; }
    const KeyCodeOutput& Output() const { return output_; }

    // Empties the test text (and forgets Shift and Caps Lock), as a newly made control is.
    void Clear();
    // Brings the shown text up to the test text and scrolls to its end.
    void ShowText();

protected:
    bool event(QEvent* event) override;

private:
    CKeyCodeOutView& testWindow_;
    KeyCodeOutput output_;
    // How much of the test text the control shows; the test text only grows between clears.
    std::size_t shown_ = 0;
};

} // namespace zelt
