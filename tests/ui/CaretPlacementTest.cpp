#include "view/CaretPlacement.h"

#include <gtest/gtest.h>

namespace zelt {
namespace {

TEST(CaretPlacement, ClickedColumnIsTruncatedTowardsZero) {
    const std::vector<std::pair<int, int>> cases = {
        {96, 0}, {98, 0}, {99, 0}, {105, 0}, {106, 1}, {112, 1}, {113, 2}, {694, 85}, {699, 85}};
    for (const auto& [px, column] : cases) {
        EXPECT_EQ(ContentColumnAt(px), column) << px;
    }
}

struct Placement {
    int length;
    int caretIndex;
    int caretColumn;
    int column;
    int wantIndex;
    int wantColumn;
};

TEST(CaretPlacement, NormalDisplay) {
    const std::vector<Placement> cases = {
        // Right of a short text: after its last character.
        {10, 0, 0, 40, 10, 10},
        {10, 5, 5, 10, 10, 10},
        {10, 0, 0, 3, 3, 3},
        {0, 0, 0, 0, 0, 0},
        {0, 0, 0, 30, 0, 0},
        // Exactly 85 characters: every column is inside.
        {85, 0, 0, 85, 85, 85},
        // Long text, window starting at 0.
        {100, 0, 0, 85, 85, 85},
        {100, 0, 0, 20, 20, 20},
        // Long text scrolled to the end: window starts at 15.
        {100, 100, 85, 10, 25, 10},
        {100, 100, 85, 85, 100, 85},
        // Scrolled by 30 with only 90 characters: a click beyond the end goes to the end.
        {90, 40, 10, 70, 90, 60},
    };
    for (const auto& c : cases) {
        ViewState state;
        state.caretIndex = c.caretIndex;
        state.caretColumn = c.caretColumn;
        PlaceCaretAtColumn(state, std::string(static_cast<std::size_t>(c.length), 'x'), c.column);
        EXPECT_EQ(state.caretIndex, c.wantIndex) << c.length << " col " << c.column;
        EXPECT_EQ(state.caretColumn, c.wantColumn) << c.length << " col " << c.column;
        EXPECT_LE(state.caretColumn, state.caretIndex);
    }
}

TEST(CaretPlacement, DecimalDisplaySnapsToTheClickedTokenStart) {
    // "AB" in decimal: "[65][66]", 8 characters.
    struct Case {
        int column;
        int wantDecimal;
        int wantColumn;
        int wantIndex;
    };
    const std::vector<Case> cases = {
        {0, 0, 0, 0},
        {2, 0, 0, 0},
        {4, 4, 4, 1},
        {6, 4, 4, 1},
        // The end of the form is no token start: the caret goes back to the last token.
        {8, 4, 4, 1},
        // Right of the form: after the last token.
        {9, 8, 8, 2},
        {50, 8, 8, 2},
    };
    for (const auto& c : cases) {
        ViewState state;
        state.decimalDisplay = 1;
        PlaceCaretAtColumn(state, "AB", c.column);
        EXPECT_EQ(state.decimalCaretIndex, c.wantDecimal) << c.column;
        EXPECT_EQ(state.caretColumn, c.wantColumn) << c.column;
        EXPECT_EQ(state.caretIndex, c.wantIndex) << c.column;
    }
}

TEST(CaretPlacement, DecimalDisplayCountsKeywordsAsOneToken) {
    ViewState state;
    state.decimalDisplay = 1;
    // "a[CR]b" shows "[97][CR][98]": column 9 is inside "[98]".
    PlaceCaretAtColumn(state, "a[CR]b", 9);
    EXPECT_EQ(state.decimalCaretIndex, 8);
    EXPECT_EQ(state.caretColumn, 8);
    EXPECT_EQ(state.caretIndex, 2);
}

TEST(CaretPlacement, DecimalDisplayOfALongFormScrolled) {
    // 30 letters give a 120-character form; scrolled so that the window starts at 40.
    ViewState state;
    state.decimalDisplay = 1;
    state.decimalCaretIndex = 120;
    state.caretColumn = 80;
    PlaceCaretAtColumn(state, std::string(30, 'a'), 6);
    EXPECT_EQ(state.decimalCaretIndex, 44);
    EXPECT_EQ(state.caretColumn, 4);
    EXPECT_EQ(state.caretIndex, 11);
    // A caret left beyond a form that has shrunk is brought back inside it.
    state.decimalCaretIndex = 500;
    state.caretColumn = 0;
    PlaceCaretAtColumn(state, "ab", 3);
    EXPECT_LE(state.decimalCaretIndex, 8);
    EXPECT_LE(state.caretColumn, state.decimalCaretIndex);
}

} // namespace
} // namespace zelt
