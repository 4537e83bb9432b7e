#include "keytest/KeyCodeOutput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelt {
namespace {

// Virtual-key codes of the keys the cases press.
constexpr int kVkShift = 16;
constexpr int kVkCapsLock = 20;
constexpr int kVkF6 = 117;
constexpr int kVkF10 = 121;
constexpr int kVkAlt = 18;
constexpr int kVkDigit1 = '1';
constexpr int kRepeat = 0x4000;

struct Named {
    int flags;
    const char* text;
};

// The named keys as the test window must write them, written out independently of the
// program's table.
const std::vector<Named>& ExpectedNamedKeys() {
    static const std::vector<Named> keys = {
        {0x01, ", [ESC]"},        {0x0E, ", [Backspace]"},   {0x0F, ", [Tab]"},
        {0x1C, ", [Enter]"},      {0x1D, ", [Ctrl]"},        {0x2A, ", [Shift]"},
        {0x36, ", [RightShift]"}, {0x37, ", [PAD*]"},        {0x39, ", [Space]"},
        {0x3A, ", [CapsLock]"},   {0x3B, ", [F1]"},          {0x3C, ", [F2]"},
        {0x3D, ", [F3]"},         {0x3E, ", [F4]"},          {0x3F, ", [F5]"},
        {0x41, ", [F7]"},         {0x42, ", [F8]"},          {0x43, ", [F9]"},
        {0x45, ", [PauseBreak]"}, {0x46, ", [ScrollLk]"},    {0x47, ", [PAD7]"},
        {0x48, ", [PAD8]"},       {0x49, ", [PAD9]"},        {0x4A, ", [PAD-]"},
        {0x4B, ", [PAD4]"},       {0x4C, ", [PAD5]"},        {0x4D, ", [PAD6]"},
        {0x4E, ", [PAD+]"},       {0x4F, ", [PAD1]"},        {0x50, ", [PAD2]"},
        {0x51, ", [PAD3]"},       {0x52, ", [PAD0]"},        {0x53, ", [PAD.]"},
        {0x57, ", [F11]"},        {0x58, ", [F12]"},         {0x11C, ", [PADEnter]"},
        {0x11D, ", [RightCtrl]"}, {0x135, ", [PAD/]"},       {0x145, ", [NumLock]"},
        {0x147, ", [Home]"},      {0x148, ", [ArrowUp]"},    {0x149, ", [PageUp]"},
        {0x14B, ", [ArrowLeft]"}, {0x14D, ", [ArrowRight]"}, {0x14F, ", [End]"},
        {0x150, ", [ArrowDown]"}, {0x151, ", [PageDown]"},   {0x152, ", [Insert]"},
        {0x153, ", [Delete]"},    {0x15B, ", [Win]"},        {0x15C, ", [RightWin]"},
        {0x15D, ", [Menu]"},
    };
    return keys;
}

struct CharacterCase {
    int scanCode;
    char unshifted;
    char shifted;
};

const std::vector<CharacterCase>& ExpectedCharacters() {
    static const std::vector<CharacterCase> keys = {
        {0x02, '1', '!'},  {0x03, '2', '@'}, {0x04, '3', '#'},  {0x05, '4', '$'}, {0x06, '5', '%'},
        {0x07, '6', '^'},  {0x08, '7', '&'}, {0x09, '8', '*'},  {0x0A, '9', '('}, {0x0B, '0', ')'},
        {0x0C, '-', '_'},  {0x0D, '=', '+'}, {0x1A, '[', '{'},  {0x1B, ']', '}'}, {0x27, ';', ':'},
        {0x28, '\'', '"'}, {0x29, '`', '~'}, {0x2B, '\\', '|'}, {0x33, ',', '<'}, {0x34, '.', '>'},
        {0x35, '/', '?'},
    };
    return keys;
}

TEST(KeyCodeOutput, EveryNamedKeyGivesItsKeywordOnPressAndRepeat) {
    for (const Named& key : ExpectedNamedKeys()) {
        KeyCodeOutput output;
        // The character code does not matter for a named key.
        EXPECT_EQ(output.FormatKeyCode(0, key.flags, 0), key.text) << std::hex << key.flags;
        const std::string repeated = key.flags == 0x3A ? "" : key.text;
        EXPECT_EQ(output.FormatKeyCode(0, key.flags | kRepeat, 0), repeated)
            << std::hex << key.flags;
    }
}

TEST(KeyCodeOutput, KeysWithoutARowGiveNothing) {
    KeyCodeOutput output;
    EXPECT_EQ(output.FormatKeyCode(kVkF6, 0x40, 0), "");
    EXPECT_EQ(output.FormatKeyCode(kVkF10, 0x44, 0), "");
    EXPECT_EQ(output.FormatKeyCode(kVkAlt, 0x38, 0), "");
    EXPECT_EQ(output.FormatKeyCode(kVkAlt, 0x138, 0), "");
    // The main-block keys only without the extended bit.
    EXPECT_EQ(output.FormatKeyCode(0, 0x102, 0), "");
    EXPECT_EQ(output.FormatKeyCode(0, -1, 0), "");
    EXPECT_EQ(output.FormatKeyCode(-5, 0x7FFFFFFF, 0), "");
}

TEST(KeyCodeOutput, CharacterKeysFollowTheShiftDownFlag) {
    for (const CharacterCase& key : ExpectedCharacters()) {
        EXPECT_EQ(ScanCodeToChar(key.scanCode, true), key.unshifted);
        EXPECT_EQ(ScanCodeToChar(key.scanCode, false), key.shifted);
        // An auto-repeat value never matches.
        EXPECT_EQ(ScanCodeToChar(key.scanCode | kRepeat, true), std::nullopt);

        KeyCodeOutput output;
        EXPECT_EQ(output.FormatKeyCode(0, key.scanCode, 0), std::string(1, key.unshifted));
        output.FormatKeyCode(kVkShift, 0x2A, 0);
        EXPECT_EQ(output.FormatKeyCode(0, key.scanCode, 0), std::string(1, key.shifted));
    }
    EXPECT_EQ(ScanCodeToChar(0x1E, true), std::nullopt);
    EXPECT_EQ(ScanCodeToChar(0, true), std::nullopt);
}

TEST(KeyCodeOutput, LetterCaseFromShiftAndCapsLock) {
    struct Case {
        bool shift;
        CapsLockKeyState capsLock;
        const char* letter;
    };
    const CapsLockKeyState held = MakeCapsLockKeyState(false, true);
    const CapsLockKeyState heldOn = MakeCapsLockKeyState(true, true);
    for (const Case& c : {Case{false, 0, "q"}, Case{true, 0, "Q"}, Case{false, 1, "Q"},
                          Case{true, 1, "q"}, Case{false, held, "Q"}, Case{true, held, "Q"},
                          Case{false, heldOn, "Q"}, Case{true, heldOn, "Q"}}) {
        KeyCodeOutput output;
        if (c.shift) {
            output.FormatKeyCode(kVkShift, 0x36, 0);
        }
        EXPECT_EQ(output.FormatKeyCode('Q', 0x10, c.capsLock), c.letter)
            << "shift " << c.shift << " caps " << c.capsLock;
    }
}

TEST(KeyCodeOutput, CapsLockKeyStateWord) {
    EXPECT_EQ(MakeCapsLockKeyState(false, false), 0);
    EXPECT_EQ(MakeCapsLockKeyState(true, false), 1);
    EXPECT_LT(MakeCapsLockKeyState(false, true), 0);
    EXPECT_LT(MakeCapsLockKeyState(true, true), 0);
}

TEST(KeyCodeOutput, HeldLetterRepeatsAndHeldDigitGivesItsCharacterOnce) {
    KeyCodeOutput output;
    output.KeyDown('A', 0x1E, false);
    output.KeyDown('A', 0x1E | kRepeat, false);
    output.KeyDown('A', 0x1E | kRepeat, false);
    output.KeyUp(0xC01E);
    output.KeyDown(kVkDigit1, 0x02, false);
    output.KeyDown(kVkDigit1, 0x02 | kRepeat, false);
    output.KeyDown(kVkDigit1, 0x02 | kRepeat, false);
    EXPECT_EQ(output.Text(), "aaa1");
}

TEST(KeyCodeOutput, TypedExamples) {
    KeyCodeOutput output;
    output.KeyDown('A', 0x1E, false);
    output.KeyDown('B', 0x30, false);
    output.KeyDown(13, 0x1C, false);
    EXPECT_EQ(output.Text(), "ab, [Enter]");

    output.Clear();
    output.KeyDown(kVkShift, 0x2A, false);
    output.KeyDown(kVkShift, 0x2A | kRepeat, false);
    output.KeyDown(kVkDigit1, 0x02, false);
    output.KeyUp(kLeftShiftReleaseFlags);
    output.KeyDown(kVkDigit1, 0x02, false);
    EXPECT_EQ(output.Text(), ", [Shift], [Shift]!1");
}

TEST(KeyCodeOutput, OnlyTheExactShiftReleasesClearTheShiftDownFlag) {
    struct Case {
        int release;
        int shiftDownAfter;
    };
    for (const Case& c : {Case{0xC02A, 0}, Case{0xC036, 0}, Case{0x802A, 1}, Case{0xC12A, 1},
                          Case{0xC136, 1}, Case{0xC01D, 1}, Case{0x002A, 1}}) {
        KeyCodeOutput output;
        output.KeyDown(kVkShift, 0x2A, false);
        ASSERT_EQ(output.ShiftDown(), 1);
        output.KeyUp(c.release);
        EXPECT_EQ(output.ShiftDown(), c.shiftDownAfter) << std::hex << c.release;
    }
    // Either Shift release ends either Shift press.
    KeyCodeOutput output;
    output.KeyDown(kVkShift, 0x36, false);
    output.KeyUp(0xC02A);
    EXPECT_EQ(output.ShiftDown(), 0);
}

TEST(KeyCodeOutput, HoldingCapsLockWritesUpperCaseWhateverShiftSays) {
    KeyCodeOutput output;
    output.KeyDown(kVkShift, 0x2A, false);
    output.KeyDown(kVkCapsLock, 0x3A, true);
    EXPECT_TRUE(output.CapsLockHeld());
    output.KeyDown('X', 0x2D, true);
    output.KeyUp(0xC03A);
    EXPECT_FALSE(output.CapsLockHeld());
    // Caps Lock on and Shift down: lower case again once the key is let go.
    output.KeyDown('X', 0x2D, true);
    output.KeyUp(0xC02A);
    output.KeyDown('X', 0x2D, true);
    EXPECT_EQ(output.Text(), ", [Shift], [CapsLock]XxX");
}

TEST(KeyCodeOutput, ClearStartsOver) {
    KeyCodeOutput output;
    output.KeyDown(kVkShift, 0x2A, false);
    output.KeyDown(kVkCapsLock, 0x3A, false);
    output.Clear();
    EXPECT_EQ(output.Text(), "");
    EXPECT_EQ(output.ShiftDown(), 0);
    EXPECT_FALSE(output.CapsLockHeld());
}

} // namespace
} // namespace zelt
