#include "ExpectedCommands.h"
#include "resources/Icons.h"
#include "shell/CMainFrame.h"
#include "shell/CommandCatalogue.h"
#include "shell/CommandIds.h"
#include "shell/CommandSet.h"
#include "shell/LockIndicators.h"

#include <QAction>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include <map>

namespace zelt {
namespace {

// Records the keys that get past the main window's accelerators. The presses of the modifier
// keys themselves, which the test helpers send around a combination, do not count.
class KeyRecorder final : public QWidget {
public:
    KeyRecorder() { setFocusPolicy(Qt::StrongFocus); }
    std::vector<QKeyCombination> keys;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        if (key != Qt::Key_Control && key != Qt::Key_Shift && key != Qt::Key_Alt) {
            keys.push_back(event->keyCombination());
        }
    }
};

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame = std::make_unique<CMainFrame>(commands, [this] { return locks; });
        recorder = new KeyRecorder;
        frame->setCentralWidget(recorder);
    }

    // Binds every command of the menus so that it counts its runs.
    void BindAllMenuCommands() {
        for (const auto& menu : expected::MenuBar()) {
            for (const auto& item : menu.items) {
                if (item.text != nullptr && !commands.IsBound(item.id)) {
                    commands.Bind(item.id, {[this, id = item.id] { ++runs[id]; }, {}, {}});
                }
            }
        }
    }

    void ShowActive() {
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        recorder->setFocus();
    }

    QString ShownText(const QAction* action) const {
        const QString shortcut = action->shortcut().toString(QKeySequence::PortableText);
        return shortcut.isEmpty() ? action->text() : action->text() + QLatin1Char('\t') + shortcut;
    }

    CommandSet commands;
    LockKeys locks;
    std::unique_ptr<CMainFrame> frame;
    KeyRecorder* recorder = nullptr;
    std::map<int, int> runs;
};

TEST_F(MainFrameTest, MenuBarShowsEveryItemWithItsShortcutAndSeparators) {
    const QList<QAction*> menus = frame->menuBar()->actions();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(expected::MenuBar().size()));
    for (std::size_t m = 0; m < expected::MenuBar().size(); ++m) {
        const auto& want = expected::MenuBar()[m];
        EXPECT_EQ(menus[static_cast<qsizetype>(m)]->text(), QString::fromLatin1(want.title));
        const QList<QAction*> items = menus[static_cast<qsizetype>(m)]->menu()->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(want.items.size())) << want.title;
        for (std::size_t i = 0; i < want.items.size(); ++i) {
            const QAction* item = items[static_cast<qsizetype>(i)];
            if (want.items[i].text == nullptr) {
                EXPECT_TRUE(item->isSeparator()) << want.title << " item " << i;
                continue;
            }
            EXPECT_EQ(ShownText(item), QString::fromLatin1(want.items[i].text));
            EXPECT_EQ(item->property("commandId").toInt(), want.items[i].id);
            EXPECT_FALSE(item->objectName().isEmpty());
        }
    }
}

TEST_F(MainFrameTest, CommandsWithoutHandlerAreUnavailable) {
    commands.UpdateStates();
    for (const auto& menu : expected::MenuBar()) {
        for (const auto& item : menu.items) {
            if (item.text == nullptr) {
                continue;
            }
            const bool frameCommand =
                item.id == cmd::kToggleToolbar || item.id == cmd::kToggleStatusBar;
            EXPECT_EQ(commands.Action(item.id)->isEnabled(), frameCommand) << item.text;
        }
    }
}

TEST_F(MainFrameTest, StatusPromptsAndToolTips) {
    for (const auto& want : expected::Prompts()) {
        const QAction* action = commands.Action(want.id);
        ASSERT_NE(action, nullptr) << want.id;
        EXPECT_EQ(action->statusTip(), QString::fromLatin1(want.status)) << want.id;
        if (*want.toolTip != '\0') {
            EXPECT_EQ(action->toolTip(), QString::fromLatin1(want.toolTip)) << want.id;
        }
    }
}

TEST_F(MainFrameTest, MessagePaneShowsPromptOfHighlightedItemAndReadyOtherwise) {
    ShowActive();
    EXPECT_EQ(frame->MessagePane()->text(), QStringLiteral("Ready"));
    commands.Action(cmd::kSaveAs)->showStatusText(frame.get());
    EXPECT_EQ(frame->MessagePane()->text(),
              QStringLiteral("Save the active Template with a new name"));
    commands.Action(cmd::kKbProperties)->showStatusText(frame.get());
    EXPECT_EQ(frame->MessagePane()->text(), QStringLiteral("Config &KB Properties"));
    // An item without a prompt leaves the pane at its idle text.
    commands.Action(cmd::kKeyboardOutput)->showStatusText(frame.get());
    EXPECT_EQ(frame->MessagePane()->text(), QStringLiteral("Ready"));
}

TEST_F(MainFrameTest, ToolBarHoldsEighteenButtonsInSixGroupsWithSixteenPixelIcons) {
    const QList<QAction*> actions = frame->ToolBar()->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(expected::ToolBar().size()));
    for (qsizetype i = 0; i < actions.size(); ++i) {
        const int want = expected::ToolBar()[static_cast<std::size_t>(i)];
        if (want == 0) {
            EXPECT_TRUE(actions[i]->isSeparator()) << i;
            continue;
        }
        EXPECT_EQ(actions[i]->property("commandId").toInt(), want);
        EXPECT_FALSE(actions[i]->icon().isNull()) << want;
        EXPECT_EQ(ToolBarIcon(FindCommand(want)->icon).size(), QSize(16, 16)) << want;
    }
    EXPECT_EQ(frame->ToolBar()->iconSize(), QSize(16, 16));
    EXPECT_EQ(frame->ToolBar()->allowedAreas(), Qt::AllToolBarAreas);
    EXPECT_TRUE(frame->ToolBar()->isMovable());
}

TEST_F(MainFrameTest, Rs232ButtonStaysGrey) {
    BindAllMenuCommands();
    commands.UpdateStates();
    const QAction* rs232 = commands.Action(cmd::kRs232Config);
    EXPECT_FALSE(rs232->isEnabled());
    auto* button = qobject_cast<QToolButton*>(
        frame->ToolBar()->widgetForAction(commands.Action(cmd::kRs232Config)));
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->isEnabled());
    EXPECT_TRUE(commands.Action(cmd::kNew)->isEnabled());
}

TEST_F(MainFrameTest, ButtonWithoutToolTipPartShowsNoToolTip) {
    ShowActive();
    auto* kb = frame->ToolBar()->widgetForAction(commands.Action(cmd::kKbProperties));
    auto* mr = frame->ToolBar()->widgetForAction(commands.Action(cmd::kMrProperties));
    QHelpEvent kbEvent(QEvent::ToolTip, QPoint(2, 2), kb->mapToGlobal(QPoint(2, 2)));
    QHelpEvent mrEvent(QEvent::ToolTip, QPoint(2, 2), mr->mapToGlobal(QPoint(2, 2)));
    // The frame filters its toolbar buttons' events; QObject's interface is public.
    QObject* filter = frame.get();
    EXPECT_TRUE(filter->eventFilter(kb, &kbEvent));
    EXPECT_FALSE(filter->eventFilter(mr, &mrEvent));
}

TEST_F(MainFrameTest, EveryShortcutTheMenuShowsWorksAndCtrlOLoadsToo) {
    BindAllMenuCommands();
    ShowActive();
    const std::vector<std::pair<QKeyCombination, int>> keys = {
        {Qt::CTRL | Qt::Key_N, cmd::kNew},         {Qt::CTRL | Qt::Key_L, cmd::kLoad},
        {Qt::CTRL | Qt::Key_O, cmd::kLoad},        {Qt::CTRL | Qt::Key_S, cmd::kSave},
        {Qt::CTRL | Qt::Key_D, cmd::kLoadDefault}, {Qt::CTRL | Qt::Key_I, cmd::kImportText},
        {Qt::CTRL | Qt::Key_E, cmd::kExportText},
    };
    for (const auto& [key, id] : keys) {
        runs.clear();
        QTest::keyClick(recorder, key.key(), key.keyboardModifiers());
        EXPECT_EQ(runs[id], 1) << QKeySequence(key).toString().toStdString();
        EXPECT_EQ(runs.size(), 1u) << QKeySequence(key).toString().toStdString();
    }
    EXPECT_TRUE(recorder->keys.empty());
}

TEST_F(MainFrameTest, AcceleratorsWithoutHandlerNeverReachTheView) {
    ShowActive();
    const std::vector<QKeyCombination> taken = {
        Qt::CTRL | Qt::Key_Z,       Qt::ALT | Qt::Key_Backspace, Qt::CTRL | Qt::Key_X,
        Qt::SHIFT | Qt::Key_Delete, Qt::CTRL | Qt::Key_C,        Qt::CTRL | Qt::Key_Insert,
        Qt::CTRL | Qt::Key_V,       Qt::SHIFT | Qt::Key_Insert,  QKeyCombination(Qt::Key_F6),
        Qt::SHIFT | Qt::Key_F6,
    };
    for (const QKeyCombination key : taken) {
        QTest::keyClick(recorder, key.key(), key.keyboardModifiers());
    }
    EXPECT_TRUE(recorder->keys.empty());
    // Ordinary keys still get through.
    QTest::keyClick(recorder, Qt::Key_A);
    QTest::keyClick(recorder, Qt::Key_L, Qt::ShiftModifier);
    EXPECT_EQ(recorder->keys.size(), 2u);
}

TEST_F(MainFrameTest, ViewMenuHidesAndShowsBarsWithCheckMarks) {
    ShowActive();
    QAction* toolBar = commands.Action(cmd::kToggleToolbar);
    QAction* statusBar = commands.Action(cmd::kToggleStatusBar);
    commands.UpdateStates();
    EXPECT_TRUE(toolBar->isChecked());
    EXPECT_TRUE(statusBar->isChecked());

    toolBar->trigger();
    EXPECT_TRUE(frame->ToolBar()->isHidden());
    EXPECT_FALSE(toolBar->isChecked());
    statusBar->trigger();
    EXPECT_TRUE(frame->statusBar()->isHidden());
    EXPECT_FALSE(statusBar->isChecked());

    toolBar->trigger();
    statusBar->trigger();
    EXPECT_FALSE(frame->ToolBar()->isHidden());
    EXPECT_FALSE(frame->statusBar()->isHidden());
    EXPECT_TRUE(toolBar->isChecked());
    EXPECT_TRUE(statusBar->isChecked());
}

TEST_F(MainFrameTest, LockIndicatorsFollowTheLockState) {
    LockIndicators* indicators = frame->Indicators();
    EXPECT_EQ(indicators->CapsPane()->text(), QString());
    EXPECT_EQ(indicators->NumPane()->text(), QString());
    EXPECT_EQ(indicators->ScrollPane()->text(), QString());
    locks = {true, false, true};
    indicators->Refresh();
    EXPECT_EQ(indicators->CapsPane()->text(), QStringLiteral("CAP"));
    EXPECT_EQ(indicators->NumPane()->text(), QString());
    EXPECT_EQ(indicators->ScrollPane()->text(), QStringLiteral("SCRL"));
    locks = {false, true, false};
    indicators->Refresh();
    EXPECT_EQ(indicators->CapsPane()->text(), QString());
    EXPECT_EQ(indicators->NumPane()->text(), QStringLiteral("NUM"));
    EXPECT_EQ(indicators->ScrollPane()->text(), QString());
    // Message pane first, then CAP, NUM, SCRL from left to right.
    frame->show();
    EXPECT_LT(frame->MessagePane()->x(), indicators->CapsPane()->x());
    EXPECT_LT(indicators->CapsPane()->x(), indicators->NumPane()->x());
    EXPECT_LT(indicators->NumPane()->x(), indicators->ScrollPane()->x());
}

TEST_F(MainFrameTest, CaptionIsDocumentTitleAndWindowTitle) {
    frame->SetDocumentTitle(QStringLiteral("Template : RM0480"));
    EXPECT_EQ(frame->windowTitle(),
              QStringLiteral("Template : RM0480 - ZELT  Programmable Keyboard"));
}

TEST_F(MainFrameTest, CloseGuardCanKeepTheWindowOpen) {
    ShowActive();
    bool allow = false;
    int asked = 0;
    frame->SetCloseGuard([&] {
        ++asked;
        return allow;
    });
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    allow = true;
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(asked, 2);
}

} // namespace
} // namespace zelt
