#pragma once

#include "TransferObserver.h"
#include "view/ViewOverlay.h"

#include <QFont>
#include <QPointer>
#include <QProgressBar>
#include <QRect>

#include <optional>

namespace zelt {

class CZELTView;

// The progress display of a transfer, drawn in the editor view: the title, the warning, a
// progress bar and the percentage. The transfer runs on the GUI thread and keeps the event
// loop from running, so every change is painted at once (repaint, not update) and the user
// sees the bar advance block by block.
//
// It lives for one transfer. TransferStarted puts it up, TransferFinished takes it down again
// (as does the destructor, should a transfer end without saying so) and leaves the whole view
// to be repainted.
class TransferProgressDisplay final : public TransferObserver, private ViewOverlay {
public:
    explicit TransferProgressDisplay(CZELTView& view);
    ~TransferProgressDisplay() override;
    TransferProgressDisplay(const TransferProgressDisplay&) = delete;
    TransferProgressDisplay& operator=(const TransferProgressDisplay&) = delete;

    void TransferStarted(TransferDirection direction) override;
    void BlockTransferred(int block, int percent) override;
    void TransferFinished() override;

    // What is shown now; nothing while the display is not up.
    QProgressBar* Bar() const { return bar_; }
    const char* Title() const { return title_; }
    // The percentage text, e.g. "50%"; empty before the first block.
    QString PercentText() const;

    // Where the percentage is drawn (and cleared).
    QRect PercentRect() const;

private:
    void Paint(QPainter& painter) const override;
    void TakeDown();

    CZELTView& view_;
    QFont font_;
    int ascent_ = 0;
    const char* title_ = nullptr;
    std::optional<int> percent_;
    QPointer<QProgressBar> bar_;
};

} // namespace zelt
