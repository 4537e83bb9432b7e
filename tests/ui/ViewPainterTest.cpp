#include "view/ViewPainter.h"

#include "FakeViewDocument.h"
#include "ModelCode.h"
#include "Renders.h"
#include "view/DisplayText.h"
#include "view/ViewController.h"
#include "view/ViewFont.h"
#include "view/ViewGeometry.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace zelt {
namespace {

using test::FakeViewDocument;

const QColor kGrey(220, 220, 220);
const QColor kBlue(0, 0, 255);
const QColor kGreen(30, 150, 0);
const QColor kRed(255, 0, 0);

// Paints the view of a document into an image, as the widget would.
class Picture {
public:
    explicit Picture(int model) : document(model), controller(document, messages) {}

    QImage Render() {
        QImage image(view::kViewWidth, view::kViewHeight, QImage::Format_RGB32);
        QPainter painter(&image);
        painter_.Paint(painter, controller, image.rect());
        return image;
    }

    FakeViewDocument document;
    RecordingMessageSink messages;
    ViewController controller;

private:
    ViewPainter painter_{MakeViewFont()};
};

QColor At(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

// Number of pixels of exactly that colour in the rectangle.
int CountColour(const QImage& image, QRect area, const QColor& colour) {
    int count = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

QRect LabelArea(const KeyRect& r) {
    return QRect(r.x + 2, r.y + 2, r.width - 3, r.height - 3);
}

TEST(ViewFont, EveryCharacterTakesOneSevenPixelCell) {
    const QFont font = MakeViewFont();
    const QFontMetricsF metrics(font);
    EXPECT_TRUE(font.fixedPitch() || QFontInfo(font).fixedPitch());
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_NEAR(metrics.horizontalAdvance(QString(85, QLatin1Char('M'))), 85 * 7, 0.5);
    EXPECT_NEAR(metrics.horizontalAdvance(QString(10, QLatin1Char('i'))), 10 * 7, 0.5);
    EXPECT_LE(metrics.height(), 16.5);
    EXPECT_GE(metrics.height(), 12);
    EXPECT_TRUE(metrics.inFontUcs4(kPlaceholderGlyph));
}

TEST(ViewFont, EveryLabelFitsItsKey) {
    const QFontMetricsF metrics(MakeViewFont());
    for (const ModelLayout* layout : ModelCatalogue()) {
        for (int i = 0; i < layout->keyCount; ++i) {
            const auto& label = layout->labels[static_cast<std::size_t>(i)];
            const KeyRect& r = layout->rects[static_cast<std::size_t>(i)];
            const qreal width = metrics.horizontalAdvance(DisplayText(label));
            EXPECT_LT(view::kLabelInsetX + width, r.width) << layout->name << " " << label;
            EXPECT_LE(view::kLabelInsetY + metrics.height(), r.height + 1) << layout->name;
        }
    }
}

TEST(ViewPainter, BackgroundFrameAndContentBox) {
    Picture picture(kModelRM0480);
    const QImage image = picture.Render();
    EXPECT_EQ(At(image, 0, 200), Qt::black);
    EXPECT_EQ(At(image, 745, 200), kGrey);
    // Black frame with a white one a pixel up and to the left.
    EXPECT_EQ(At(image, 30, 150), Qt::black);
    EXPECT_EQ(At(image, 29, 150), Qt::white);
    EXPECT_EQ(At(image, 730, 150), Qt::black);
    EXPECT_EQ(At(image, 729, 150), Qt::white);
    EXPECT_EQ(At(image, 400, 20), Qt::black);
    EXPECT_EQ(At(image, 400, 19), Qt::white);
    EXPECT_EQ(At(image, 400, 300), Qt::black);
    EXPECT_EQ(At(image, 400, 299), Qt::white);
    // Content box: white inside a black outline.
    EXPECT_EQ(At(image, 95, 340), Qt::black);
    EXPECT_EQ(At(image, 699, 340), Qt::black);
    EXPECT_EQ(At(image, 400, 330), Qt::black);
    EXPECT_EQ(At(image, 400, 349), Qt::black);
    EXPECT_EQ(At(image, 96, 340), Qt::white);
    EXPECT_EQ(At(image, 698, 335), Qt::white);
    EXPECT_EQ(At(image, 400, 350), kGrey);
}

TEST(ViewPainter, LabelColoursForBlankDefinedAndModifiedKeys) {
    Picture picture(kModelRM0480);
    auto& data = picture.document.data;
    const auto key = [&](int position) {
        return static_cast<std::size_t>(picture.document.KeyAt(position));
    };
    picture.document.SetContentAt(31, "w");
    picture.document.SetContentAt(32, "e");
    data.blankKeyFlags[key(31)] = 0;
    data.definedKeyFlags[key(31)] = 1;
    data.blankKeyFlags[key(32)] = 0;
    data.definedKeyFlags[key(32)] = 0;
    const QImage image = picture.Render();
    const auto& rects = picture.document.layout.rects;

    // Position 30 is blank: black label.
    EXPECT_GT(CountColour(image, LabelArea(rects[30]), Qt::black), 5);
    EXPECT_EQ(CountColour(image, LabelArea(rects[30]), kBlue), 0);
    EXPECT_EQ(CountColour(image, LabelArea(rects[30]), kGreen), 0);
    // Position 31 as created or loaded: blue.
    EXPECT_GT(CountColour(image, LabelArea(rects[31]), kBlue), 5);
    EXPECT_EQ(CountColour(image, LabelArea(rects[31]), kGreen), 0);
    // Position 32 edited: green.
    EXPECT_GT(CountColour(image, LabelArea(rects[32]), kGreen), 5);
    EXPECT_EQ(CountColour(image, LabelArea(rects[32]), kBlue), 0);
}

// The view's texts are put glyph by glyph into their cells; they must come out exactly as the
// text itself would be drawn there by the view's font: on every key of every model, and in the
// content box with punctuation, placeholders and Windows-1252 letters.
TEST(ViewPainter, ContentTextLooksAsTheTextDrawnInTheBox) {
    Picture picture(kModelRM0480);
    const std::string content =
        "Qty x [[kg]][CR]\x01|~{}\xE4\xDF\x9D\x80 $%&'()*+,-./09:;<=>?@AZ`az";
    picture.document.SetContentAt(0, content);
    const QImage image = picture.Render();
    const QFont font = MakeViewFont();
    const QRect area(view::kContentTextOrigin.x, view::kContentTextOrigin.y,
                     view::kContentColumns * view::kCellWidth, 16);
    QImage expected = image.copy(area);
    expected.fill(Qt::white);
    QPainter painter(&expected);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(0, QFontMetrics(font).ascent()), DisplayText(content));
    painter.end();
    EXPECT_EQ(image.copy(area), expected);
}

TEST(ViewPainter, LabelsLookAsTheirTextDrawnInTheKey) {
    const QFont font = MakeViewFont();
    const int ascent = QFontMetrics(font).ascent();
    for (const ModelLayout* layout : ModelCatalogue()) {
        Picture picture(layout->modelCode);
        const QImage image = picture.Render();
        const auto& labels = picture.document.Labels();
        for (int i = 0; i < layout->keyCount; ++i) {
            const KeyRect& r = layout->rects[static_cast<std::size_t>(i)];
            const QRect area = LabelArea(r);
            QImage expected = image.copy(area);
            expected.fill(kGrey);
            QPainter painter(&expected);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(QPoint(r.x + view::kLabelInsetX - area.x(),
                                    r.y + view::kLabelInsetY + ascent - area.y()),
                             DisplayText(labels[static_cast<std::size_t>(i)]));
            painter.end();
            EXPECT_EQ(image.copy(area), expected) << layout->name << " position " << i;
        }
    }
}

TEST(ViewPainter, BlankFlagsAreRefreshedByTheSpaceLeft) {
    Picture picture(kModelRM0480);
    picture.document.data.blankKeyFlags.fill(0);
    picture.document.data.definedKeyFlags.fill(0);
    const QImage image = picture.Render();
    // Every key is empty, so measuring the space left makes every label black again.
    const KeyRect& r = picture.document.layout.rects[10];
    EXPECT_EQ(CountColour(image, LabelArea(r), kGreen), 0);
    EXPECT_GT(CountColour(image, LabelArea(r), Qt::black), 5);
}

TEST(ViewPainter, RaisedAndPressedEdges) {
    Picture picture(kModelRM0480);
    const QImage image = picture.Render();
    // Position 0 is pressed (selected): 2-pixel black edges all round.
    const KeyRect& p = picture.document.layout.rects[0];
    const int midY = p.y + p.height / 2;
    const int midX = p.x + p.width / 2;
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{p.x, midY},
                                                               {p.x - 1, midY},
                                                               {p.x + p.width, midY},
                                                               {p.x + p.width - 1, midY},
                                                               {midX, p.y},
                                                               {midX, p.y - 1},
                                                               {midX, p.y + p.height},
                                                               {midX, p.y + p.height - 1}}) {
        EXPECT_EQ(At(image, x, y), Qt::black) << x << "," << y;
    }
    // Position 1 is raised: white top and left, black right and bottom, one pixel each.
    const KeyRect& r = picture.document.layout.rects[1];
    const int rMidY = r.y + r.height / 2;
    const int rMidX = r.x + r.width / 2;
    EXPECT_EQ(At(image, r.x, rMidY), Qt::white);
    EXPECT_EQ(At(image, r.x + 1, rMidY), kGrey);
    EXPECT_EQ(At(image, rMidX, r.y), Qt::white);
    EXPECT_EQ(At(image, rMidX, r.y - 1), kGrey);
    EXPECT_EQ(At(image, r.x + r.width, rMidY), Qt::black);
    EXPECT_EQ(At(image, r.x + r.width - 1, rMidY), kGrey);
    EXPECT_EQ(At(image, rMidX, r.y + r.height), Qt::black);
    EXPECT_EQ(At(image, rMidX, r.y + r.height - 1), kGrey);
}

TEST(ViewPainter, LShapedEnterDrawnAsOneKey) {
    Picture picture(kModelRM0480);
    const auto& rects = picture.document.layout.rects;
    const KeyRect& upper = rects[28];
    const KeyRect& lower = rects[41];
    const int upperMidY = upper.y + upper.height / 2;
    const int upperMidX = upper.x + upper.width / 2;

    QImage image = picture.Render();
    // Raised: the upper part has no bottom edge, the lower part's top edge stops where the
    // upper part begins.
    EXPECT_EQ(At(image, upper.x, upperMidY), Qt::white);
    EXPECT_EQ(At(image, upperMidX, upper.y + upper.height), kGrey);
    EXPECT_EQ(At(image, upperMidX, upper.y + upper.height - 1), kGrey);
    EXPECT_EQ(At(image, lower.x + 5, lower.y), Qt::white);
    EXPECT_EQ(At(image, lower.x + lower.width - 40, lower.y), Qt::white);
    EXPECT_EQ(At(image, lower.x + lower.width - 20, lower.y), kGrey);

    // Pressed through its upper part: both parts drawn with the 2-pixel black pen.
    picture.controller.LeftButtonDown(upperMidX, upperMidY);
    image = picture.Render();
    for (const auto& [x, y] :
         std::vector<std::pair<int, int>>{{upper.x, upperMidY},
                                          {upper.x - 1, upperMidY},
                                          {upperMidX, upper.y},
                                          {upperMidX, upper.y - 1},
                                          {upper.x + upper.width, upperMidY},
                                          {upper.x + upper.width - 1, upperMidY},
                                          {lower.x, lower.y + 10},
                                          {lower.x - 1, lower.y + 10},
                                          {lower.x + 5, lower.y},
                                          {lower.x + lower.width, lower.y + 10},
                                          {lower.x + 20, lower.y + lower.height}}) {
        EXPECT_EQ(At(image, x, y), Qt::black) << x << "," << y;
    }
    EXPECT_EQ(At(image, upperMidX, upper.y + upper.height), kGrey);
    EXPECT_EQ(At(image, lower.x + lower.width - 20, lower.y), kGrey);
}

TEST(ViewPainter, UnknownModelOpensTheEnterKeyBy38Pixels) {
    Picture picture(2099);
    const KeyRect& lower = picture.document.layout.rects[41];
    const QImage image = picture.Render();
    EXPECT_EQ(At(image, lower.x + lower.width - 38, lower.y), Qt::white);
    EXPECT_EQ(At(image, lower.x + lower.width - 37, lower.y), kGrey);
}

TEST(ViewPainter, CaretUnderItsColumn) {
    Picture picture(kModelRM0480);
    for (const int column : {0, 1, 10, 85}) {
        picture.controller.State().caretColumn = column;
        const QImage image = picture.Render();
        const int x = column * 7 + 99;
        for (int dx = 0; dx < 5; ++dx) {
            EXPECT_EQ(At(image, x + dx, 347), Qt::black) << column;
            EXPECT_EQ(At(image, x + dx, 348), Qt::black) << column;
        }
        EXPECT_EQ(At(image, x + 2, 346), Qt::white) << column;
        if (column > 0) {
            EXPECT_EQ(At(image, x - 2, 347), Qt::white) << column;
        }
    }
}

TEST(ViewPainter, ContentTextStartsAfterTheBoxEdgeInSevenPixelCells) {
    Picture picture(kModelRM0480);
    picture.document.SetContentAt(0, std::string(85, 'W'));
    const QImage image = picture.Render();
    // The 85th cell holds ink, and nothing is drawn beyond it.
    EXPECT_GT(CountColour(image, QRect(98 + 84 * 7, 332, 7, 14), Qt::black), 3);
    EXPECT_EQ(CountColour(image, QRect(98 + 85 * 7 + 1, 332, 5, 13), Qt::black), 0);
    EXPECT_GT(CountColour(image, QRect(98, 332, 7, 14), Qt::black), 3);
}

TEST(ViewPainter, RedLineOnlyWhileShown) {
    Picture picture(kModelRM0480);
    const QRect line(100, 350, 300, 17);
    EXPECT_EQ(CountColour(picture.Render(), line, kRed), 0);
    picture.controller.State().wrongWordShown = 1;
    EXPECT_GT(CountColour(picture.Render(), line, kRed), 50);
}

TEST(ViewPainter, LegendAndStatusLineColours) {
    Picture picture(kModelRM0480);
    picture.controller.State().portName = "USB";
    const KeyRect& esc = picture.document.layout.rects[77];
    picture.controller.LeftButtonDown(esc.x + 5, esc.y + 5);
    const QImage image = picture.Render();
    EXPECT_GT(CountColour(image, QRect(230, 2, 56, 16), kBlue), 10);
    EXPECT_GT(CountColour(image, QRect(405, 2, 60, 16), kGreen), 10);
    EXPECT_GT(CountColour(image, QRect(620, 2, 100, 16), Qt::black), 10);
    // Key name, mode and space left in blue.
    EXPECT_GT(CountColour(image, QRect(80, 310, 60, 16), kBlue), 3);
    EXPECT_GT(CountColour(image, QRect(280, 310, 70, 16), kBlue), 10);
    EXPECT_GT(CountColour(image, QRect(670, 310, 30, 16), kBlue), 10);
    EXPECT_EQ(CountColour(image, QRect(10, 310, 60, 16), kBlue), 0);
}

TEST(ViewPainter, RendersOfAllSixModels) {
    for (const ModelLayout* layout : ModelCatalogue()) {
        Picture picture(layout->modelCode);
        picture.controller.State().portName = "PS2";
        picture.document.SetContentAt(1, "Hello\t[CR]");
        picture.document.data.blankKeyFlags[static_cast<std::size_t>(picture.document.KeyAt(1))] =
            0;
        picture.document.SetContentAt(2, "x");
        const auto modified = static_cast<std::size_t>(picture.document.KeyAt(2));
        picture.document.data.definedKeyFlags[modified] = 0;
        picture.controller.LeftButtonDown(layout->rects[1].x + 3, layout->rects[1].y + 3);
        EXPECT_TRUE(test::SaveRender(picture.Render(), QString::fromStdString(layout->name) +
                                                           QStringLiteral(".png")));
    }
}

} // namespace
} // namespace zelt
