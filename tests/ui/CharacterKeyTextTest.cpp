#include "typing/CharacterKeyText.h"

#include <gtest/gtest.h>

#include <string>

namespace zelt {
namespace {

struct AsciiCase {
    int virtualKey;
    bool shift;
    bool caps;
    const char* text;
};

TEST(CharacterKeyText, AsciiTextOfEveryCharacterKey) {
    const AsciiCase cases[] = {
        // Letters: upper case when exactly one of Shift and Caps Lock is on.
        {'A', false, false, "a"},
        {'A', true, false, "A"},
        {'A', false, true, "A"},
        {'A', true, true, "a"},
        {'Z', false, false, "z"},
        {'Z', true, false, "Z"},
        {'M', false, true, "M"},
        // Digit row, unshifted and shifted; Caps Lock does not touch them.
        {'0', false, false, "0"},
        {'0', true, false, ")"},
        {'1', true, false, "!"},
        {'2', true, false, "@"},
        {'3', true, false, "#"},
        {'4', true, false, "$"},
        {'5', true, false, "%"},
        {'6', true, false, "^"},
        {'7', true, false, "&"},
        {'8', true, false, "*"},
        {'9', true, false, "("},
        {'9', false, true, "9"},
        // Keypad digits and operators ignore Shift.
        {96, false, false, "0"},
        {105, true, false, "9"},
        {101, false, false, "5"},
        {106, false, false, "*"},
        {107, false, false, "+"},
        {108, false, false, ","},
        {109, false, false, "-"},
        {110, true, false, "."},
        {111, false, false, "/"},
        // Clear (keypad 5 without Num Lock), Enter and Space.
        {12, false, false, "5"},
        {13, false, false, "[CR]"},
        {13, true, false, "[CR]"},
        {32, false, false, " "},
        {32, true, true, " "},
        // Punctuation of the US layout.
        {186, false, false, ";"},
        {186, true, false, ":"},
        {187, false, false, "="},
        {187, true, false, "+"},
        {188, false, false, ","},
        {188, true, false, "<"},
        {189, false, false, "-"},
        {189, true, false, "_"},
        {190, false, false, "."},
        {190, true, false, ">"},
        {191, false, false, "/"},
        {191, true, false, "?"},
        {192, false, false, "`"},
        {192, true, false, "~"},
        {219, false, false, "["},
        {219, true, false, "{"},
        {220, false, false, "\\"},
        {220, true, false, "|"},
        {221, false, false, "]"},
        {221, true, false, "}"},
        {222, false, false, "'"},
        {222, true, false, "\""},
        // Keys without a character.
        {0, false, false, ""},
        {9, false, false, ""},
        {27, false, false, ""},
        {33, false, false, ""},
        {44, false, false, ""},
        {46, false, false, ""},
        {64, false, false, ""},
        {91, false, false, ""},
        {112, false, false, ""},
        {117, false, false, ""},
        {185, false, false, ""},
        {193, false, false, ""},
        {218, false, false, ""},
        {223, false, false, ""},
        {226, false, false, ""},
        {255, false, false, ""},
        {-1, false, false, ""},
        {1000, true, true, ""},
    };
    for (const AsciiCase& c : cases) {
        EXPECT_EQ(AsciiTextOfKey(c.virtualKey, c.shift, c.caps), c.text)
            << "key " << c.virtualKey << " shift " << c.shift << " caps " << c.caps;
    }
}

TEST(CharacterKeyText, ScanKeywordOfEveryCharacterKey) {
    const std::pair<int, const char*> cases[] = {
        {'A', "[A]"},
        {'Q', "[Q]"},
        {'Z', "[Z]"},
        {'0', "[0]"},
        {'1', "[1]"},
        {'9', "[9]"},
        {96, "[PAD0]"},
        {101, "[PAD5]"},
        {105, "[PAD9]"},
        {106, "[PAD*]"},
        {107, "[PAD+]"},
        {108, "[PAD,]"},
        {109, "[PAD-]"},
        {110, "[PAD.]"},
        {111, "[PAD/]"},
        {12, "[PAD5]"},
        {13, "[Enter]"},
        {32, "[Space]"},
        {186, "[;]"},
        {187, "[=]"},
        {188, "[,]"},
        {189, "[-]"},
        {190, "[.]"},
        {191, "[/]"},
        {192, "[`]"},
        {219, "[{]"},
        {220, "[\\]"},
        {221, "[}]"},
        {222, "[']"},
        // Other character codes of other layouts come out bracketed as they are.
        {223, "[\xDF]"},
        {226, "[\xE2]"},
        {0x92, "[\x92]"},
        {0xC1, "[\xC1]"},
    };
    for (const auto& [virtualKey, keyword] : cases) {
        EXPECT_EQ(ScanKeywordOfKey(virtualKey), keyword) << "key " << virtualKey;
    }
}

TEST(CharacterKeyText, KeysWithoutACharacterHaveNoScanKeyword) {
    // Their codes would read as characters and name other keys: Page Up on the keypad as "[!]",
    // Print Screen as "[,]", F13 as "[|]" and F6 as "[u]".
    for (const int virtualKey : {0,   8,   9,   27,  33,  34,   35,   36,   37,   40,   44,  45,
                                 46,  47,  91,  92,  93,  95,   112,  117,  124,  135,  144, 145,
                                 160, 165, 166, 173, 183, 0xE5, 0xE7, 0xF6, 0xFE, 0xFF, 256, -5}) {
        EXPECT_EQ(ScanKeywordOfKey(virtualKey), "") << "key " << virtualKey;
    }
}

} // namespace
} // namespace zelt
