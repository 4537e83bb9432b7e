#include "dialogs/CKeyWordTable.h"

#include "text/KeywordListText.h"

#include <QFontMetricsF>
#include <QList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextOption>

#include <algorithm>

namespace zelt {

namespace {

// 408 x 300 dialog units of the classic 8-point dialog font, and the text control's rectangle
// from (10, 10) to (600, 480) in the window's pixels.
constexpr int kWindowWidth = 612;
constexpr int kWindowHeight = 488;
constexpr QRect kTextRect(QPoint(10, 10), QPoint(599, 479));
// Tab stops every eight characters keep the keyword and description columns apart.
constexpr int kTabStopCharacters = 8;
// Room between the widest keyword and the description column, in spaces.
constexpr int kColumnGapCharacters = 2;
constexpr QLatin1StringView kNoteStart(" Note:");

// The text before a line's first tab, and the number of tabs that follow it.
struct TabbedLine {
    QString lead;
    int tabs = 0;
};

TabbedLine SplitAtTabs(const QString& line) {
    const qsizetype first = line.indexOf(QLatin1Char('\t'));
    if (first < 0) {
        return {};
    }
    qsizetype end = first;
    while (end < line.size() && line[end] == QLatin1Char('\t')) {
        ++end;
    }
    return {line.left(first), static_cast<int>(end - first)};
}

bool IsNoteLine(const TabbedLine& line) {
    return line.lead.isEmpty() || line.lead == kNoteStart;
}

// The rows count their tabs for a font of their own, so tab stops at fixed distances leave the
// descriptions ragged. Each line gets stops of its own instead, the last of which is the column:
// the descriptions start in one column, the note's lines in another, whatever the font, and the
// text keeps the tabs it is made of.
void AlignColumns(QTextEdit& edit) {
    const QFontMetricsF metrics(edit.font());
    const qreal gap = metrics.horizontalAdvance(QLatin1Char(' ')) * kColumnGapCharacters;
    QTextDocument* document = edit.document();
    qreal descriptionColumn = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const TabbedLine line = SplitAtTabs(block.text());
        if (line.tabs > 0 && !IsNoteLine(line)) {
            descriptionColumn = std::max(descriptionColumn, metrics.horizontalAdvance(line.lead));
        }
    }
    descriptionColumn += gap;
    const qreal noteColumn = metrics.horizontalAdvance(kNoteStart) + gap;

    QTextCursor cursor(document);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const TabbedLine line = SplitAtTabs(block.text());
        if (line.tabs == 0) {
            continue;
        }
        const qreal column = IsNoteLine(line) ? noteColumn : descriptionColumn;
        // One pixel apart, so every tab but the last is used up just before the column.
        QList<QTextOption::Tab> stops;
        for (int i = line.tabs - 1; i >= 0; --i) {
            stops.append(QTextOption::Tab(column - i, QTextOption::LeftTab));
        }
        QTextBlockFormat format = block.blockFormat();
        format.setTabPositions(stops);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
}

} // namespace

CKeyWordTable::CKeyWordTable(QWidget* parent) : QDialog(parent), text_(new QTextEdit(this)) {
    setObjectName(QStringLiteral("keyWordTableDialog"));
    setWindowTitle(QString::fromLatin1(kKeyWordTableTitle));
    setFixedSize(kWindowWidth, kWindowHeight);

    text_->setObjectName(QStringLiteral("keyWordText"));
    text_->setProperty("controlId", kKeyWordTextControlId);
    text_->setGeometry(kTextRect);
    text_->setReadOnly(true);
    text_->setAcceptRichText(false);
    // A vertical scroll bar only: long lines wrap at the control's edge instead of hiding their
    // end behind a horizontal scroll bar.
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setLineWrapMode(QTextEdit::WidgetWidth);
    text_->setTabStopDistance(QFontMetricsF(text_->font()).horizontalAdvance(QLatin1Char(' ')) *
                              kTabStopCharacters);
    const std::string text = KeywordListText();
    text_->setPlainText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    AlignColumns(*text_);
}

} // namespace zelt
