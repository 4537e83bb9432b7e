#pragma once

#include <QDialog>

namespace zelt {

inline constexpr const char* kSelectKeyboardTitle = "Select Keyboard";
inline constexpr const char* kSelectKeyboardQuestion = "Are you sure to select another keyboard?";
inline constexpr const char* kSelectKeyboardWarning =
    "This will clear the active template data !!!";

// Confirms a model change, which empties the template. Yes accepts, No or closing rejects.
class CSelectKeyboard final : public QDialog {
    Q_OBJECT
public:
    explicit CSelectKeyboard(QWidget* parent = nullptr);
};

} // namespace zelt
