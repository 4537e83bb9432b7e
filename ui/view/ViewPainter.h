#pragma once

#include <QFont>
#include <QRawFont>

class QPainter;
class QRect;

namespace zelt {

class ViewController;

// Paints the whole editor view: background, status lines, content box with caret, the key
// picture with its frame, the hint and legend lines, and the red error line.
class ViewPainter {
public:
    explicit ViewPainter(QFont font);

    // Paints into a client area of the given size. Computing the space left refreshes the
    // blank-key flags, hence the non-const controller.
    void Paint(QPainter& painter, ViewController& controller, const QRect& clientRect) const;

private:
    void PaintStatusLines(QPainter& painter, ViewController& controller) const;
    void PaintContentBox(QPainter& painter, const ViewController& controller) const;
    void PaintKeys(QPainter& painter, const ViewController& controller) const;
    void PaintFrame(QPainter& painter) const;
    void PaintHintAndLegend(QPainter& painter, const ViewController& controller) const;
    void DrawText(QPainter& painter, int x, int y, const QString& text) const;

    QFont font_;
    QRawFont glyphs_;
    int ascent_;
};

} // namespace zelt
