#pragma once

#include "input/KeyEventMapping.h"
#include "platform/LockKeys.h"
#include "transfer/KeyboardPort.h"
#include "typing/KeyEditCommands.h"
#include "typing/KeyTyping.h"
#include "view/ViewController.h"
#include "view/ViewMouseHandler.h"
#include "view/ViewOverlay.h"
#include "view/ViewPainter.h"

#include <QImage>
#include <QWidget>

namespace zelt {

class CKeyCodeOutView;

// The editor view: the key picture, the status lines and the content box. It paints what its
// controller holds and hands mouse and key events to it; all decisions live in the controller
// and its helpers.
class CZELTView final : public QWidget {
    Q_OBJECT
public:
    CZELTView(ViewDocument& document, MessageSink& messages, QWidget* parent = nullptr);

    ViewController& Controller() { return controller_; }
    KeyTyping& Typing() { return typing_; }
    KeyEditCommands& EditCommands() { return editCommands_; }
    // The port chosen at start-up with its transport, kept for the life of the program.
    KeyboardPort& Port() { return port_; }

    // Resets the selection for a new or loaded template and repaints. Also makes the keyboard
    // output test window, hidden; a later initial update puts the same window back into that
    // state rather than making another.
    void InitialUpdate();

    // Where the Caps Lock and Num Lock state comes from.
    void SetLockKeys(LockKeyProvider lockKeys) { lockKeys_ = std::move(lockKeys); }

    // The keyboard output test window; nullptr before the first initial update.
    CKeyCodeOutView* KeyCodeOut() const { return keyCodeOut_; }

    // Repaints as an operation asked for.
    void Apply(Redraw redraw);
    void RedrawAll();
    void RedrawContentBox();
    void RedrawStatusArea();

    // The whole view painted into an image of the view's fixed picture size.
    QImage Render();

    // Drawn over the picture from the next paint on; nullptr takes it away. The view does not
    // own it.
    void SetOverlay(const ViewOverlay* overlay) { overlay_ = overlay; }
    const ViewOverlay* Overlay() const { return overlay_; }

    // What the native scan codes of key events mean (the running platform's, unless a test
    // says).
    void SetNativeKeyCodes(NativeKeyCodes native) { nativeKeyCodes_ = native; }

signals:
    // The view's state changed; command availability may have changed with it.
    void StateChanged();
    // The view has been painted on screen for the first time.
    void FirstPainted();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    LockKeys CurrentLockKeys() const;

    ViewController controller_;
    ViewPainter painter_;
    ViewMouseHandler mouse_;
    KeyboardPort port_;
    KeyTyping typing_;
    KeyEditCommands editCommands_;
    NativeKeyCodes nativeKeyCodes_ = PlatformNativeKeyCodes();
    const ViewOverlay* overlay_ = nullptr;
    LockKeyProvider lockKeys_ = QueryLockKeys;
    CKeyCodeOutView* keyCodeOut_ = nullptr;
    bool painted_ = false;
};

} // namespace zelt
