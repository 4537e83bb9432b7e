#pragma once

#include <QDialog>

#include <string>

class QComboBox;

namespace zelt {

inline constexpr const char* kScanCodeTitle = "Input Scan Code";
inline constexpr const char* kScanCodeLabel = "Scan Code:";

// Offers the scan code keywords in a list that also takes typed text. The text is entered as
// it is; whether it names a key is checked when the key is left.
class CInputSCanCode final : public QDialog {
    Q_OBJECT
public:
    explicit CInputSCanCode(QWidget* parent = nullptr);

    // The chosen or typed text as the bytes of the template.
    std::string Text() const;
    QComboBox* List() const { return list_; }

private:
    QComboBox* list_;
};

} // namespace zelt
