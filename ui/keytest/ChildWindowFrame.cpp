#include "keytest/ChildWindowFrame.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace zelt::childframe {

namespace {

constexpr int kTitleInset = 4;
constexpr int kTitlePixelSize = 12;

// The classic raised frame: a white line just inside the top and left edges, black bottom and
// right edges with a grey line inside them, the face colour elsewhere.
void RaisedBorder(QPainter& painter, const QRect& r) {
    const QColor face(220, 220, 220);
    const QColor light(255, 255, 255);
    const QColor shadow(128, 128, 128);
    const QColor dark(0, 0, 0);
    painter.fillRect(r, face);
    painter.fillRect(QRect(r.left() + 1, r.top() + 1, r.width() - 3, 1), light);
    painter.fillRect(QRect(r.left() + 1, r.top() + 1, 1, r.height() - 3), light);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), dark);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), dark);
    painter.fillRect(QRect(r.left() + 1, r.bottom() - 1, r.width() - 2, 1), shadow);
    painter.fillRect(QRect(r.right() - 1, r.top() + 1, 1, r.height() - 2), shadow);
}

} // namespace

QRect ClientRect(const QSize& outer) {
    return QRect(kBorder, kBorder + kCaptionHeight, outer.width() - 2 * kBorder,
                 outer.height() - 2 * kBorder - kCaptionHeight);
}

QRect CaptionRect(const QSize& outer) {
    return QRect(kBorder, kBorder, outer.width() - 2 * kBorder, kCaptionHeight);
}

void Paint(QPainter& painter, const QRect& outer, const QString& title, bool active) {
    painter.save();
    RaisedBorder(painter, outer);
    const QRect caption = CaptionRect(outer.size()).translated(outer.topLeft());
    QLinearGradient gradient(caption.topLeft(), caption.topRight());
    gradient.setColorAt(0, active ? QColor(10, 36, 106) : QColor(128, 128, 128));
    gradient.setColorAt(1, active ? QColor(166, 202, 240) : QColor(192, 192, 192));
    painter.fillRect(caption, gradient);
    QFont font = painter.font();
    font.setPixelSize(kTitlePixelSize);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(active ? QColor(255, 255, 255) : QColor(212, 208, 200));
    painter.drawText(caption.adjusted(kTitleInset, 0, -kTitleInset, 0),
                     Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.restore();
}

} // namespace zelt::childframe
