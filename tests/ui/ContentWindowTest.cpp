#include "view/ContentWindow.h"

#include <gtest/gtest.h>

#include <set>

namespace zelt {
namespace {

std::string Placeholder() {
    return std::string(1, static_cast<char>(kPlaceholderByte));
}

TEST(ContentWindow, ExactlyTheControlAndInvisibleBytesAreReplaced) {
    const std::set<int> replaced = {0x81, 0x8D, 0x8F, 0x90, 0x9D, 0xA2, 0xAD, 0xF8};
    for (int byte = 0; byte < 256; ++byte) {
        const bool want = byte < 0x20 || replaced.count(byte) != 0;
        EXPECT_EQ(IsPlaceholderByte(static_cast<std::uint8_t>(byte)), want) << byte;
    }
}

TEST(ContentWindow, TabShowsAsPlaceholderAfterTheLetter) {
    ViewState state;
    EXPECT_EQ(ContentBoxText(state, "A\t"), "A" + Placeholder());
    EXPECT_EQ(ContentBoxText(state, "\xa2x\xf8"), Placeholder() + "x" + Placeholder());
    EXPECT_EQ(ContentBoxText(state, "\xe9\x80"), "\xe9\x80");
}

TEST(ContentWindow, ShowsAtMost85CharactersFromCaretMinusColumn) {
    std::string content;
    for (int i = 0; i < 100; ++i) {
        content += static_cast<char>('0' + i % 10);
    }
    ViewState state;
    EXPECT_EQ(ContentBoxText(state, content), content.substr(0, 85));
    state.caretIndex = 100;
    state.caretColumn = 85;
    EXPECT_EQ(ContentBoxText(state, content), content.substr(15, 85));
    state.caretIndex = 50;
    state.caretColumn = 10;
    EXPECT_EQ(ContentBoxText(state, content), content.substr(40, 60));
    state.caretIndex = 3;
    state.caretColumn = 3;
    EXPECT_EQ(ContentBoxText(state, "abc"), "abc");
}

TEST(ContentWindow, StaleCaretNeverLeavesTheText) {
    ViewState state;
    state.caretIndex = 40;
    state.caretColumn = 0;
    EXPECT_EQ(ContentBoxText(state, "short"), "");
    state.caretIndex = 0;
    state.caretColumn = 5;
    EXPECT_EQ(ContentBoxText(state, "short"), "short");
}

TEST(ContentWindow, DecimalDisplayShowsTheDecimalFormOfValidAsciiContentOnly) {
    ViewState state;
    state.decimalDisplay = 1;
    EXPECT_EQ(ContentBoxText(state, "A"), "[65]");
    EXPECT_EQ(ContentBoxText(state, "AB"), "[65][66]");
    state.decimalCaretIndex = 4;
    state.caretColumn = 0;
    EXPECT_EQ(ContentBoxText(state, "AB"), "[66]");
    state.decimalCaretIndex = 0;
    EXPECT_EQ(ContentBoxText(state, "[F1]"), "");
    EXPECT_EQ(ContentBoxText(state, "[Delay0]"), "");
}

} // namespace
} // namespace zelt
