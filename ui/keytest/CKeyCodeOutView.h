#pragma once

#include "platform/LockKeys.h"

#include <QFont>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <optional>

class QKeyEvent;

namespace zelt {

class CKeyCodeOutEdit;
class CZELTView;

// The keyboard output test: a captioned child window of the editor view that shows, as text,
// what the keys pressed while it is shown send. It is made hidden and shown by the "Keyboard
// Output" command; the Quit button it draws hides it again.
//
// Key events reach it from three places while it is shown: its text control, the window itself
// and the editor view (which then types nothing). All of them end in HandleKeyEvent.
class CKeyCodeOutView final : public QWidget {
    Q_OBJECT
public:
    CKeyCodeOutView(CZELTView& editorView, LockKeyProvider lockKeys);

    // As the editor view makes it at an initial update: hidden, with an empty test text.
    void Reset();

    // "Keyboard Output": empties the test text and shows the test, with the keyboard focus on
    // its text.
    void Open(CZELTView& editorView);
    // The Quit button: hides the test and gives the editor view back the keyboard.
    void Quit();

    // 1 while the test is shown; the editor view passes its keys on while it is.
    int VisibleFlag() const { return visibleFlag_; }

    // A key press or release from any of the three places. Returns false for the keys that
    // belong to the menu bar (Alt, F10, Alt with another key): the caller passes those on.
    bool HandleKeyEvent(const QKeyEvent& event);
    // A key press as character code and key flags, and a release as key flags.
    void KeyDown(int charCode, int keyFlags);
    void KeyUp(int keyFlags);

    CKeyCodeOutEdit& Edit() { return *edit_; }
    const CKeyCodeOutEdit& Edit() const { return *edit_; }

    // The client area, inside the frame and caption, in this widget's coordinates; the test's
    // positions are relative to its top left corner.
    QRect ClientRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void PaintClient(QPainter& painter) const;

    QPointer<CZELTView> editorView_;
    LockKeyProvider lockKeys_;
    CKeyCodeOutEdit* edit_ = nullptr;
    int visibleFlag_ = 0;
    QFont titleFont_;
    int titleAscent_ = 0;
    // Where the caption was grabbed, while the window is being dragged.
    std::optional<QPoint> dragOffset_;
};

} // namespace zelt
