#include "view/ViewFont.h"

#include "view/ViewGeometry.h"

#include <QFontMetricsF>
#include <QString>

#include <algorithm>
#include <cmath>

namespace zelt {

namespace {

constexpr int kCellHeight = 16;
constexpr int kLargestPixelSize = 15;
// The size that fits the cell for the usual monospace fonts; measuring it first means the
// first guess is usually the answer, and loading each font size costs a font file set-up.
constexpr int kLikelyPixelSize = 14;
constexpr int kSmallestPixelSize = 9;
constexpr int kFullStretch = 100;

QFont BaseFont(int pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::TypeWriter, QFont::PreferDefault);
    font.setFixedPitch(true);
    font.setWeight(QFont::Bold);
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace

QFont MakeViewFont() {
    // The largest size whose line fits the 16-pixel cell. Line height grows in proportion to the
    // size, so one measurement gives a first guess; the loop then settles the rounding.
    const qreal firstHeight = QFontMetricsF(BaseFont(kLikelyPixelSize)).height();
    int size = std::clamp(static_cast<int>(kLikelyPixelSize * kCellHeight / firstHeight) + 1,
                          kSmallestPixelSize, kLargestPixelSize);
    QFont font = BaseFont(size);
    while (size > kSmallestPixelSize && QFontMetricsF(font).height() > kCellHeight + 0.5) {
        font = BaseFont(--size);
    }
    // Narrow the glyphs to the cell, then make up the rounding with letter spacing so that n
    // characters take exactly n cells.
    const qreal natural = QFontMetricsF(font).horizontalAdvance(QLatin1Char('M'));
    if (natural > view::kCellWidth) {
        font.setStretch(static_cast<int>(std::floor(kFullStretch * view::kCellWidth / natural)));
    }
    const qreal narrowed = QFontMetricsF(font).horizontalAdvance(QLatin1Char('M'));
    font.setLetterSpacing(QFont::AbsoluteSpacing, view::kCellWidth - narrowed);
    return font;
}

} // namespace zelt
