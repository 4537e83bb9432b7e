#pragma once

#include "platform/LockKeys.h"

#include <QMainWindow>

#include <functional>

class QLabel;
class QMenu;
class QToolBar;

namespace zelt {

class CommandSet;
class LockIndicators;

// The window title field: the product title, two spaces and the kind of program.
inline constexpr const char* kWindowTitleField = "ZELT  Programmable Keyboard";

// The main window: menu bar, toolbar, status bar and the editor view in the middle. It only
// arranges and shows; the commands themselves are bound into the CommandSet by their owners.
class CMainFrame final : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CommandSet& commands, LockKeyProvider lockKeys, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Caption: the document's title, " - ", and the window title field.
    void SetDocumentTitle(const QString& title);

    // Asked before the window closes (Exit or the close button); false keeps it open.
    void SetCloseGuard(std::function<bool()> guard) { closeGuard_ = std::move(guard); }

    QToolBar* ToolBar() const { return toolBar_; }
    QLabel* MessagePane() const { return messagePane_; }
    LockIndicators* Indicators() const { return indicators_; }
    QMenu* Menu(const char* objectName) const;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar(LockKeyProvider lockKeys);
    void BindFrameCommands();

    CommandSet& commands_;
    QToolBar* toolBar_ = nullptr;
    QLabel* messagePane_ = nullptr;
    LockIndicators* indicators_ = nullptr;
    std::function<bool()> closeGuard_;
};

} // namespace zelt
