#include "view/DecimalForm.h"

#include <gtest/gtest.h>

namespace zelt {
namespace {

struct DecimalCase {
    std::string content;
    std::string form;
};

TEST(DecimalForm, PlainCharactersBecomeTheirByteValues) {
    const std::vector<DecimalCase> cases = {
        {"", ""},      {"A1", "[65][49]"},         {"A\t", "[65][9]"},
        {" ", "[32]"}, {"\x80\xff", "[128][255]"}, {"\x01", "[1]"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecimalForm(c.content), c.form) << c.content;
    }
}

TEST(DecimalForm, EscapedBracketsGiveNothingAndALoneClosingBracketEndsTheForm) {
    const std::vector<DecimalCase> cases = {
        {"[[", ""}, {"a[[b", "[97][98]"},   {"a]]b", "[97][98]"}, {"a]b", "[97]"},
        {"]", ""},  {"ab]]]c", "[97][98]"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecimalForm(c.content), c.form) << c.content;
    }
}

TEST(DecimalForm, AsciiModeKeywordsAreKept) {
    const std::vector<DecimalCase> cases = {
        {"[CR]", "[CR]"},
        {"a[Caps]b", "[97][Caps][98]"},
        {"[Separator][Separator]", "[Separator][Separator]"},
        {"[Delay1]", "[Delay1]"},
        {"x[Delay250]", "[120][Delay250]"},
        {"[Delay015]", "[Delay015]"},
        {"[ShiftLevel1]", "[ShiftLevel1]"},
        {"[ShiftLevel9]", "[ShiftLevel9]"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecimalForm(c.content), c.form) << c.content;
    }
}

TEST(DecimalForm, ContentsItCannotExpressGiveNothing) {
    for (const std::string content :
         {"[F1]", "ab[A]", "[Delay0]", "[Delay251]", "[Delay999]", "[Delay0015]", "[Delay]",
          "[DelayX]", "[ShiftLevel0]", "a[ShiftLevel3]", "[ShiftLevel3]a", "[ShiftLevel12]", "[CR",
          "ab[", "[cr]"}) {
        EXPECT_EQ(DecimalForm(content), "") << content;
    }
}

TEST(DecimalForm, TokenIndexCountsClosedTokensBeforeAPosition) {
    const std::string form = "[65][CR][66]";
    EXPECT_EQ(TokenIndex(form, 0), 0);
    EXPECT_EQ(TokenIndex(form, 3), 0);
    EXPECT_EQ(TokenIndex(form, 4), 1);
    EXPECT_EQ(TokenIndex(form, 8), 2);
    EXPECT_EQ(TokenIndex(form, 12), 3);
    // Out of range positions are kept inside the form.
    EXPECT_EQ(TokenIndex(form, 99), 3);
    EXPECT_EQ(TokenIndex(form, -5), 0);
}

} // namespace
} // namespace zelt
