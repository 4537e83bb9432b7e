#include "shell/ExtensionIconStyle.h"

#include "resources/Icons.h"

#include <QIcon>

namespace zelt {

QIcon ExtensionIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
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

} // namespace zelt
