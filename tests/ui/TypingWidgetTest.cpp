#include "EditorTest.h"
#include "KeyArea.h"
#include "app/CZELTApp.h"
#include "shell/CMainFrame.h"
#include "shell/CommandIds.h"
#include "view/CZELTView.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace zelt {
namespace {

// The editor as the user has it: started, shown, and typed into with real key events.
class TypingWidgetTest : public test::EditorTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(EditorTest::SetUp());
        ASSERT_NO_FATAL_FAILURE(StartWith(CommPort::Ps2));
        app->MainFrame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&app->MainFrame()));
        View().setFocus();
    }

    CZELTView& View() { return app->View(); }
    ViewState& State() { return View().Controller().State(); }
    CZELTDoc& Doc() { return app->Document(); }
    std::string& Content() {
        return Doc().keyContents[static_cast<std::size_t>(State().selectedKey)];
    }
    QAction* Action(int id) { return app->Commands().Action(id); }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&View(), key, modifiers);
    }
    void Keys(std::initializer_list<Qt::Key> keys) {
        for (const Qt::Key key : keys) {
            Key(key);
        }
    }
    void Keypad(Qt::Key key) { Key(key, Qt::KeypadModifier); }

    // Opens a menu far enough for its items to be evaluated.
    void ShowMenu(const char* name) {
        QMenu* menu = app->MainFrame().Menu(name);
        ASSERT_NE(menu, nullptr);
        emit menu->aboutToShow();
    }
    bool Enabled(int id) { return Action(id)->isEnabled(); }

    // Selects the key drawn at a layout position with the mouse.
    void ClickPosition(int position) {
        const KeyRect& r = Doc().Layout().rects[static_cast<std::size_t>(position)];
        QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(r.x + r.width / 2, r.y + r.height / 2));
    }
};

TEST_F(TypingWidgetTest, ShiftALetterAndEnter) {
    Key(Qt::Key_A, Qt::ShiftModifier);
    Keys({Qt::Key_B, Qt::Key_Return});
    EXPECT_EQ(Content(), "Ab[CR]");
    EXPECT_EQ(State().caretIndex, 6);
    EXPECT_EQ(State().caretColumn, 6);
    EXPECT_EQ(State().shiftReleased, 1);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(View().Controller().ContentBoxText(), "Ab[CR]");
}

TEST_F(TypingWidgetTest, CapsLockStateComesFromThePlatform) {
    locks.capsLock = true;
    Key(Qt::Key_A);
    Key(Qt::Key_B, Qt::ShiftModifier);
    EXPECT_EQ(Content(), "Ab");
}

TEST_F(TypingWidgetTest, ScanCodeModeLetterShiftedDigitAndKeypadFive) {
    Action(cmd::kSetScanCodeMode)->trigger();
    Key(Qt::Key_A);
    Key(Qt::Key_1, Qt::ShiftModifier);
    Keypad(Qt::Key_5);
    EXPECT_EQ(Content(), "[A][1][PAD5]");
    // Shift+1 as a real keyboard reports it.
    Key(Qt::Key_Exclam, Qt::ShiftModifier);
    EXPECT_EQ(Content(), "[A][1][PAD5][1]");
}

TEST_F(TypingWidgetTest, EscAnnouncesTheKeyThatFollows) {
    Action(cmd::kSetScanCodeMode)->trigger();
    Key(Qt::Key_F1);
    EXPECT_EQ(Content(), "");
    Keys({Qt::Key_Escape, Qt::Key_F1});
    EXPECT_EQ(Content(), "[F1]");
    Keys({Qt::Key_Escape, Qt::Key_Escape, Qt::Key_F2});
    EXPECT_EQ(Content(), "[F1][ESC][F2]");
    Keys({Qt::Key_Escape, Qt::Key_E});
    EXPECT_EQ(Content(), "[F1][ESC][F2][0E0]");
    // Tab after ESC is a keyword too; it must not move the focus away.
    Keys({Qt::Key_Escape, Qt::Key_Tab});
    EXPECT_EQ(Content(), "[F1][ESC][F2][0E0][Tab]");
    EXPECT_TRUE(View().hasFocus());
}

TEST_F(TypingWidgetTest, EscThenAnOrdinaryLetterTypesIt) {
    Keys({Qt::Key_Escape, Qt::Key_X});
    EXPECT_EQ(Content(), "x");
    EXPECT_EQ(State().escPending, 0);
}

TEST_F(TypingWidgetTest, AcceleratorsAndMenuKeysNeverReachTheView) {
    // Every key press the typing rules handle changes the view's state; count those. The test
    // helpers press Shift and Ctrl themselves before a combination, and those count once each.
    QSignalSpy handled(&View(), &CZELTView::StateChanged);
    struct Combination {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int modifierPresses;
    };
    const Combination combinations[] = {
        {Qt::Key_Z, Qt::ControlModifier, 1},      {Qt::Key_X, Qt::ControlModifier, 1},
        {Qt::Key_C, Qt::ControlModifier, 1},      {Qt::Key_V, Qt::ControlModifier, 1},
        {Qt::Key_Backspace, Qt::AltModifier, 0},  {Qt::Key_Delete, Qt::ShiftModifier, 1},
        {Qt::Key_Insert, Qt::ControlModifier, 1}, {Qt::Key_Insert, Qt::ShiftModifier, 1},
        {Qt::Key_F6, Qt::NoModifier, 0},          {Qt::Key_F6, Qt::ShiftModifier, 1},
        {Qt::Key_F10, Qt::NoModifier, 0},         {Qt::Key_Alt, Qt::NoModifier, 0},
        {Qt::Key_Q, Qt::AltModifier, 0},
    };
    Keys({Qt::Key_A, Qt::Key_Home});
    for (const Combination& c : combinations) {
        handled.clear();
        Key(c.key, c.modifiers);
        const std::string name = QKeySequence(c.key | c.modifiers).toString().toStdString();
        EXPECT_EQ(handled.count(), c.modifierPresses) << name;
        EXPECT_EQ(Content(), "a") << name;
    }
    // AltGr, which the test helpers cannot type.
    handled.clear();
    QKeyEvent altGr(QEvent::KeyPress, Qt::Key_AltGr, Qt::NoModifier);
    QApplication::sendEvent(&View(), &altGr);
    EXPECT_EQ(handled.count(), 0);
    // Combinations that are no commands are ordinary keys: Ctrl, then K.
    handled.clear();
    Key(Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(handled.count(), 2);
    EXPECT_EQ(Content(), "ka");
}

TEST_F(TypingWidgetTest, CommandlessControlCombinationsTypeTheirLetter) {
    Key(Qt::Key_K, Qt::ControlModifier);
    Key(Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(Content(), "kw");
}

TEST_F(TypingWidgetTest, ArrowsMoveTheCaretAndWithShiftTheSelection) {
    Keys({Qt::Key_A, Qt::Key_B, Qt::Key_Left});
    EXPECT_EQ(State().caretIndex, 1);
    EXPECT_EQ(State().selectedPosition, 0);
    Key(Qt::Key_Right);
    EXPECT_EQ(State().caretIndex, 2);
    Key(Qt::Key_Right, Qt::ShiftModifier);
    const int right = NeighbourKey(Doc().Layout(), 1, 0);
    EXPECT_EQ(State().selectedPosition, right);
    EXPECT_EQ(State().caretIndex, 0);
    Key(Qt::Key_Down);
    const int below = NeighbourKey(Doc().Layout(), 3, right);
    EXPECT_EQ(State().selectedPosition, below);
    Key(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(State().selectedPosition, NeighbourKey(Doc().Layout(), 2, below));
    EXPECT_EQ(State().keyRaised[static_cast<std::size_t>(State().selectedPosition)], 0);
}

TEST_F(TypingWidgetTest, TheRightShiftIsToldApartByItsScanCode) {
    View().SetNativeKeyCodes(NativeKeyCodes::Evdev);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, 54 + 8, 0, 0);
    QApplication::sendEvent(&View(), &press);
    EXPECT_EQ(State().shiftReleased, 0);
    Key(Qt::Key_Escape);
    QKeyEvent again(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, 54 + 8, 0, 0);
    QApplication::sendEvent(&View(), &again);
    EXPECT_EQ(Content(), "[RightShift]");
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier, 54 + 8, 0, 0);
    QApplication::sendEvent(&View(), &release);
    EXPECT_EQ(State().shiftReleased, 1);
}

TEST_F(TypingWidgetTest, HomeOnALongContentShowsItsStart) {
    std::string content;
    for (int i = 0; i < 90; ++i) {
        content += static_cast<char>('a' + i % 26);
    }
    Content() = content;
    Key(Qt::Key_End);
    EXPECT_EQ(State().caretIndex, 90);
    EXPECT_EQ(State().caretColumn, 85);
    EXPECT_EQ(View().Controller().ContentBoxText(), content.substr(5, 85));
    Key(Qt::Key_Home);
    EXPECT_EQ(State().caretIndex, 0);
    EXPECT_EQ(State().caretColumn, 0);
    EXPECT_EQ(View().Controller().ContentBoxText(), content.substr(0, 85));
}

TEST_F(TypingWidgetTest, BackspaceAtColumnZeroOfAScrolledBoxRemovesNothing) {
    Content() = std::string(100, 'x');
    Key(Qt::Key_End);
    for (int i = 0; i < 90; ++i) {
        Key(Qt::Key_Left);
    }
    ASSERT_EQ(State().caretColumn, 0);
    ASSERT_EQ(State().caretIndex, 10);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Content().size(), 100u);
    EXPECT_EQ(State().caretIndex, 10);
}

TEST_F(TypingWidgetTest, DeleteAtTheEndStillMarksTheKeyModified) {
    Keys({Qt::Key_A, Qt::Key_B});
    Doc().blankKeyFlags.fill(0);
    Doc().definedKeyFlags.fill(1);
    Key(Qt::Key_Delete);
    EXPECT_EQ(Content(), "ab");
    View().Render();
    EXPECT_EQ(View().Controller().LabelStateOf(0), LabelState::Modified);
    EXPECT_EQ(View().Controller().LabelStateOf(1), LabelState::Blank);
}

TEST_F(TypingWidgetTest, TheLastByteOfSpaceTakesAWholeKeywordAndThenNoMore) {
    Action(cmd::kSetScanCodeMode)->trigger();
    for (std::size_t k = 100; View().Controller().SpaceLeft() > 1; ++k) {
        const int excess = View().Controller().SpaceLeft() - 1;
        Doc().keyContents[k] = std::string(static_cast<std::size_t>(std::min(excess, 400)), 'x');
    }
    ASSERT_EQ(View().Controller().SpaceLeft(), 1);
    Keys({Qt::Key_Escape, Qt::Key_PageUp});
    EXPECT_EQ(Content(), "[PageUp]");
    EXPECT_LT(View().Controller().SpaceLeft(), 0);
    Key(Qt::Key_A);
    EXPECT_EQ(Content(), "[PageUp]");
}

TEST_F(TypingWidgetTest, TheDecimalDisplayTakesNoTypingAndMovesByTokens) {
    Keys({Qt::Key_A, Qt::Key_B});
    Key(Qt::Key_A, Qt::ShiftModifier);
    Action(cmd::kSwitchAsciiDisplay)->trigger();
    EXPECT_EQ(View().Controller().ContentBoxText(), "[97][98][65]");
    Keys({Qt::Key_C, Qt::Key_1, Qt::Key_Space});
    Keypad(Qt::Key_7);
    EXPECT_EQ(Content(), "abA");
    Key(Qt::Key_Right);
    EXPECT_EQ(State().decimalCaretIndex, 4);
    Key(Qt::Key_Right);
    EXPECT_EQ(State().decimalCaretIndex, 8);
    Key(Qt::Key_Left);
    EXPECT_EQ(State().decimalCaretIndex, 4);
    EXPECT_EQ(State().caretColumn, 4);
    Key(Qt::Key_Delete);
    EXPECT_EQ(Content(), "aA");
    EXPECT_EQ(View().Controller().ContentBoxText(), "[97][65]");
}

TEST_F(TypingWidgetTest, KeypadWithoutNumLockNavigates) {
    Keys({Qt::Key_A, Qt::Key_B, Qt::Key_C});
    Keypad(Qt::Key_Home);
    EXPECT_EQ(State().caretIndex, 0);
    Keypad(Qt::Key_Right);
    EXPECT_EQ(State().caretIndex, 1);
    Keypad(Qt::Key_End);
    EXPECT_EQ(State().caretIndex, 3);
    Keypad(Qt::Key_Down);
    EXPECT_EQ(State().selectedPosition, NeighbourKey(Doc().Layout(), 3, 0));
    Keypad(Qt::Key_1);
    EXPECT_EQ(Content(), "1");
}

TEST_F(TypingWidgetTest, KeyEditMenuFollowsTheSelectedKey) {
    ShowMenu("menuKeyEdit");
    EXPECT_FALSE(Enabled(cmd::kClearKey));
    EXPECT_FALSE(Enabled(cmd::kSetAsciiMode));
    EXPECT_TRUE(Enabled(cmd::kSetScanCodeMode));
    EXPECT_TRUE(Enabled(cmd::kInsertCapsCode));
    EXPECT_TRUE(Enabled(cmd::kInsertDelayTime));
    EXPECT_TRUE(Enabled(cmd::kEnterLevelSeparator));
    EXPECT_TRUE(Enabled(cmd::kEnterShiftLevel));
    EXPECT_TRUE(Enabled(cmd::kEnterAsciiCode));
    EXPECT_TRUE(Enabled(cmd::kSwitchAsciiDisplay));
    EXPECT_FALSE(Enabled(cmd::kSelectScanCode));
    // Typing updates the toolbar without a menu being opened.
    Key(Qt::Key_A);
    EXPECT_TRUE(Enabled(cmd::kClearKey));
    EXPECT_FALSE(Enabled(cmd::kEnterShiftLevel));
    Action(cmd::kSetScanCodeMode)->trigger();
    EXPECT_EQ(Content(), "");
    EXPECT_EQ(View().Controller().ModeText(), "ScanCode Mode");
    EXPECT_FALSE(Enabled(cmd::kSetScanCodeMode));
    EXPECT_TRUE(Enabled(cmd::kSetAsciiMode));
    EXPECT_TRUE(Enabled(cmd::kSelectScanCode));
    EXPECT_FALSE(Enabled(cmd::kInsertCapsCode));
    EXPECT_FALSE(Enabled(cmd::kEnterAsciiCode));
    EXPECT_FALSE(Enabled(cmd::kSwitchAsciiDisplay));
    EXPECT_FALSE(Enabled(cmd::kClearKey));
}

TEST_F(TypingWidgetTest, DelayTimeGoesInAtTheCaret) {
    Keys({Qt::Key_A, Qt::Key_B, Qt::Key_Left});
    dialogs.delayTimes = {1};
    Action(cmd::kInsertDelayTime)->trigger();
    EXPECT_EQ(Content(), "a[Delay1]b");
    EXPECT_EQ(State().caretIndex, 9);
    dialogs.delayTimes = {std::nullopt};
    Action(cmd::kInsertDelayTime)->trigger();
    EXPECT_EQ(Content(), "a[Delay1]b");
    // A value no dialog may give never reaches the key.
    dialogs.delayTimes = {0};
    Action(cmd::kInsertDelayTime)->trigger();
    EXPECT_EQ(Content(), "a[Delay1]b");
}

TEST_F(TypingWidgetTest, AsciiCodeAndShiftLevelThroughTheirDialogs) {
    dialogs.asciiCodes = {65};
    Action(cmd::kEnterAsciiCode)->trigger();
    EXPECT_EQ(Content(), "A");
    Action(cmd::kClearKey)->trigger();
    EXPECT_EQ(Content(), "");
    dialogs.shiftLevels = {4};
    Action(cmd::kEnterShiftLevel)->trigger();
    EXPECT_EQ(Content(), "[ShiftLevel4]");
    // With the key no longer empty the command is unavailable, and its shortcut-free trigger
    // does nothing either.
    EXPECT_FALSE(Enabled(cmd::kEnterShiftLevel));
    Action(cmd::kEnterShiftLevel)->trigger();
    EXPECT_EQ(Content(), "[ShiftLevel4]");
    EXPECT_EQ(dialogs.events.back(), "shift level");
}

TEST_F(TypingWidgetTest, ScanCodeListInsertsTheChoice) {
    Action(cmd::kSetScanCodeMode)->trigger();
    dialogs.scanCodes = {std::string("[F6]"), std::string(""), std::nullopt};
    Action(cmd::kSelectScanCode)->trigger();
    Action(cmd::kSelectScanCode)->trigger();
    Action(cmd::kSelectScanCode)->trigger();
    EXPECT_EQ(Content(), "[F6]");
}

TEST_F(TypingWidgetTest, DecimalDisplayOfAB) {
    Key(Qt::Key_A, Qt::ShiftModifier);
    Key(Qt::Key_B, Qt::ShiftModifier);
    Action(cmd::kSwitchAsciiDisplay)->trigger();
    EXPECT_EQ(View().Controller().ContentBoxText(), "[65][66]");
    EXPECT_EQ(View().Controller().ModeText(), "ASCII Decimal Mode");
    EXPECT_EQ(State().caretIndex, 0);
    EXPECT_EQ(State().caretColumn, 0);
    Action(cmd::kSwitchAsciiDisplay)->trigger();
    EXPECT_EQ(View().Controller().ContentBoxText(), "AB");
    EXPECT_EQ(View().Controller().ModeText(), "ASCII Mode");
    EXPECT_EQ(State().caretIndex, 0);
}

TEST_F(TypingWidgetTest, DecimalDisplayOfAnInvalidContentIsRefused) {
    Key(Qt::Key_BracketLeft);
    Action(cmd::kSwitchAsciiDisplay)->trigger();
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Wrong ASCII or function word!!"});
    EXPECT_EQ(State().decimalDisplay, 0);
}

TEST_F(TypingWidgetTest, ChoosingTheCurrentModelAsksAndClearsEveryKey) {
    Key(Qt::Key_A);
    Doc().keyContents[50] = "kept?";
    Key(Qt::Key_Right, Qt::ShiftModifier);
    dialogs.keyboardConfirmations = {false, true};
    Action(cmd::kModelRM0480)->trigger();
    EXPECT_EQ(Doc().keyContents[50], "kept?");
    EXPECT_NE(State().selectedPosition, 0);
    Action(cmd::kModelRM0480)->trigger();
    for (const std::string& content : Doc().keyContents) {
        EXPECT_EQ(content, "");
    }
    EXPECT_EQ(State().selectedPosition, 0);
    EXPECT_EQ(State().selectedKey, Doc().Layout().positionToKey[0]);
    EXPECT_EQ(State().caretIndex, 0);
    ShowMenu("menuKeyboard");
    EXPECT_TRUE(Action(cmd::kModelRM0480)->isChecked());
    EXPECT_FALSE(Action(cmd::kModelRM0410)->isChecked());
}

TEST_F(TypingWidgetTest, ClearingTheKeyLockKeyOfTheRM0480ClearsKey122) {
    State().selectedKey = kKeyLockKey - 1;
    Keys({Qt::Key_L, Qt::Key_K});
    Doc().keyContents[kKeyLockMirrorKey - 1] = "lk";
    Action(cmd::kClearKey)->trigger();
    EXPECT_EQ(Content(), "");
    EXPECT_EQ(Doc().keyContents[kKeyLockMirrorKey - 1], "");
}

TEST_F(TypingWidgetTest, KeyWordListOpensThroughItsDialogAndChangesNothing) {
    Keys({Qt::Key_A, Qt::Key_B});
    const ViewState before = State();
    Action(cmd::kKeyWordList)->trigger();
    EXPECT_EQ(dialogs.events.back(), "key word list");
    EXPECT_EQ(Content(), "ab");
    EXPECT_EQ(State().selectedPosition, before.selectedPosition);
    EXPECT_EQ(State().caretIndex, before.caretIndex);
}

TEST_F(TypingWidgetTest, WhileTheKeyboardOutputTestIsShownTypingRests) {
    Action(cmd::kKeyboardOutput)->trigger();
    Keys({Qt::Key_Escape, Qt::Key_A});
    EXPECT_EQ(Content(), "");
    EXPECT_EQ(State().escPending, 0);
}

TEST_F(TypingWidgetTest, LosingTheFocusForgetsAHeldShift) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    QApplication::sendEvent(&View(), &press);
    ASSERT_EQ(State().shiftReleased, 0);
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(&View(), &out);
    EXPECT_EQ(State().shiftReleased, 1);
    Key(Qt::Key_A);
    EXPECT_EQ(Content(), "a");
}

} // namespace
} // namespace zelt
