#include "view/ViewPainter.h"

#include "KeyContent.h"
#include "view/DisplayText.h"
#include "view/KeySelection.h"
#include "view/ViewController.h"
#include "view/ViewGeometry.h"
#include "view/ViewTexts.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QRect>

#include <algorithm>
#include <cstddef>

namespace zelt {

namespace {

using view::Rgb;

QColor ToColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// Lines are filled rectangles so that every pixel lands where the picture puts it: a 1-pixel
// line covers its row or column from start to end; a 2-pixel line adds the row above or the
// column to the left, centred on the line as a 2-pixel pen would be.
void HorizontalLine(QPainter& painter, int x1, int x2, int y, int width, Rgb colour) {
    const int left = std::min(x1, x2);
    const int right = std::max(x1, x2);
    painter.fillRect(QRect(left, y - (width - 1), right - left + 1, width), ToColor(colour));
}

void VerticalLine(QPainter& painter, int x, int y1, int y2, int width, Rgb colour) {
    const int top = std::min(y1, y2);
    const int bottom = std::max(y1, y2);
    painter.fillRect(QRect(x - (width - 1), top, width, bottom - top + 1), ToColor(colour));
}

struct EdgePen {
    int width;
    Rgb colour;
};

constexpr EdgePen kRaisedLight{1, view::kWhite};
constexpr EdgePen kRaisedShadow{1, view::kBlack};
constexpr EdgePen kPressed{2, view::kBlack};

Rgb LabelColour(LabelState state) {
    switch (state) {
    case LabelState::Blank:
        return view::kBlack;
    case LabelState::Defined:
        return view::kDefinedBlue;
    case LabelState::Modified:
        return view::kModifiedGreen;
    }
    return view::kBlack;
}

void TopAndLeft(QPainter& painter, const KeyRect& r, int topStartX, EdgePen pen) {
    HorizontalLine(painter, topStartX, r.x, r.y, pen.width, pen.colour);
    VerticalLine(painter, r.x, r.y, r.y + r.height, pen.width, pen.colour);
}

void RightEdge(QPainter& painter, const KeyRect& r, EdgePen pen) {
    VerticalLine(painter, r.x + r.width, r.y, r.y + r.height, pen.width, pen.colour);
}

void BottomEdge(QPainter& painter, const KeyRect& r, EdgePen pen) {
    HorizontalLine(painter, r.x + r.width, r.x, r.y + r.height, pen.width, pen.colour);
}

// A rectangle outline through four corners, 1 pixel wide.
void Outline(QPainter& painter, const view::Box& box, Rgb colour) {
    HorizontalLine(painter, box.left, box.right, box.top, 1, colour);
    HorizontalLine(painter, box.left, box.right, box.bottom, 1, colour);
    VerticalLine(painter, box.left, box.top, box.bottom, 1, colour);
    VerticalLine(painter, box.right, box.top, box.bottom, 1, colour);
}

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

ViewPainter::ViewPainter(QFont font)
    : font_(std::move(font)), glyphs_(QRawFont::fromFont(font_)),
      ascent_(QFontMetrics(font_).ascent()) {}

void ViewPainter::Paint(QPainter& painter, ViewController& controller,
                        const QRect& clientRect) const {
    painter.save();
    painter.setFont(font_);
    painter.setRenderHint(QPainter::Antialiasing, false);

    painter.fillRect(clientRect, ToColor(view::kBackground));
    painter.setPen(QPen(ToColor(view::kBlack), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(clientRect.adjusted(0, 0, -1, -1));

    PaintStatusLines(painter, controller);
    PaintContentBox(painter, controller);
    PaintKeys(painter, controller);
    PaintFrame(painter);
    PaintHintAndLegend(painter, controller);

    if (controller.State().wrongWordShown == 1) {
        painter.setPen(ToColor(view::kErrorRed));
        DrawText(painter, view::kErrorLine.x, view::kErrorLine.y,
                 QString::fromLatin1(kWrongWordMessage));
    }
    painter.restore();
}

void ViewPainter::PaintStatusLines(QPainter& painter, ViewController& controller) const {
    painter.setPen(ToColor(view::kBlack));
    DrawText(painter, view::kKeyNameCaption.x, view::kKeyNameCaption.y,
             QString::fromLatin1(kKeyNameCaption));
    DrawText(painter, view::kKeyContentCaption.x, view::kKeyContentCaption.y,
             QString::fromLatin1(kKeyContentCaption));
    DrawText(painter, view::kSpaceLeftCaption.x, view::kSpaceLeftCaption.y,
             QString::fromLatin1(kSpaceLeftCaption));

    const ViewState& state = controller.State();
    const auto& labels = controller.Document().Labels();
    painter.setPen(ToColor(view::kDefinedBlue));
    const auto position = static_cast<std::size_t>(state.selectedPosition);
    if (position < labels.size()) {
        DrawText(painter, view::kKeyName.x, view::kKeyName.y, DisplayText(labels[position]));
    }
    DrawText(painter, view::kModeText.x, view::kModeText.y, Latin1(controller.ModeText()));
    DrawText(painter, view::kSpaceLeft.x, view::kSpaceLeft.y,
             QString::number(controller.SpaceLeft()));
}

void ViewPainter::PaintContentBox(QPainter& painter, const ViewController& controller) const {
    const view::Box& box = view::kContentBox;
    const QRect outline(box.left, box.top, box.right - box.left, box.bottom - box.top);
    painter.fillRect(outline, ToColor(view::kContentBackground));
    Outline(painter, {box.left, box.top, box.right - 1, box.bottom - 1}, view::kBlack);

    painter.setPen(ToColor(view::kBlack));
    DrawText(painter, view::kContentTextOrigin.x, view::kContentTextOrigin.y,
             DisplayText(controller.ContentBoxText()));

    const int column = std::clamp(controller.State().caretColumn, 0, view::kContentColumns);
    const int caretX = column * view::kCellWidth + view::kCaretLeft;
    painter.fillRect(QRect(caretX, view::kCaretY, view::kCaretLength, view::kCaretThickness),
                     ToColor(view::kBlack));
}

void ViewPainter::PaintKeys(QPainter& painter, const ViewController& controller) const {
    const ModelLayout& layout = controller.Document().Layout();
    const auto& labels = controller.Document().Labels();
    const ViewState& state = controller.State();
    const int modelCode = controller.Document().Data().modelCode;
    const bool lShapedEnter = HasLShapedEnter(modelCode);
    const int opening =
        IsCatalogueModel(modelCode) ? view::kEnterOpening : view::kEnterOpeningUnknownModel;
    const int count = std::min(layout.keyCount, static_cast<int>(layout.rects.size()));

    for (int i = 0; i < count; ++i) {
        const KeyRect& r = layout.rects[static_cast<std::size_t>(i)];
        const bool raised = state.keyRaised[static_cast<std::size_t>(i)] == 1;
        const EdgePen light = raised ? kRaisedLight : kPressed;
        const EdgePen shadow = raised ? kRaisedShadow : kPressed;

        const bool lowerEnter = lShapedEnter && i == view::kEnterLowerPosition;
        const bool upperEnter = lShapedEnter && i == view::kEnterUpperPosition;
        // The lower part's top edge stays open towards the upper part, and the upper part has
        // no bottom edge, so the two read as one L-shaped key.
        TopAndLeft(painter, r, lowerEnter ? r.x + r.width - opening : r.x + r.width, light);
        RightEdge(painter, r, shadow);
        if (!upperEnter) {
            BottomEdge(painter, r, shadow);
        }
        if (lowerEnter && !raised) {
            const KeyRect& upper = layout.rects[view::kEnterUpperPosition];
            TopAndLeft(painter, upper, upper.x + upper.width, kPressed);
            RightEdge(painter, upper, kPressed);
        }

        painter.setPen(ToColor(LabelColour(controller.LabelStateOf(i))));
        DrawText(painter, r.x + view::kLabelInsetX, r.y + view::kLabelInsetY,
                 DisplayText(labels[static_cast<std::size_t>(i)]));
    }
}

void ViewPainter::PaintFrame(QPainter& painter) const {
    const view::Box& frame = view::kPictureFrame;
    Outline(painter, frame, view::kBlack);
    Outline(painter, {frame.left - 1, frame.top - 1, frame.right - 1, frame.bottom - 1},
            view::kWhite);
}

void ViewPainter::PaintHintAndLegend(QPainter& painter, const ViewController& controller) const {
    painter.setPen(ToColor(view::kBlack));
    DrawText(painter, view::kHintLine.x, view::kHintLine.y, Latin1(controller.HintText()));

    DrawText(painter, view::kLegendPortX, view::kLegendY, DisplayText(controller.PortNameText()));
    DrawText(painter, view::kLegendBlackX, view::kLegendY, QString::fromLatin1(kLegendBlack));
    painter.setPen(ToColor(view::kDefinedBlue));
    DrawText(painter, view::kLegendBlueX, view::kLegendY, QString::fromLatin1(kLegendBlue));
    painter.setPen(ToColor(view::kBlack));
    DrawText(painter, view::kLegendDefinedX, view::kLegendY, QString::fromLatin1(kLegendDefined));
    painter.setPen(ToColor(view::kModifiedGreen));
    DrawText(painter, view::kLegendGreenX, view::kLegendY, QString::fromLatin1(kLegendGreen));
    painter.setPen(ToColor(view::kBlack));
    DrawText(painter, view::kLegendModifiedX, view::kLegendY, QString::fromLatin1(kLegendModified));
}

void ViewPainter::DrawText(QPainter& painter, int x, int y, const QString& text) const {
    // Positions name the top left corner of the text's cell, as the picture is laid out. Every
    // text of the view stands in 7-pixel cells, so its glyphs are put one to a cell rather than
    // laid out: shaping each text is most of what the first paint of the picture costs. Only
    // when the font lacks one of the glyphs does the layout find it in another font.
    if (text.isEmpty()) {
        return;
    }
    const QList<quint32> indexes = glyphs_.glyphIndexesForString(text);
    if (indexes.size() != text.size() || indexes.contains(0)) {
        painter.drawText(QPoint(x, y + ascent_), text);
        return;
    }
    QList<QPointF> positions;
    positions.reserve(indexes.size());
    for (qsizetype i = 0; i < indexes.size(); ++i) {
        positions.append(QPointF(x + static_cast<qreal>(i * view::kCellWidth), y + ascent_));
    }
    QGlyphRun run;
    run.setRawFont(glyphs_);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    painter.drawGlyphRun(QPointF(0, 0), run);
}

} // namespace zelt
