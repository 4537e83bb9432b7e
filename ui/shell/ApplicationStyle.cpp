#include "shell/ApplicationStyle.h"

#include "resources/Icons.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QStyleOption>

namespace zelt {

namespace {

// The strip is drawn this wide and its middle column stretched: the column lies clear of the
// ends of the lines, which a one-pixel-wide strip would reduce to points.
constexpr int kStripWidth = 3;
constexpr int kStripColumn = 1;

// Only a style whose horizontal toolbar looks the same in every column may be stretched. Fusion,
// Qt's own style and the one every platform without a theme gets, draws a vertical gradient and
// lines across the whole bar.
bool DrawsUniformToolBars(const QStyle* style) {
    return style != nullptr &&
           style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
}

} // namespace

QIcon ApplicationStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                     const QWidget* widget) const {
    switch (standardIcon) {
    case SP_ToolBarHorizontalExtensionButton:
        return QIcon(ExtensionButtonIcon(Qt::Horizontal));
    case SP_ToolBarVerticalExtensionButton:
        return QIcon(ExtensionButtonIcon(Qt::Vertical));
    default:
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    }
}

void ApplicationStyle::drawControl(ControlElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    if (element == CE_ToolBar && DrawToolBarFromStrip(option, painter, widget)) {
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

bool ApplicationStyle::DrawToolBarFromStrip(const QStyleOption* option, QPainter* painter,
                                            const QWidget* widget) const {
    const auto* toolBar = qstyleoption_cast<const QStyleOptionToolBar*>(option);
    if (toolBar == nullptr || !(toolBar->state & State_Horizontal) ||
        toolBar->rect.width() <= kStripWidth || !DrawsUniformToolBars(baseStyle())) {
        return false;
    }
    QStyleOptionToolBar stripOption = *toolBar;
    stripOption.rect = QRect(0, 0, kStripWidth, toolBar->rect.height());
    QImage strip(stripOption.rect.size(), QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    {
        QPainter stripPainter(&strip);
        stripPainter.setRenderHints(painter->renderHints());
        QProxyStyle::drawControl(CE_ToolBar, &stripOption, &stripPainter, widget);
    }
    painter->drawImage(toolBar->rect, strip, QRect(kStripColumn, 0, 1, strip.height()));
    return true;
}

} // namespace zelt
