#include "shell/CMainFrame.h"

#include "resources/Icons.h"
#include "shell/CommandCatalogue.h"
#include "shell/CommandIds.h"
#include "shell/CommandSet.h"
#include "shell/LockIndicators.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>

namespace zelt {

namespace {

constexpr int kToolBarIconSize = 16;

} // namespace

CMainFrame::CMainFrame(CommandSet& commands, LockKeyProvider lockKeys, QWidget* parent)
    : QMainWindow(parent), commands_(commands) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(QIcon(ProgramIcon()));
    BuildMenus();
    BuildToolBar();
    BuildStatusBar(std::move(lockKeys));
    BindFrameCommands();
    SetDocumentTitle(QString());
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::SetDocumentTitle(const QString& title) {
    setWindowTitle(title + QStringLiteral(" - ") + QString::fromLatin1(kWindowTitleField));
}

QMenu* CMainFrame::Menu(const char* objectName) const {
    return menuBar()->findChild<QMenu*>(QString::fromLatin1(objectName));
}

void CMainFrame::BuildMenus() {
    for (const MenuInfo& menuInfo : MenuBarLayout()) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(menuInfo.title));
        menu->setObjectName(QString::fromLatin1(menuInfo.objectName));
        for (const int id : menuInfo.items) {
            if (id == kSeparator) {
                menu->addSeparator();
            } else {
                menu->addAction(commands_.Action(id));
            }
        }
        // Availability and check marks are evaluated whenever a menu opens.
        connect(menu, &QMenu::aboutToShow, &commands_, &CommandSet::UpdateStates);
    }
    // Every command's shortcut works window-wide, also while the toolbar is hidden; this also
    // takes the accelerators that have no handler, so they never reach the view as typing.
    for (const CommandInfo& info : AllCommands()) {
        addAction(commands_.Action(info.id));
    }
}

void CMainFrame::BuildToolBar() {
    toolBar_ = new QToolBar(QStringLiteral("Toolbar"), this);
    toolBar_->setObjectName(QStringLiteral("mainToolBar"));
    toolBar_->setIconSize(QSize(kToolBarIconSize, kToolBarIconSize));
    toolBar_->setMovable(true);
    toolBar_->setFloatable(true);
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    for (const int id : ToolBarLayout()) {
        if (id == kSeparator) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* action = commands_.Action(id);
        toolBar_->addAction(action);
        if (QWidget* button = toolBar_->widgetForAction(action)) {
            button->setObjectName(QStringLiteral("toolButton_") + action->objectName());
            button->installEventFilter(this);
        }
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);
}

void CMainFrame::BuildStatusBar(LockKeyProvider lockKeys) {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    messagePane_ = new QLabel(QString::fromLatin1(kReadyText), bar);
    messagePane_->setObjectName(QStringLiteral("messagePane"));
    bar->addWidget(messagePane_, 1);
    indicators_ = new LockIndicators(bar, std::move(lockKeys));
}

void CMainFrame::BindFrameCommands() {
    commands_.Bind(cmd::kToggleToolbar, {[this] { toolBar_->setVisible(toolBar_->isHidden()); },
                                         {},
                                         [this] { return !toolBar_->isHidden(); }});
    commands_.Bind(cmd::kToggleStatusBar,
                   {[this] { statusBar()->setVisible(statusBar()->isHidden()); },
                    {},
                    [this] { return !statusBar()->isHidden(); }});
    // Taken, and deliberately without effect: the program has no undo, clipboard or panes.
    for (const int id :
         {cmd::kUndo, cmd::kCut, cmd::kCopy, cmd::kPaste, cmd::kNextPane, cmd::kPreviousPane}) {
        commands_.Bind(id, {[] {}, {}, {}});
    }
}

bool CMainFrame::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        // The message pane falls back to "Ready" whenever no item is highlighted.
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        messagePane_->setText(tip.isEmpty() ? QString::fromLatin1(kReadyText) : tip);
        return true;
    }
    return QMainWindow::event(event);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        // A button whose command has no tooltip part shows no tooltip at all, rather than
        // Qt's fallback to the item text.
        if (auto* button = qobject_cast<QToolButton*>(watched)) {
            const QAction* action = button->defaultAction();
            if (action != nullptr && !action->property("hasToolTip").toBool()) {
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (closeGuard_ && !closeGuard_()) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace zelt
