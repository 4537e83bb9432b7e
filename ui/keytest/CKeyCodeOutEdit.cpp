#include "keytest/CKeyCodeOutEdit.h"

#include "keytest/CKeyCodeOutView.h"
#include "keytest/KeyCodeTestGeometry.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextCursor>

namespace zelt {

CKeyCodeOutEdit::CKeyCodeOutEdit(CKeyCodeOutView& testWindow, QWidget* parent)
    : QPlainTextEdit(parent), testWindow_(testWindow) {
    setObjectName(QStringLiteral("keyCodeOutEdit"));
    setProperty("controlId", keytest::kEditControlId);
    setReadOnly(true);
    setFrameShape(QFrame::Box);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Keys are the test's input, so the control takes them however it got the focus.
    setFocusPolicy(Qt::StrongFocus);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    Clear();
}

void CKeyCodeOutEdit::Clear() {
    output_.Clear();
    clear();
    shown_ = 0;
}

void CKeyCodeOutEdit::ShowText() {
    const std::string& text = output_.Text();
    if (text.size() < shown_) {
        clear();
        shown_ = 0;
    }
    if (text.size() > shown_) {
        // Appending keeps the cost per key small however long the test has run.
        QTextCursor cursor(document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QString::fromLatin1(text.data() + shown_,
                                              static_cast<qsizetype>(text.size() - shown_)));
        shown_ = text.size();
    }
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

bool CKeyCodeOutEdit::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        // Every key is test input, Tab and the cursor keys included; none moves the focus or
        // the caret.
        if (testWindow_.HandleKeyEvent(*static_cast<QKeyEvent*>(event))) {
            return true;
        }
        return QPlainTextEdit::event(event);
    case QEvent::ShortcutOverride:
        // The main window's accelerators keep working here as everywhere else.
        event->ignore();
        return false;
    default:
        return QPlainTextEdit::event(event);
    }
}

} // namespace zelt
