#include "dialogs/CKeyWordTable.h"

#include "text/KeywordListText.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QTextEdit>

namespace zelt {

namespace {

// 408 x 300 dialog units of the classic 8-point dialog font, and the text control's rectangle
// from (10, 10) to (600, 480) in the window's pixels.
constexpr int kWindowWidth = 612;
constexpr int kWindowHeight = 488;
constexpr QRect kTextRect(QPoint(10, 10), QPoint(599, 479));
// Tab stops every eight characters keep the keyword and description columns apart.
constexpr int kTabStopCharacters = 8;

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
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setLineWrapMode(QTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setTabStopDistance(QFontMetricsF(text_->font()).horizontalAdvance(QLatin1Char(' ')) *
                              kTabStopCharacters);
    const std::string text = KeywordListText();
    text_->setPlainText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace zelt
