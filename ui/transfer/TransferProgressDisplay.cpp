#include "transfer/TransferProgressDisplay.h"

#include "transfer/ProgressGeometry.h"
#include "view/CZELTView.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QProgressBar>

namespace zelt {

namespace {

QFont ProgressFont() {
    QFont font(QString::fromLatin1(progress::kFontFamily));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(progress::kFontPixelSize);
    font.setWeight(QFont::Normal);
    return font;
}

QRect ToRect(const view::Box& box) {
    return QRect(box.left, box.top, box.right - box.left, box.bottom - box.top);
}

} // namespace

TransferProgressDisplay::TransferProgressDisplay(CZELTView& view)
    : view_(view), font_(ProgressFont()), ascent_(QFontMetrics(font_).ascent()) {}

TransferProgressDisplay::~TransferProgressDisplay() {
    TakeDown();
}

void TransferProgressDisplay::TransferStarted(TransferDirection direction) {
    title_ = TransferTitle(direction);
    percent_.reset();
    if (bar_ == nullptr) {
        bar_ = new QProgressBar(&view_);
        bar_->setObjectName(QStringLiteral("transferProgress"));
        bar_->setProperty("controlId", progress::kBarControlId);
        // The percentage is drawn beside the bar; the bar's own text would say something else.
        bar_->setTextVisible(false);
        bar_->setGeometry(ToRect(progress::kBar));
        // Filled with the view's background, the bar counts as opaque: painting it does not
        // paint the view under it again, once per block.
        QPalette palette = bar_->palette();
        palette.setColor(QPalette::Window, QColor(view::kBackground.red, view::kBackground.green,
                                                  view::kBackground.blue));
        bar_->setPalette(palette);
        bar_->setAutoFillBackground(true);
    }
    // The range is set first: a value below it (no block done yet) shows an empty bar.
    bar_->setRange(progress::kBarMinimum, progress::kBarMaximum);
    bar_->reset();
    bar_->show();
    view_.SetOverlay(this);
    view_.repaint();
}

void TransferProgressDisplay::BlockTransferred(int block, int percent) {
    percent_ = percent;
    if (bar_ != nullptr) {
        bar_->setValue(progress::kBarMinimum + block);
        bar_->repaint();
    }
    view_.repaint(PercentRect());
}

void TransferProgressDisplay::TransferFinished() {
    TakeDown();
}

QString TransferProgressDisplay::PercentText() const {
    return percent_ ? QString::number(*percent_) + QLatin1Char('%') : QString();
}

QRect TransferProgressDisplay::PercentRect() const {
    const QFontMetrics metrics(font_);
    return QRect(progress::kPercent.x, progress::kPercent.y,
                 metrics.horizontalAdvance(QString(progress::kPercentCells, QLatin1Char(' '))),
                 metrics.height());
}

void TransferProgressDisplay::Paint(QPainter& painter) const {
    if (title_ == nullptr) {
        return;
    }
    painter.save();
    painter.setFont(font_);
    painter.setPen(QColor(view::kBlack.red, view::kBlack.green, view::kBlack.blue));
    // Opaque text on the view's background colour, so that the percentage replaces the one
    // before it where the two overlap.
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(
        QColor(view::kBackground.red, view::kBackground.green, view::kBackground.blue));
    const auto text = [&](view::Point at, const QString& value) {
        painter.drawText(QPoint(at.x, at.y + ascent_), value);
    };
    text(progress::kTitle, QString::fromLatin1(title_));
    text(progress::kWarning, QString::fromLatin1(kDontTouchWarning));
    if (percent_) {
        text(progress::kPercent, PercentText());
    }
    painter.restore();
}

void TransferProgressDisplay::TakeDown() {
    const bool shown = title_ != nullptr || bar_ != nullptr;
    title_ = nullptr;
    percent_.reset();
    if (view_.Overlay() == this) {
        view_.SetOverlay(nullptr);
    }
    delete bar_;
    if (shown) {
        view_.RedrawAll();
    }
}

} // namespace zelt
