#pragma once

#include "platform/LockKeys.h"

#include <QObject>

class QLabel;
class QStatusBar;
class QTimer;

namespace zelt {

inline constexpr const char* kCapsIndicator = "CAP";
inline constexpr const char* kNumIndicator = "NUM";
inline constexpr const char* kScrollIndicator = "SCRL";

// The three indicator panes at the right of the status bar. A pane shows its text while its
// lock is on and stays empty (keeping its width) while it is off.
class LockIndicators final : public QObject {
    Q_OBJECT
public:
    LockIndicators(QStatusBar* statusBar, LockKeyProvider provider);

    // Reads the lock state now; also runs on a short timer, since lock keys may be toggled
    // while another window has the focus.
    void Refresh();

    QLabel* CapsPane() const { return caps_; }
    QLabel* NumPane() const { return num_; }
    QLabel* ScrollPane() const { return scroll_; }

private:
    LockKeyProvider provider_;
    QLabel* caps_;
    QLabel* num_;
    QLabel* scroll_;
    QTimer* timer_;
};

} // namespace zelt
