#include "typing/DecimalTokens.h"

#include "view/DecimalForm.h"

#include <gtest/gtest.h>

#include <string>

namespace zelt {
namespace {

// The decimal form rebuilt from the tokens, one bracketed group per token.
std::string FormOfTokens(std::string_view content, const std::vector<TokenSpan>& tokens) {
    std::string form;
    for (const TokenSpan& token : tokens) {
        const std::string_view text = content.substr(token.begin, token.end - token.begin);
        if (text.size() == 1) {
            form += "[" + std::to_string(static_cast<unsigned char>(text[0])) + "]";
        } else {
            form += text;
        }
    }
    return form;
}

TEST(DecimalTokens, TokensAreTheGroupsOfTheDecimalForm) {
    const char* contents[] = {
        "",        "A",  "A1",     "AB[CR]",    "[Caps]x[Separator]", "[Delay1]",     "[Delay250]",
        "a[[b]]c", "[[", "[CR]]]", "\x7F\xE9 ", "[ShiftLevel3]",      "x[Delay007]y",
    };
    for (const char* content : contents) {
        SCOPED_TRACE(content);
        const auto tokens = DecimalTokens(content);
        ASSERT_TRUE(tokens);
        EXPECT_EQ(FormOfTokens(content, *tokens), DecimalForm(content));
    }
}

TEST(DecimalTokens, SpansOfPlainCharactersKeywordsAndEscapes) {
    const auto tokens = DecimalTokens("a[[b[CR]");
    ASSERT_TRUE(tokens);
    const std::vector<TokenSpan> expected = {{0, 1}, {3, 4}, {4, 8}};
    EXPECT_EQ(*tokens, expected);
    EXPECT_EQ(TokenPosition(*tokens, 0, 8), 0u);
    EXPECT_EQ(TokenPosition(*tokens, 1, 8), 3u);
    EXPECT_EQ(TokenPosition(*tokens, 2, 8), 4u);
    EXPECT_EQ(TokenPosition(*tokens, 3, 8), 8u);
    EXPECT_EQ(TokenPosition(*tokens, 99, 8), 8u);
}

TEST(DecimalTokens, ContentsTheDisplayCannotShowHaveNoTokens) {
    for (const char* content :
         {"[F1]", "a[", "[CR", "a]b", "[Delay0]", "[Delay251]", "x[ShiftLevel1]", "[Bogus]"}) {
        EXPECT_FALSE(DecimalTokens(content)) << content;
    }
}

} // namespace
} // namespace zelt
