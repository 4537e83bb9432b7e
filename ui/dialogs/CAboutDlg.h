#pragma once

#include <QDialog>

namespace zelt {

inline constexpr const char* kAboutTitle = "About ZELT";
inline constexpr const char* kAboutVersion = "Keyboard Editor Version 1.1.2.1";
// The three maker lines under the version.
inline constexpr const char* kAboutMakerLines[3] = {
    "Made by the ZELT developers",
    "Editor for programmable point-of-sale keyboards",
    "See README.md for the command line tool and the keyboard simulator",
};

// The about box: program icon, version, maker lines, OK.
class CAboutDlg final : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace zelt
