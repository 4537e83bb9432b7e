#include "keytest/CKeyCodeOutView.h"

#include "input/KeyEventMapping.h"
#include "keytest/CKeyCodeOutEdit.h"
#include "keytest/ChildWindowFrame.h"
#include "keytest/KeyCodeTestGeometry.h"
#include "view/CZELTView.h"
#include "view/ViewFont.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace zelt {

namespace {

QRect ToRect(const view::Box& box) {
    return QRect(box.left, box.top, box.right - box.left, box.bottom - box.top);
}

QColor ToColor(view::Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// A 1-pixel line along one row or one column, drawn as a pen moves: from its start point up to
// the end point, which is left for the next line to start at.
void Line(QPainter& painter, QPoint from, QPoint to, view::Rgb colour) {
    const QPoint step((to.x() > from.x()) - (to.x() < from.x()),
                      (to.y() > from.y()) - (to.y() < from.y()));
    painter.fillRect(QRect(from, to - step).normalized(), ToColor(colour));
}

} // namespace

CKeyCodeOutView::CKeyCodeOutView(CZELTView& editorView, LockKeyProvider lockKeys)
    : QWidget(&editorView), editorView_(&editorView), lockKeys_(std::move(lockKeys)),
      titleFont_(MakeViewFont()), titleAscent_(QFontMetrics(titleFont_).ascent()) {
    setObjectName(QStringLiteral("keyCodeOutView"));
    setProperty("controlId", keytest::kWindowControlId);
    setWindowTitle(QString::fromLatin1(keytest::kCaption));
    setGeometry(ToRect(keytest::kWindowRect));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    edit_ = new CKeyCodeOutEdit(*this, this);
    edit_->setGeometry(ToRect(keytest::kTextRect).translated(ClientRect().topLeft()));
    Reset();
}

void CKeyCodeOutView::Reset() {
    // Hiding the window that has the keyboard would leave it to Qt's focus chain; the editor
    // view is where the user expects to go on typing.
    const QWidget* focus = QApplication::focusWidget();
    const bool hadFocus = focus != nullptr && (focus == this || isAncestorOf(focus));
    hide();
    if (hadFocus && editorView_ != nullptr) {
        editorView_->setFocus(Qt::OtherFocusReason);
    }
    visibleFlag_ = 0;
    dragOffset_.reset();
    edit_->Clear();
}

void CKeyCodeOutView::Open(CZELTView& editorView) {
    editorView_ = &editorView;
    edit_->Clear();
    show();
    raise();
    visibleFlag_ = 1;
    edit_->setFocus(Qt::OtherFocusReason);
    update();
}

void CKeyCodeOutView::Quit() {
    hide();
    visibleFlag_ = 0;
    dragOffset_.reset();
    if (editorView_ != nullptr) {
        editorView_->show();
        editorView_->setFocus(Qt::OtherFocusReason);
        editorView_->RedrawAll();
    }
}

bool CKeyCodeOutView::HandleKeyEvent(const QKeyEvent& event) {
    if (IsMenuKey(event)) {
        return false;
    }
    const LockKeys locks = lockKeys_ ? lockKeys_() : LockKeys{};
    // Keys without a meaning here (an auto-repeated release, a key no PC keyboard has) are
    // taken all the same and write nothing.
    if (const std::optional<pc::KeyCode> key = MapKeyEvent(event, locks.numLock)) {
        if (key->IsRelease()) {
            KeyUp(key->scanFlags);
        } else {
            KeyDown(key->virtualKey, key->scanFlags);
        }
    }
    update();
    return true;
}

void CKeyCodeOutView::KeyDown(int charCode, int keyFlags) {
    const bool capsLock = lockKeys_ && lockKeys_().capsLock;
    edit_->Output().KeyDown(charCode, keyFlags, capsLock);
    edit_->ShowText();
}

void CKeyCodeOutView::KeyUp(int keyFlags) {
    edit_->Output().KeyUp(keyFlags);
}

QRect CKeyCodeOutView::ClientRect() const {
    return childframe::ClientRect(size());
}

void CKeyCodeOutView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    childframe::Paint(painter, rect(), windowTitle(), true);
    painter.translate(ClientRect().topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), ClientRect().size()));
    PaintClient(painter);
}

void CKeyCodeOutView::PaintClient(QPainter& painter) const {
    painter.fillRect(QRect(QPoint(0, 0), ClientRect().size()), ToColor(view::kBackground));
    painter.setFont(titleFont_);
    painter.setPen(ToColor(view::kBlack));
    const auto text = [&](view::Point at, const char* value) {
        painter.drawText(QPoint(at.x, at.y + titleAscent_), QString::fromLatin1(value));
    };
    text(keytest::kHeadingAt, keytest::kHeading);

    // The Quit button: lit from the top left, shaded at the bottom right.
    const view::Box& quit = keytest::kQuitRect;
    Line(painter, {quit.left, quit.bottom}, {quit.left, quit.top}, view::kWhite);
    Line(painter, {quit.left, quit.top}, {quit.right, quit.top}, view::kWhite);
    Line(painter, {quit.right, quit.top}, {quit.right, quit.bottom}, view::kBlack);
    Line(painter, {quit.right, quit.bottom}, {quit.left, quit.bottom}, view::kBlack);
    text(keytest::kQuitTextAt, keytest::kQuitText);
}

void CKeyCodeOutView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (childframe::CaptionRect(size()).contains(at)) {
        dragOffset_ = at;
        return;
    }
    const QPoint client = at - ClientRect().topLeft();
    if (keytest::kQuitRect.StrictlyContains(client.x(), client.y())) {
        Quit();
    }
}

void CKeyCodeOutView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragOffset_ || parentWidget() == nullptr) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    // The caption stays inside the editor view, so the window can always be caught again.
    const QPoint wanted = mapToParent(event->position().toPoint()) - *dragOffset_;
    const QRect area = parentWidget()->rect();
    const int x = std::clamp(wanted.x(), area.left() - width() + childframe::kCaptionHeight,
                             std::max(area.left(), area.right() - childframe::kCaptionHeight));
    const int y = std::clamp(wanted.y(), area.top(),
                             std::max(area.top(), area.bottom() - childframe::kCaptionHeight));
    move(x, y);
}

void CKeyCodeOutView::mouseReleaseEvent(QMouseEvent* event) {
    dragOffset_.reset();
    QWidget::mouseReleaseEvent(event);
}

bool CKeyCodeOutView::event(QEvent* event) {
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
        HandleKeyEvent(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QWidget::event(event);
}

} // namespace zelt
