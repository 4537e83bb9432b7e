#include "view/CZELTView.h"

#include "keytest/CKeyCodeOutView.h"
#include "view/ViewFont.h"
#include "view/ViewGeometry.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zelt {

namespace {

QRect ToRect(const view::Box& box) {
    return QRect(box.left, box.top, box.right - box.left, box.bottom - box.top);
}

} // namespace

CZELTView::CZELTView(ViewDocument& document, MessageSink& messages, QWidget* parent)
    : QWidget(parent), controller_(document, messages), painter_(MakeViewFont()),
      mouse_(controller_), typing_(controller_), editCommands_(controller_) {
    setObjectName(QStringLiteral("editorView"));
    setMinimumSize(view::kViewWidth, view::kViewHeight);
    setFocusPolicy(Qt::StrongFocus);
    // Everything is painted, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CZELTView::InitialUpdate() {
    controller_.InitialUpdate();
    if (keyCodeOut_ == nullptr) {
        keyCodeOut_ =
            new CKeyCodeOutView(*this, [this] { return lockKeys_ ? lockKeys_() : LockKeys{}; });
    } else {
        keyCodeOut_->Reset();
    }
    RedrawAll();
}

void CZELTView::Apply(Redraw redraw) {
    switch (redraw) {
    case Redraw::None:
        return;
    case Redraw::ContentBox:
        RedrawContentBox();
        break;
    case Redraw::StatusArea:
        RedrawStatusArea();
        break;
    case Redraw::All:
        RedrawAll();
        break;
    }
    emit StateChanged();
}

void CZELTView::RedrawAll() {
    update();
}
void CZELTView::RedrawContentBox() {
    update(ToRect(view::kContentBox));
}
void CZELTView::RedrawStatusArea() {
    update(ToRect(view::kStatusArea));
}

QImage CZELTView::Render() {
    QImage image(view::kViewWidth, view::kViewHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    painter_.Paint(painter, controller_, image.rect());
    if (overlay_ != nullptr) {
        overlay_->Paint(painter);
    }
    return image;
}

bool CZELTView::event(QEvent* event) {
    // While the keyboard output test is shown, every key belongs to it, Tab included (which
    // would otherwise move the focus before any key handler saw it).
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
        keyCodeOut_ != nullptr && keyCodeOut_->VisibleFlag() == 1 &&
        keyCodeOut_->HandleKeyEvent(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    // Otherwise Tab belongs to the content (after ESC it enters "[Tab]"): it must not move the
    // focus either.
    if (event->type() == QEvent::KeyPress) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (keyEvent->key() == Qt::Key_Tab || keyEvent->key() == Qt::Key_Backtab) {
            keyPressEvent(keyEvent);
            return true;
        }
    }
    return QWidget::event(event);
}

void CZELTView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter_.Paint(painter, controller_, rect());
    if (overlay_ != nullptr) {
        overlay_->Paint(painter);
    }
    if (!painted_) {
        painted_ = true;
        emit FirstPainted();
    }
}

void CZELTView::mousePressEvent(QMouseEvent* event) {
    Apply(mouse_.Press(*event));
    QWidget::mousePressEvent(event);
}

void CZELTView::keyPressEvent(QKeyEvent* event) {
    if (IsMenuKey(*event)) {
        event->ignore();
        return;
    }
    event->accept();
    const LockKeys locks = CurrentLockKeys();
    if (const auto key = MapKeyEvent(*event, locks.numLock, nativeKeyCodes_)) {
        Apply(typing_.KeyDown(*key, locks));
    }
}

void CZELTView::keyReleaseEvent(QKeyEvent* event) {
    // Releases are never the menu's: a Shift released while Alt is held must still count.
    event->accept();
    if (const auto key = MapKeyEvent(*event, CurrentLockKeys().numLock, nativeKeyCodes_)) {
        Apply(typing_.KeyUp(*key));
    }
}

LockKeys CZELTView::CurrentLockKeys() const {
    return lockKeys_ ? lockKeys_() : LockKeys{};
}

void CZELTView::focusOutEvent(QFocusEvent* event) {
    typing_.KeyboardLost();
    QWidget::focusOutEvent(event);
}

} // namespace zelt
