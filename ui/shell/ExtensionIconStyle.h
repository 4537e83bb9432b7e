#pragma once

#include <QProxyStyle>

namespace zelt {

// The application's style with the overflow chevrons of menu bars and toolbars drawn from
// compiled-in images. The base style reads its own from image files, and the first image file
// read makes Qt open every image-format plug-in it has: a good part of the editor's start-up,
// spent on a button that shows only when the window is too narrow for its bars.
class ExtensionIconStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace zelt
