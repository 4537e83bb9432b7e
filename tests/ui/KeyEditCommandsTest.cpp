#include "typing/KeyEditCommands.h"

#include "FakeViewDocument.h"
#include "KeyArea.h"
#include "ModelCode.h"

#include <gtest/gtest.h>

#include <string>

namespace zelt {
namespace {

using test::FakeViewDocument;

class KeyEditCommandsTest : public ::testing::Test {
protected:
    explicit KeyEditCommandsTest(int model = kModelRM0480) : document(model) {}

    ViewState& State() { return view.State(); }
    std::size_t Key() { return static_cast<std::size_t>(State().selectedKey); }
    std::string& Content() { return document.data.keyContents[Key()]; }
    void SetContent(std::string content, int caret) {
        Content() = std::move(content);
        State().caretIndex = caret;
        State().caretColumn = caret;
    }
    bool FlagsCleared() {
        return document.data.blankKeyFlags[Key()] == 0 && document.data.definedKeyFlags[Key()] == 0;
    }
    void ScanCodeMode() { State().keyAsciiMode[Key()] = 0; }
    void FillTemplate() {
        for (std::size_t k = 100; view.SpaceLeft() > 0; ++k) {
            document.data.keyContents[k] = std::string(400, 'x');
        }
    }

    FakeViewDocument document;
    RecordingMessageSink messages;
    ViewController view{document, messages};
    KeyEditCommands edit{view};
};

TEST_F(KeyEditCommandsTest, AvailabilityFollowsModeAndContent) {
    struct Expected {
        bool clear, ascii, scan, caps, shiftLevel, asciiCode, display, scanCode;
    };
    const auto check = [this](const Expected& e) {
        EXPECT_EQ(edit.CanClearKey(), e.clear);
        EXPECT_EQ(edit.CanSetAsciiMode(), e.ascii);
        EXPECT_EQ(edit.CanSetScanCodeMode(), e.scan);
        EXPECT_EQ(edit.CanInsertCapsCode(), e.caps);
        EXPECT_EQ(edit.CanEnterShiftLevel(), e.shiftLevel);
        EXPECT_EQ(edit.CanEnterAsciiCode(), e.asciiCode);
        EXPECT_EQ(edit.CanSwitchAsciiDisplay(), e.display);
        EXPECT_EQ(edit.CanSelectScanCode(), e.scanCode);
    };
    {
        SCOPED_TRACE("empty ASCII key");
        check({false, false, true, true, true, true, true, false});
    }
    {
        SCOPED_TRACE("ASCII key with content");
        SetContent("a", 1);
        check({true, false, true, true, false, true, true, false});
    }
    {
        SCOPED_TRACE("scan-code key with content");
        ScanCodeMode();
        check({true, true, false, false, false, false, false, true});
    }
    {
        SCOPED_TRACE("empty scan-code key");
        SetContent("", 0);
        check({false, true, false, false, false, false, false, true});
    }
}

TEST_F(KeyEditCommandsTest, ClearKeyEmptiesTheKeyAndRedrawsTheStatusArea) {
    SetContent("abc", 2);
    State().decimalCaretIndex = 4;
    EXPECT_EQ(edit.ClearKey(), Redraw::StatusArea);
    EXPECT_EQ(Content(), "");
    EXPECT_EQ(State().caretIndex, 0);
    EXPECT_EQ(State().caretColumn, 0);
    EXPECT_EQ(State().decimalCaretIndex, 0);
    EXPECT_TRUE(document.modified);
    // The flags are the next space computation's business.
    EXPECT_FALSE(FlagsCleared());
}

TEST_F(KeyEditCommandsTest, ClearingTheKeyLockKeyOfTheRM0480ClearsKey122) {
    State().selectedKey = kKeyLockKey - 1;
    SetContent("lock", 4);
    document.data.keyContents[kKeyLockMirrorKey - 1] = "lock";
    edit.ClearKey();
    EXPECT_EQ(Content(), "");
    EXPECT_EQ(document.data.keyContents[kKeyLockMirrorKey - 1], "");
    // Saving would otherwise fill the KeyLock key from key 122 again.
    MirrorKeyLock(document.data.keyContents, document.data.modelCode);
    EXPECT_EQ(Content(), "");
}

TEST_F(KeyEditCommandsTest, ClearingKey161OfAnotherModelLeavesKey122) {
    document.SetModel(kModelTK0550);
    State().selectedKey = kKeyLockKey - 1;
    SetContent("x", 1);
    document.data.keyContents[kKeyLockMirrorKey - 1] = "other";
    edit.ClearKey();
    EXPECT_EQ(document.data.keyContents[kKeyLockMirrorKey - 1], "other");
}

TEST_F(KeyEditCommandsTest, ModeSwitchesEmptyAKeyOfTheOtherModeOnly) {
    SetContent("abc", 3);
    State().decimalDisplay = 1;
    EXPECT_EQ(edit.SetScanCodeMode(), Redraw::All);
    EXPECT_EQ(Content(), "");
    EXPECT_EQ(State().keyAsciiMode[Key()], 0);
    EXPECT_EQ(State().decimalDisplay, 0);
    EXPECT_EQ(State().caretIndex, 0);
    EXPECT_EQ(view.ModeText(), "ScanCode Mode");
    EXPECT_FALSE(edit.CanSetScanCodeMode());

    SetContent("[A]", 3);
    edit.SetScanCodeMode();
    EXPECT_EQ(Content(), "[A]");
    EXPECT_EQ(State().caretIndex, 0);
    edit.SetAsciiMode();
    EXPECT_EQ(Content(), "");
    EXPECT_EQ(State().keyAsciiMode[Key()], 1);
    SetContent("a", 1);
    edit.SetAsciiMode();
    EXPECT_EQ(Content(), "a");
    // Neither marks the template modified.
    EXPECT_FALSE(document.modified);
}

TEST_F(KeyEditCommandsTest, InsertCommandsPutTheirKeywordsAtTheCaret) {
    SetContent("ab", 1);
    EXPECT_EQ(edit.InsertDelayTime(1), Redraw::All);
    EXPECT_EQ(Content(), "a[Delay1]b");
    EXPECT_EQ(State().caretIndex, 9);
    EXPECT_EQ(State().caretColumn, 9);
    EXPECT_TRUE(FlagsCleared());
    EXPECT_TRUE(document.modified);
    edit.InsertDelayTime(15);
    edit.InsertCapsCode();
    edit.EnterLevelSeparator();
    EXPECT_EQ(Content(), "a[Delay1][Delay15][Caps][Separator]b");
    EXPECT_EQ(State().caretIndex, 35);

    SetContent("", 0);
    edit.EnterShiftLevel(7);
    EXPECT_EQ(Content(), "[ShiftLevel7]");
    EXPECT_EQ(State().caretIndex, 13);

    ScanCodeMode();
    SetContent("[A]", 3);
    edit.InsertScanCode("[F6]");
    edit.InsertScanCode("");
    edit.InsertScanCode("[Nonsense");
    EXPECT_EQ(Content(), "[A][F6][Nonsense");
}

TEST_F(KeyEditCommandsTest, TheCaretColumnStopsAtTheLastColumn) {
    SetContent(std::string(80, 'x'), 80);
    edit.InsertDelayTime(100);
    EXPECT_EQ(State().caretIndex, 90);
    EXPECT_EQ(State().caretColumn, 85);
}

TEST_F(KeyEditCommandsTest, ValuesOutsideTheDialogRangesNeverReachTheKey) {
    for (const int tenths : {0, 101, -1}) {
        EXPECT_EQ(edit.InsertDelayTime(tenths), Redraw::None);
    }
    for (const int level : {0, 10}) {
        EXPECT_EQ(edit.EnterShiftLevel(level), Redraw::None);
    }
    for (const int code : {0, 241, 255, 256, -3}) {
        EXPECT_EQ(edit.EnterAsciiCode(code), Redraw::None);
    }
    EXPECT_EQ(Content(), "");
    EXPECT_FALSE(document.modified);
}

TEST_F(KeyEditCommandsTest, AFullTemplateRefusesInsertionsButMarksTheKey) {
    FillTemplate();
    SetContent("ab", 1);
    edit.InsertCapsCode();
    edit.EnterAsciiCode(65);
    edit.InsertDelayTime(5);
    EXPECT_EQ(Content(), "ab");
    EXPECT_TRUE(FlagsCleared());
    EXPECT_TRUE(document.modified);
}

TEST_F(KeyEditCommandsTest, EnterAsciiCodeInsertsTheCharacter) {
    edit.EnterAsciiCode(65);
    EXPECT_EQ(Content(), "A");
    EXPECT_EQ(State().caretIndex, 1);
    EXPECT_EQ(State().caretColumn, 1);
    edit.EnterAsciiCode(240);
    EXPECT_EQ(Content(), "A\xF0");
    edit.EnterAsciiCode(1);
    EXPECT_EQ(Content(), std::string("A\xF0\x01", 3));
    EXPECT_TRUE(FlagsCleared());
}

TEST_F(KeyEditCommandsTest, EnterAsciiCodeInTheDecimalDisplayGoesInFrontOfTheCaretToken) {
    SetContent("A[CR]", 0);
    edit.SwitchAsciiDisplay(messages);
    ASSERT_EQ(State().decimalDisplay, 1);
    // Caret on the [CR] token.
    State().decimalCaretIndex = 4;
    State().caretColumn = 4;
    State().caretIndex = 1;
    edit.EnterAsciiCode(66);
    EXPECT_EQ(Content(), "AB[CR]");
    EXPECT_EQ(State().caretIndex, 1);
    EXPECT_EQ(State().decimalCaretIndex, 4);
    EXPECT_EQ(view.ContentBoxText(), "[65][66][CR]");

    // A bracket by its code breaks the form; the caret then stands on it, and Delete takes it
    // out again.
    edit.EnterAsciiCode('[');
    EXPECT_EQ(Content(), "A[B[CR]");
    EXPECT_EQ(view.ContentBoxText(), "");
    EXPECT_EQ(State().decimalCaretIndex, 0);
    EXPECT_EQ(State().caretColumn, 0);
    EXPECT_EQ(State().caretIndex, 1);
}

TEST_F(KeyEditCommandsTest, AClickInTheEmptyBoxOfABrokenContentPutsTheCaretAtItsStart) {
    SetContent("AB", 0);
    edit.SwitchAsciiDisplay(messages);
    edit.EnterAsciiCode(']');
    ASSERT_EQ(Content(), "]AB");
    ASSERT_EQ(view.ContentBoxText(), "");
    // Column 30 of the box, which shows nothing.
    view.LeftButtonDown(99 + 30 * 7 + 3, 340);
    EXPECT_EQ(State().decimalCaretIndex, 0);
    EXPECT_EQ(State().caretColumn, 0);
    EXPECT_EQ(State().caretIndex, 0);
}

TEST_F(KeyEditCommandsTest, InsertCommandsInTheDecimalDisplayReturnTheCaretToTheStart) {
    SetContent("AB", 0);
    edit.SwitchAsciiDisplay(messages);
    State().decimalCaretIndex = 4;
    State().caretColumn = 4;
    State().caretIndex = 1;
    edit.InsertCapsCode();
    EXPECT_EQ(Content(), "A[Caps]B");
    EXPECT_EQ(State().caretIndex, 0);
    EXPECT_EQ(State().decimalCaretIndex, 0);
    EXPECT_EQ(State().caretColumn, 0);
    EXPECT_EQ(view.ContentBoxText(), "[65][Caps][66]");
    State().decimalCaretIndex = 10;
    State().caretColumn = 10;
    State().caretIndex = 2;
    edit.InsertDelayTime(20);
    EXPECT_EQ(Content(), "A[Caps][Delay20]B");
    edit.EnterLevelSeparator();
    EXPECT_EQ(Content(), "[Separator]A[Caps][Delay20]B");
}

TEST_F(KeyEditCommandsTest, SwitchingTheDecimalDisplayBackAndForth) {
    SetContent("AB", 2);
    EXPECT_EQ(edit.SwitchAsciiDisplay(messages), Redraw::All);
    EXPECT_EQ(State().decimalDisplay, 1);
    EXPECT_EQ(view.ContentBoxText(), "[65][66]");
    EXPECT_EQ(view.ModeText(), "ASCII Decimal Mode");
    EXPECT_EQ(State().caretIndex, 0);
    EXPECT_EQ(State().caretColumn, 0);
    State().decimalCaretIndex = 4;
    edit.SwitchAsciiDisplay(messages);
    EXPECT_EQ(State().decimalDisplay, 0);
    EXPECT_EQ(view.ContentBoxText(), "AB");
    EXPECT_EQ(view.ModeText(), "ASCII Mode");
    EXPECT_EQ(State().decimalCaretIndex, 0);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(KeyEditCommandsTest, TheDecimalDisplayRefusesAContentItCannotShow) {
    SetContent("[F1]", 4);
    EXPECT_EQ(edit.SwitchAsciiDisplay(messages), Redraw::None);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], "Wrong ASCII or function word!!");
    EXPECT_EQ(State().decimalDisplay, 0);
    EXPECT_EQ(State().caretIndex, 4);
}

} // namespace
} // namespace zelt
