#pragma once

#include <QProxyStyle>

namespace zelt {

// The application's style: the base style, with two of its drawing costs taken out of the
// editor's start-up. Both look the same as the base style draws them.
//
// - The overflow chevrons of menu bars and toolbars come from compiled-in images. The base style
//   reads its own from image files, and the first image file read makes Qt open every
//   image-format plug-in it has, for a button that shows only when the window is too narrow.
// - A horizontal toolbar's background is drawn once for a narrow strip and stretched to its
//   width. The base style draws its light and dark lines pixel by pixel across the whole
//   window, and Qt hands such long runs of pixels to its thread pool: two threads started and
//   dozens of waits for them, a quarter of the start-up time on a busy machine.
class ApplicationStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;

private:
    bool DrawToolBarFromStrip(const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const;
};

} // namespace zelt
