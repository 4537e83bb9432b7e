#include "shell/ApplicationStyle.h"

#include <QAction>
#include <QImage>
#include <QMainWindow>
#include <QStyleFactory>
#include <QToolBar>
#include <gtest/gtest.h>

#include <memory>

namespace zelt {
namespace {

// The overflow chevrons come from compiled-in images, one per bar orientation; every other
// standard icon is still the base style's.
TEST(ApplicationStyleTest, DrawsBothChevronsAndLeavesOtherIconsToTheBaseStyle) {
    const ApplicationStyle style;
    const QImage right =
        style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(8, 8).toImage();
    const QImage down =
        style.standardIcon(QStyle::SP_ToolBarVerticalExtensionButton).pixmap(8, 8).toImage();
    ASSERT_EQ(right.size(), QSize(8, 8));
    ASSERT_EQ(down.size(), QSize(8, 8));
    EXPECT_NE(right, down);
    // Each chevron is the other turned a quarter: right's pixel (x, y) is down's (y, x).
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(right.pixel(x, y), down.pixel(y, x)) << x << "," << y;
        }
    }
    EXPECT_FALSE(style.standardIcon(QStyle::SP_MessageBoxWarning).isNull());
}

// A main window with one toolbar in the given area, its bar drawn by the given style.
struct ToolBarWindow {
    QMainWindow window;
    QToolBar* bar = new QToolBar(QStringLiteral("Toolbar"));

    ToolBarWindow(Qt::ToolBarArea area, QStyle* style) {
        bar->addAction(QStringLiteral("New"));
        bar->addSeparator();
        bar->addAction(QStringLiteral("Load"));
        bar->setStyle(style);
        window.addToolBar(area, bar);
        window.resize(1200, 300);
        window.show();
    }
    QImage Picture() { return bar->grab().toImage(); }
};

QImage ToolBarPicture(Qt::ToolBarArea area, QStyle* style) {
    return ToolBarWindow(area, style).Picture();
}

// The stretched strip must give the very pixels that the base style draws across the whole bar:
// gradient, light and dark lines, handle and buttons; in every area a bar can be put.
TEST(ApplicationStyleTest, ToolBarsLookExactlyAsTheBaseStyleDrawsThem) {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    ApplicationStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const Qt::ToolBarArea area :
         {Qt::TopToolBarArea, Qt::BottomToolBarArea, Qt::LeftToolBarArea, Qt::RightToolBarArea}) {
        const QImage base = ToolBarPicture(area, fusion.get());
        const QImage ours = ToolBarPicture(area, &style);
        ASSERT_FALSE(base.isNull()) << area;
        EXPECT_EQ(ours, base) << area;
    }
    // The comparison means something only if the bar has lines that vary down its height.
    const QImage top = ToolBarPicture(Qt::TopToolBarArea, &style);
    EXPECT_GT(top.width(), 1000);
    EXPECT_NE(top.pixel(600, 0), top.pixel(600, top.height() / 2));
    EXPECT_NE(top.pixel(600, top.height() - 1), top.pixel(600, top.height() / 2));
}

// The strip is drawn by the base style itself, so a narrower bar or a style whose bars are
// not the same in every column is simply left to the base style.
TEST(ApplicationStyleTest, OtherStylesDrawTheirOwnToolBars) {
    const std::unique_ptr<QStyle> windows(QStyleFactory::create(QStringLiteral("Windows")));
    ApplicationStyle style(QStyleFactory::create(QStringLiteral("Windows")));
    EXPECT_EQ(ToolBarPicture(Qt::TopToolBarArea, &style),
              ToolBarPicture(Qt::TopToolBarArea, windows.get()));
}

} // namespace
} // namespace zelt
