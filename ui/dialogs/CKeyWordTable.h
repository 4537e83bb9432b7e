#pragma once

#include <QDialog>

class QTextEdit;

namespace zelt {

inline constexpr const char* kKeyWordTableTitle = "Special Function Key Word Table";
// The identity of the text control within the window.
inline constexpr int kKeyWordTextControlId = 111;

// The reference of the scan code keywords: a read-only text with its own scroll bar. Closed
// with the close button or Esc; Return stays in the text.
class CKeyWordTable final : public QDialog {
    Q_OBJECT
public:
    explicit CKeyWordTable(QWidget* parent = nullptr);

    QTextEdit* Text() const { return text_; }

private:
    QTextEdit* text_;
};

} // namespace zelt
