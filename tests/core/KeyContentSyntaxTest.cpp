#include "KeyContentSyntax.h"

#include "ContentGenerator.h"

#include <gtest/gtest.h>

namespace zelt::syntax {
namespace {

std::size_t PlainSearch(std::string_view text, std::size_t from) {
    while (from < text.size() && text[from] != '[' && text[from] != ']' && text[from] != '\0') {
        ++from;
    }
    return from;
}

TEST(FindSpecial, FindsEveryBracketAndNulAtEveryPositionAndAlignment) {
    // Each special byte at each position of texts up to 40 bytes, among bytes that share bits
    // with the brackets (0x5A, 0x5C, 0xDB, 0xDD) or lie above 0x7F, searched from every start.
    for (char special : {'[', ']', '\0'}) {
        for (char filler : {'x', '\x5A', '\x5C', '\xDB', '\xDD', '\xFF', '\x01'}) {
            for (std::size_t size = 1; size <= 40; ++size) {
                for (std::size_t at = 0; at < size; ++at) {
                    std::string text(size, filler);
                    text[at] = special;
                    for (std::size_t from = 0; from <= size; ++from) {
                        ASSERT_EQ(FindSpecial(text, from), PlainSearch(text, from))
                            << int(special) << " " << int(filler) << " " << size << " " << at << " "
                            << from;
                    }
                }
            }
        }
    }
}

TEST(FindSpecial, AgreesWithAPlainSearchOnRandomTexts) {
    testing::ContentGenerator generator(5);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        for (int n = generator.Below(30); n > 0; --n) {
            text += static_cast<char>(generator.Below(256));
        }
        const std::size_t from =
            text.empty() ? 0
                         : static_cast<std::size_t>(generator.Below(static_cast<int>(text.size())));
        ASSERT_EQ(FindSpecial(text, from), PlainSearch(text, from));
    }
}

TEST(KeywordParts, DelayValues) {
    const std::pair<const char*, int> cases[] = {
        {"[Delay1]", 1},     {"[Delay07]", 7},   {"[Delay007]", 7}, {"[Delay250]", 250},
        {"[Delay999]", 999}, {"[Delay0]", 0},    {"[Delay]", -1},   {"[Delay1234]", -1},
        {"[Delay1x]", -1},   {"[Delay 1]", -1},  {"[Delay-1]", -1}, {"[delay1]", -1},
        {"[Delay1", -1},     {"[Delay12]x", -1},
    };
    for (const auto& [keyword, value] : cases) {
        EXPECT_EQ(DelayKeywordValue(keyword), value) << keyword;
    }
}

TEST(KeywordParts, ShiftLevels) {
    EXPECT_EQ(ShiftLevelDigit("[ShiftLevel1]"), 1);
    EXPECT_EQ(ShiftLevelDigit("[ShiftLevel9]"), 9);
    EXPECT_EQ(ShiftLevelDigit("[ShiftLevel0]"), 0);
    EXPECT_EQ(ShiftLevelDigit("[ShiftLevel]"), 0);
    EXPECT_EQ(ShiftLevelDigit("[ShiftLevel3x]"), 3);
    EXPECT_TRUE(IsShiftLevelKeyword("[ShiftLevel3]"));
    EXPECT_FALSE(IsShiftLevelKeyword("[ShiftLevel3x]"));
    EXPECT_FALSE(IsShiftLevelKeyword("[ShiftLevel10]"));
    EXPECT_FALSE(IsShiftLevelKeyword("[shiftLevel3]"));
}

TEST(KeywordParts, KeywordAroundALiteralBracket) {
    EXPECT_EQ(JoinSplitKeyword("[Sep[[arator]"), "[Separator]");
    EXPECT_EQ(JoinSplitKeyword("[[[CR]"), "[CR]");
}

} // namespace
} // namespace zelt::syntax
