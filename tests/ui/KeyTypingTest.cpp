#include "typing/KeyTyping.h"

#include "FakeViewDocument.h"
#include "KeyArea.h"
#include "ModelCode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace zelt {
namespace {

using test::FakeViewDocument;

// Key presses as the mapping delivers them: virtual-key code and scan flags.
constexpr pc::KeyCode kEsc{27, 0x01};
constexpr pc::KeyCode kF1{112, 0x3B};
constexpr pc::KeyCode kF2{113, 0x3C};
constexpr pc::KeyCode kEnter{13, 0x1C};
constexpr pc::KeyCode kKeypadEnter{13, 0x11C};
constexpr pc::KeyCode kLeftShift{16, 0x2A};
constexpr pc::KeyCode kRightShift{16, 0x36};
constexpr pc::KeyCode kSpace{32, 0x39};
constexpr pc::KeyCode kHome{36, 0x147};
constexpr pc::KeyCode kEnd{35, 0x14F};
constexpr pc::KeyCode kLeft{37, 0x14B};
constexpr pc::KeyCode kRight{39, 0x14D};
constexpr pc::KeyCode kUp{38, 0x148};
constexpr pc::KeyCode kDown{40, 0x150};
constexpr pc::KeyCode kPageUp{33, 0x149};
constexpr pc::KeyCode kBackspace{8, 0x0E};
constexpr pc::KeyCode kDelete{46, 0x153};
constexpr pc::KeyCode kKeypad5NumLock{101, 0x4C};
constexpr pc::KeyCode kKeypad5NoNumLock{12, 0x4C};
constexpr pc::KeyCode kKeypad9NoNumLock{33, 0x49};

pc::KeyCode Letter(char upper) {
    // The scan code of a letter key of the US layout.
    constexpr std::string_view rows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    constexpr int firstScan[] = {0x10, 0x1E, 0x2C};
    for (int row = 0; row < 3; ++row) {
        const auto at = rows[row].find(upper);
        if (at != std::string_view::npos) {
            return {upper, firstScan[row] + static_cast<int>(at)};
        }
    }
    ADD_FAILURE() << "no letter " << upper;
    return {};
}

pc::KeyCode Digit(char digit) {
    return {digit, digit == '0' ? 0x0B : 0x02 + (digit - '1')};
}

pc::KeyCode Repeat(pc::KeyCode key) {
    return {key.virtualKey, key.scanFlags | pc::kAutoRepeat};
}

pc::KeyCode Release(pc::KeyCode key) {
    return {key.virtualKey, key.scanFlags | pc::kRelease};
}

class KeyTypingTest : public ::testing::Test {
protected:
    explicit KeyTypingTest(int model = kModelRM0480) : document(model) {}

    ViewState& State() { return view.State(); }
    std::size_t Key() { return static_cast<std::size_t>(State().selectedKey); }
    std::string& Content() { return document.data.keyContents[Key()]; }
    void SetContent(std::string content, int caret = -1) {
        Content() = std::move(content);
        const int at = caret < 0 ? static_cast<int>(Content().size()) : caret;
        State().caretIndex = at;
        State().caretColumn = std::min(at, 85);
    }
    void ScanCodeMode() { State().keyAsciiMode[Key()] = 0; }
    void DecimalDisplay() {
        State().decimalDisplay = 1;
        State().caretIndex = State().decimalCaretIndex = State().caretColumn = 0;
    }
    bool FlagsCleared() {
        return document.data.blankKeyFlags[Key()] == 0 && document.data.definedKeyFlags[Key()] == 0;
    }
    void ResetFlags() {
        document.data.blankKeyFlags.fill(1);
        document.data.definedKeyFlags.fill(1);
    }

    Redraw Press(pc::KeyCode key) { return typing.KeyDown(key, locks); }
    void Press(std::initializer_list<pc::KeyCode> keys) {
        for (const pc::KeyCode key : keys) {
            Press(key);
        }
    }
    void Type(std::string_view lowerLetters) {
        for (const char c : lowerLetters) {
            Press(Letter(static_cast<char>(c - 'a' + 'A')));
        }
    }
    void ShiftClick(pc::KeyCode key) {
        Press(kLeftShift);
        Press(key);
        typing.KeyUp(Release(kLeftShift));
    }

    // Fills other keys until the template has exactly `left` bytes of space.
    void LeaveSpace(int left) {
        std::size_t filler = 100;
        while (view.SpaceLeft() > left) {
            std::string& content = document.data.keyContents[filler];
            const int excess = view.SpaceLeft() - left;
            const int chunk = std::min(excess, 500);
            content.append(static_cast<std::size_t>(chunk), 'x');
            if (content.size() >= 500) {
                ++filler;
            }
        }
        ASSERT_EQ(view.SpaceLeft(), left);
    }

    FakeViewDocument document;
    RecordingMessageSink messages;
    ViewController view{document, messages};
    KeyTyping typing{view};
    LockKeys locks;
};

// What each key of the keyword table enters after ESC.
const std::pair<pc::KeyCode, const char*> kKeywordKeys[] = {
    {{112, 0x3B}, "[F1]"},        {{113, 0x3C}, "[F2]"},         {{114, 0x3D}, "[F3]"},
    {{115, 0x3E}, "[F4]"},        {{116, 0x3F}, "[F5]"},         {{118, 0x41}, "[F7]"},
    {{119, 0x42}, "[F8]"},        {{120, 0x43}, "[F9]"},         {{122, 0x57}, "[F11]"},
    {{123, 0x58}, "[F12]"},       {{9, 0x0F}, "[Tab]"},          {{20, 0x3A}, "[CapsLock]"},
    {{17, 0x1D}, "[Ctrl]"},       {{17, 0x11D}, "[RightCtrl]"},  {{16, 0x2A}, "[Shift]"},
    {{16, 0x36}, "[RightShift]"}, {{19, 0x45}, "[PauseBreak]"},  {{145, 0x46}, "[ScrollLk]"},
    {{144, 0x145}, "[NumLock]"},  {{45, 0x152}, "[Insert]"},     {{33, 0x149}, "[PageUp]"},
    {{34, 0x151}, "[PageDown]"},  {{91, 0x15B}, "[Win]"},        {{92, 0x15C}, "[RightWin]"},
    {{93, 0x15D}, "[Menu]"},      {{36, 0x147}, "[Home]"},       {{35, 0x14F}, "[End]"},
    {{37, 0x14B}, "[ArrowLeft]"}, {{39, 0x14D}, "[ArrowRight]"}, {{38, 0x148}, "[ArrowUp]"},
    {{40, 0x150}, "[ArrowDown]"}, {{8, 0x0E}, "[Backspace]"},    {{46, 0x153}, "[Delete]"},
};

TEST_F(KeyTypingTest, EveryKeywordKeyEntersItsKeywordAfterEsc) {
    for (const bool scanMode : {false, true}) {
        for (const auto& [key, keyword] : kKeywordKeys) {
            SCOPED_TRACE(keyword);
            State().keyAsciiMode[Key()] = scanMode ? 0 : 1;
            SetContent("ab", 1);
            ResetFlags();
            Press({kEsc, key});
            EXPECT_EQ(Content(), std::string("a") + keyword + "b");
            EXPECT_EQ(State().caretIndex, 1 + static_cast<int>(std::string(keyword).size()));
            EXPECT_EQ(State().escPending, 0);
            EXPECT_TRUE(FlagsCleared());
            // Shift entered as a keyword is no Shift held.
            EXPECT_EQ(State().shiftReleased, 1);
            EXPECT_EQ(State().selectedPosition, 0);
        }
    }
}

TEST_F(KeyTypingTest, KeywordKeysWithoutEscEnterNothing) {
    const pc::KeyCode keys[] = {{112, 0x3B}, {122, 0x57}, {9, 0x0F},   {20, 0x3A},   {17, 0x1D},
                                {17, 0x11D}, {19, 0x45},  {145, 0x46}, {144, 0x145}, {45, 0x152},
                                {33, 0x149}, {34, 0x151}, {91, 0x15B}, {92, 0x15C},  {93, 0x15D}};
    SetContent("abc", 1);
    for (const pc::KeyCode key : keys) {
        EXPECT_EQ(Press(key), Redraw::All);
        EXPECT_EQ(Content(), "abc");
        EXPECT_EQ(State().caretIndex, 1);
        EXPECT_FALSE(FlagsCleared());
    }
    EXPECT_TRUE(document.modified);
}

TEST_F(KeyTypingTest, EscStaysPendingAndASecondEscEntersItself) {
    Press(kEsc);
    EXPECT_EQ(State().escPending, 1);
    EXPECT_EQ(Content(), "");
    EXPECT_FALSE(FlagsCleared());
    Press({kEsc, kF2});
    EXPECT_EQ(Content(), "[ESC][F2]");
    EXPECT_EQ(State().escPending, 0);
    Press(kF1);
    EXPECT_EQ(Content(), "[ESC][F2]");
}

TEST_F(KeyTypingTest, EscInTheDecimalDisplayOnlyWaits) {
    SetContent("A");
    DecimalDisplay();
    Press({kEsc, kF1, kEsc});
    EXPECT_EQ(Content(), "A");
    EXPECT_EQ(State().escPending, 1);
}

TEST_F(KeyTypingTest, EscWithEAndFEntersThePrefixes) {
    Press({kEsc, Letter('E')});
    EXPECT_EQ(Content(), "[0E0]");
    EXPECT_EQ(State().escPending, 0);
    Press({kEsc, Letter('F')});
    EXPECT_EQ(Content(), "[0E0][0F0]");
    // Without ESC they are letters.
    Press(Letter('E'));
    EXPECT_EQ(Content(), "[0E0][0F0]e");
}

TEST_F(KeyTypingTest, EscWithAnotherCharacterKeyTypesItAndForgetsTheEsc) {
    Press({kEsc, Letter('X')});
    EXPECT_EQ(Content(), "x");
    EXPECT_EQ(State().escPending, 0);
}

TEST_F(KeyTypingTest, ShiftLetterLetterEnterInAsciiMode) {
    ShiftClick(Letter('A'));
    Press({Letter('B'), kEnter});
    EXPECT_EQ(Content(), "Ab[CR]");
    EXPECT_EQ(State().caretIndex, 6);
    EXPECT_EQ(State().caretColumn, 6);
    EXPECT_TRUE(FlagsCleared());
}

TEST_F(KeyTypingTest, ShiftIsHeldFromItsPressToItsRelease) {
    for (const pc::KeyCode shift : {kLeftShift, kRightShift}) {
        Press(shift);
        EXPECT_EQ(State().shiftReleased, 0);
        Press(Repeat(shift));
        EXPECT_EQ(State().shiftReleased, 0);
        // Only the Shift releases count.
        EXPECT_EQ(typing.KeyUp(Release(Letter('A'))), Redraw::None);
        EXPECT_EQ(typing.KeyUp(Release(kEnter)), Redraw::None);
        EXPECT_EQ(State().shiftReleased, 0);
        typing.KeyUp(Release(shift));
        EXPECT_EQ(State().shiftReleased, 1);
    }
    // Either Shift's release ends either one.
    Press(kLeftShift);
    typing.KeyUp(Release(kRightShift));
    EXPECT_EQ(State().shiftReleased, 1);
    Press(kRightShift);
    typing.KeyboardLost();
    EXPECT_EQ(State().shiftReleased, 1);
}

TEST_F(KeyTypingTest, CapsLockAndShiftDecideTheLetterCase) {
    locks.capsLock = true;
    Press(Letter('A'));
    ShiftClick(Letter('B'));
    locks.capsLock = false;
    Press(Letter('C'));
    ShiftClick(Letter('D'));
    EXPECT_EQ(Content(), "AbcD");
}

TEST_F(KeyTypingTest, ShiftedDigitsAndPunctuation) {
    ShiftClick(Digit('1'));
    Press(Digit('1'));
    ShiftClick(pc::KeyCode{186, 0x27});
    Press(pc::KeyCode{219, 0x1A});
    Press(kSpace);
    EXPECT_EQ(Content(), "!1:[ ");
}

TEST_F(KeyTypingTest, ScanCodeModeTypesKeywordsWhateverShiftSays) {
    ScanCodeMode();
    Press(Letter('A'));
    ShiftClick(Digit('1'));
    Press(kKeypad5NumLock);
    EXPECT_EQ(Content(), "[A][1][PAD5]");
    locks.capsLock = true;
    Press({kEnter, kKeypadEnter, kSpace, {190, 0x34}, kKeypad5NoNumLock});
    EXPECT_EQ(Content(), "[A][1][PAD5][Enter][Enter][Space][.][PAD5]");
}

TEST_F(KeyTypingTest, KeysWithoutACharacterTypeNothingInScanCodeMode) {
    ScanCodeMode();
    // Keypad 9 without Num Lock arrives with the code of Page Up.
    Press({kKeypad9NoNumLock, {44, 0x137}, {117, 0x40}, {0, 0}});
    EXPECT_EQ(Content(), "");
    // They still count as edits of the key.
    EXPECT_TRUE(FlagsCleared());
}

TEST_F(KeyTypingTest, KeypadDigitsWithNumLockIgnoreEsc) {
    const std::pair<pc::KeyCode, char> keys[] = {{{103, 0x47}, '7'}, {{97, 0x4F}, '1'},
                                                 {{104, 0x48}, '8'}, {{98, 0x50}, '2'},
                                                 {{100, 0x4B}, '4'}, {{102, 0x4D}, '6'}};
    for (const auto& [key, digit] : keys) {
        SCOPED_TRACE(digit);
        State().keyAsciiMode[Key()] = 1;
        SetContent("");
        ResetFlags();
        State().escPending = 1;
        Press(key);
        EXPECT_EQ(Content(), std::string(1, digit));
        EXPECT_EQ(State().escPending, 1);
        EXPECT_TRUE(FlagsCleared());
        ScanCodeMode();
        SetContent("");
        Press(key);
        EXPECT_EQ(Content(), std::string("[PAD") + digit + "]");
        EXPECT_EQ(State().caretIndex, 6);
        EXPECT_EQ(State().selectedPosition, 0);
    }
}

TEST_F(KeyTypingTest, KeypadWithoutNumLockNavigates) {
    SetContent("abcd", 2);
    Press(pc::KeyCode{36, 0x47});
    EXPECT_EQ(State().caretIndex, 0);
    Press(pc::KeyCode{35, 0x4F});
    EXPECT_EQ(State().caretIndex, 4);
    Press(pc::KeyCode{37, 0x4B});
    EXPECT_EQ(State().caretIndex, 3);
    Press(pc::KeyCode{39, 0x4D});
    EXPECT_EQ(State().caretIndex, 4);
    // No ESC rule: after ESC they still navigate, and ESC stays pending.
    Press({kEsc, pc::KeyCode{36, 0x47}});
    EXPECT_EQ(Content(), "abcd");
    EXPECT_EQ(State().caretIndex, 0);
    EXPECT_EQ(State().escPending, 1);

    const int first = State().selectedPosition;
    Press(pc::KeyCode{40, 0x50});
    const int below = State().selectedPosition;
    EXPECT_EQ(below, NeighbourKey(document.layout, 3, first));
    Press(pc::KeyCode{38, 0x48});
    EXPECT_EQ(State().selectedPosition, NeighbourKey(document.layout, 2, below));
}

TEST_F(KeyTypingTest, KeypadDigitsInTheDecimalDisplayNavigate) {
    SetContent("AB");
    DecimalDisplay();
    Press(pc::KeyCode{102, 0x4D});
    EXPECT_EQ(Content(), "AB");
    EXPECT_EQ(State().decimalCaretIndex, 4);
    EXPECT_EQ(State().caretIndex, 1);
    Press(pc::KeyCode{97, 0x4F});
    EXPECT_EQ(State().decimalCaretIndex, 8);
    Press(pc::KeyCode{103, 0x47});
    EXPECT_EQ(State().decimalCaretIndex, 0);
}

TEST_F(KeyTypingTest, HorizontalArrowsMoveTheCaretAndWithShiftTheSelection) {
    SetContent("abc", 1);
    Press(kRight);
    EXPECT_EQ(State().caretIndex, 2);
    EXPECT_EQ(State().selectedPosition, 0);
    Press(kLeft);
    EXPECT_EQ(State().caretIndex, 1);
    ShiftClick(kRight);
    EXPECT_EQ(State().selectedPosition, NeighbourKey(document.layout, 1, 0));
    EXPECT_EQ(State().caretIndex, 0);
    const int right = State().selectedPosition;
    ShiftClick(kLeft);
    EXPECT_EQ(State().selectedPosition, NeighbourKey(document.layout, 0, right));
}

TEST_F(KeyTypingTest, VerticalArrowsMoveTheSelectionWithOrWithoutShift) {
    Press(kDown);
    const int below = State().selectedPosition;
    EXPECT_EQ(below, NeighbourKey(document.layout, 3, 0));
    ShiftClick(kUp);
    EXPECT_EQ(State().selectedPosition, NeighbourKey(document.layout, 2, below));
}

TEST_F(KeyTypingTest, LeavingAnInvalidKeyShowsTheRedLineUntilTheNextKey) {
    SetContent("[F99]");
    Press(kDown);
    EXPECT_EQ(State().selectedPosition, 0);
    EXPECT_EQ(State().wrongWordShown, 1);
    Press(kHome);
    EXPECT_EQ(State().wrongWordShown, 0);
}

TEST_F(KeyTypingTest, CaretMovesInTheNormalDisplay) {
    SetContent(std::string(90, 'x'));
    EXPECT_EQ(State().caretColumn, 85);
    Press(kHome);
    EXPECT_EQ(State().caretIndex, 0);
    EXPECT_EQ(State().caretColumn, 0);
    Press(kLeft);
    EXPECT_EQ(State().caretIndex, 0);
    Press(kEnd);
    EXPECT_EQ(State().caretIndex, 90);
    EXPECT_EQ(State().caretColumn, 85);
    Press(kRight);
    EXPECT_EQ(State().caretIndex, 90);
    EXPECT_EQ(State().caretColumn, 85);
    // At column 0 of a scrolled box the caret index moves and the text scrolls.
    State().caretColumn = 0;
    State().caretIndex = 10;
    Press(kLeft);
    EXPECT_EQ(State().caretIndex, 9);
    EXPECT_EQ(State().caretColumn, 0);
    Press(kRight);
    EXPECT_EQ(State().caretIndex, 10);
    EXPECT_EQ(State().caretColumn, 1);
}

TEST_F(KeyTypingTest, BackspaceRemovesBeforeTheCaretExceptAtColumnZero) {
    SetContent("abc", 2);
    Press(kBackspace);
    EXPECT_EQ(Content(), "ac");
    EXPECT_EQ(State().caretIndex, 1);
    EXPECT_EQ(State().caretColumn, 1);
    EXPECT_TRUE(FlagsCleared());

    SetContent(std::string(20, 'x'), 10);
    State().caretColumn = 0;
    ResetFlags();
    Press(kBackspace);
    EXPECT_EQ(Content().size(), 20u);
    EXPECT_EQ(State().caretIndex, 10);
    EXPECT_TRUE(FlagsCleared());

    // At the very start nothing happens, not even to the flags.
    SetContent("abc", 0);
    ResetFlags();
    Press(kBackspace);
    EXPECT_EQ(Content(), "abc");
    EXPECT_FALSE(FlagsCleared());
    EXPECT_TRUE(document.modified);
}

TEST_F(KeyTypingTest, DeleteRemovesAtTheCaretAndMarksTheKeyEvenAtTheEnd) {
    SetContent("abc", 1);
    Press(kDelete);
    EXPECT_EQ(Content(), "ac");
    EXPECT_EQ(State().caretIndex, 1);
    Press(Repeat(kDelete));
    EXPECT_EQ(Content(), "a");
    ResetFlags();
    Press(kDelete);
    EXPECT_EQ(Content(), "a");
    EXPECT_TRUE(FlagsCleared());
}

TEST_F(KeyTypingTest, AutoRepeatTypesLikeAPress) {
    Press({Letter('A'), Repeat(Letter('A')), Repeat(Letter('A'))});
    EXPECT_EQ(Content(), "aaa");
}

TEST_F(KeyTypingTest, EveryPressMarksTheTemplateModified) {
    EXPECT_FALSE(document.modified);
    Press(kF1);
    EXPECT_TRUE(document.modified);
}

TEST_F(KeyTypingTest, ACaretLeftBehindByAReplacedContentIsBroughtBack) {
    SetContent("abcdef", 6);
    Content() = "ab";
    Press(Letter('X'));
    EXPECT_EQ(Content(), "abx");
    EXPECT_EQ(State().caretIndex, 3);
    EXPECT_EQ(State().caretColumn, 3);
}

TEST_F(KeyTypingTest, AFullTemplateRefusesInsertionsButTakesTheOtherKeys) {
    LeaveSpace(1);
    ScanCodeMode();
    Press({kEsc, kPageUp});
    EXPECT_EQ(Content(), "[PageUp]");
    EXPECT_LT(view.SpaceLeft(), 0);
    ResetFlags();
    Press(Letter('A'));
    EXPECT_EQ(Content(), "[PageUp]");
    EXPECT_TRUE(FlagsCleared());
    Press({kEsc, kF1});
    EXPECT_EQ(Content(), "[PageUp]");
    EXPECT_EQ(State().escPending, 0);
    Press(kKeypad5NumLock);
    EXPECT_EQ(Content(), "[PageUp]");
    Press(kBackspace);
    EXPECT_EQ(Content(), "[PageUp");
    Press({kHome, kDelete});
    EXPECT_EQ(Content(), "PageUp");
}

TEST_F(KeyTypingTest, TheDecimalDisplayRefusesTypingAndMovesByTokens) {
    SetContent("AB");
    DecimalDisplay();
    State().escPending = 1;
    Press({Letter('C'), kEnter, kSpace, kKeypad5NumLock});
    EXPECT_EQ(Content(), "AB");
    EXPECT_FALSE(FlagsCleared());
    // A character key in the decimal display does not end a pending ESC.
    EXPECT_EQ(State().escPending, 1);
    Press(kRight);
    EXPECT_EQ(State().decimalCaretIndex, 4);
    EXPECT_EQ(State().caretColumn, 4);
    EXPECT_EQ(State().caretIndex, 1);
    Press(kRight);
    EXPECT_EQ(State().decimalCaretIndex, 8);
    EXPECT_EQ(State().caretIndex, 2);
    Press(kRight);
    EXPECT_EQ(State().decimalCaretIndex, 8);
    EXPECT_EQ(State().caretIndex, 2);
    Press(kLeft);
    EXPECT_EQ(State().decimalCaretIndex, 4);
    EXPECT_EQ(State().caretColumn, 4);
    EXPECT_EQ(State().caretIndex, 1);
    Press(kEnd);
    EXPECT_EQ(State().decimalCaretIndex, 8);
    EXPECT_EQ(State().caretIndex, 2);
    Press(kHome);
    EXPECT_EQ(State().decimalCaretIndex, 0);
    EXPECT_EQ(State().caretIndex, 0);
}

TEST_F(KeyTypingTest, DecimalDisplayDeletionsTakeWholeTokens) {
    SetContent("A[CR]B");
    DecimalDisplay();
    Press({kRight, kRight});
    ASSERT_EQ(State().decimalCaretIndex, 8);
    ASSERT_EQ(State().caretIndex, 2);
    Press(kBackspace);
    EXPECT_EQ(Content(), "AB");
    EXPECT_EQ(State().caretIndex, 1);
    EXPECT_EQ(State().decimalCaretIndex, 4);
    EXPECT_EQ(State().caretColumn, 4);
    EXPECT_TRUE(FlagsCleared());

    SetContent("A[Delay15]B", 0);
    DecimalDisplay();
    Press({kRight, kDelete});
    EXPECT_EQ(Content(), "AB");
    EXPECT_EQ(State().caretIndex, 1);
    EXPECT_EQ(State().decimalCaretIndex, 4);
    Press(kDelete);
    EXPECT_EQ(Content(), "A");
    Press(kDelete);
    EXPECT_EQ(Content(), "A");
}

TEST_F(KeyTypingTest, DecimalDisplayCaretStaysWithinAShortenedForm) {
    SetContent("ABC");
    DecimalDisplay();
    Press(kEnd);
    ASSERT_EQ(State().decimalCaretIndex, 12);
    // The content shrinks under the caret (an import, say).
    Content() = "A";
    Press(kLeft);
    EXPECT_EQ(State().decimalCaretIndex, 0);
    EXPECT_EQ(State().caretIndex, 0);
    Press(kEnd);
    EXPECT_EQ(State().decimalCaretIndex, 4);
    EXPECT_EQ(State().caretIndex, 1);
    EXPECT_LE(State().caretColumn, State().decimalCaretIndex);
}

TEST_F(KeyTypingTest, DeletionInTheKeyLockKeyOfTheRM0480ReachesKey122) {
    State().selectedKey = kKeyLockKey - 1;
    std::string& mirror = document.data.keyContents[kKeyLockMirrorKey - 1];
    mirror = "old";
    SetContent("abc", 3);
    Press(Letter('D'));
    EXPECT_EQ(mirror, "old");
    Press(kBackspace);
    EXPECT_EQ(mirror, "abc");
    Press({kHome, kDelete, kDelete, kDelete});
    EXPECT_EQ(Content(), "");
    EXPECT_EQ(mirror, "");
    // A Backspace at the start is no edit and copies nothing.
    mirror = "kept";
    Press(kBackspace);
    EXPECT_EQ(mirror, "kept");
}

class KeyTypingOtherModelTest : public KeyTypingTest {
protected:
    KeyTypingOtherModelTest() : KeyTypingTest(kModelRM0410) {}
};

TEST_F(KeyTypingOtherModelTest, DeletionsOnOtherModelsCopyNothing) {
    State().selectedKey = kKeyLockKey - 1;
    std::string& mirror = document.data.keyContents[kKeyLockMirrorKey - 1];
    mirror = "other";
    SetContent("abc");
    Press(kBackspace);
    EXPECT_EQ(Content(), "ab");
    EXPECT_EQ(mirror, "other");
}

} // namespace
} // namespace zelt
