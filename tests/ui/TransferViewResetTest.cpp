#include "transfer/TransferViewReset.h"

#include "FakeViewDocument.h"
#include "ModelCode.h"

#include <gtest/gtest.h>

namespace zelt {
namespace {

using test::FakeViewDocument;

// A view state in the middle of editing: another key selected, caret and flags away from their
// start values.
ViewState EditingState(const FakeViewDocument& document) {
    ViewState state;
    state.selectedPosition = 30;
    state.selectedKey = document.KeyAt(30);
    state.keyRaised.fill(1);
    state.keyRaised[30] = 0;
    state.caretIndex = 9;
    state.decimalCaretIndex = 12;
    state.caretColumn = 7;
    state.escPending = 1;
    state.shiftReleased = 0;
    state.decimalDisplay = 1;
    state.wrongWordShown = 1;
    state.keyAsciiMode.fill(0);
    state.portName = "USB";
    return state;
}

void ExpectSelectionReset(const ViewState& state, const FakeViewDocument& document) {
    EXPECT_EQ(state.selectedPosition, 0);
    EXPECT_EQ(state.selectedKey, document.KeyAt(0));
    EXPECT_EQ(state.caretIndex, 0);
    EXPECT_EQ(state.decimalCaretIndex, 0);
    EXPECT_EQ(state.caretColumn, 0);
    EXPECT_EQ(state.escPending, 0);
    EXPECT_EQ(state.shiftReleased, 1);
    EXPECT_EQ(state.keyRaised[0], 0);
    for (std::size_t i = 1; i < state.keyRaised.size(); ++i) {
        EXPECT_EQ(state.keyRaised[i], 1) << i;
    }
}

TEST(TransferViewReset, PutsTheSelectionOnTheFirstKeyAndKeepsTheRest) {
    // The first key is the model's first layout position, whatever its key number.
    for (const int model : {kModelRM0480, kModelTK0550}) {
        const FakeViewDocument document(model);
        ViewState state = EditingState(document);
        ResetViewAfterTransfer(state, document.layout);
        ExpectSelectionReset(state, document);
        EXPECT_EQ(state.decimalDisplay, 1);
        EXPECT_EQ(state.wrongWordShown, 1);
        EXPECT_EQ(state.portName, "USB");
        // A write leaves every key's mode as it was.
        for (const int mode : state.keyAsciiMode) {
            EXPECT_EQ(mode, 0);
        }
    }
}

TEST(TransferViewReset, AfterAReadTheFirstKeyTakesTheModeOfItsContent) {
    struct Case {
        const char* content;
        int asciiMode;
    };
    for (const Case& c :
         {Case{"", 1}, Case{"text[CR]", 1}, Case{"[F1][Enter]", 0}, Case{"[F99]", 0}}) {
        FakeViewDocument document(kModelRM0480);
        document.SetContentAt(0, c.content);
        ViewState state = EditingState(document);
        state.keyAsciiMode.fill(1 - c.asciiMode);
        ResetViewAfterRead(state, document.layout, document.data);
        ExpectSelectionReset(state, document);
        EXPECT_EQ(state.keyAsciiMode[static_cast<std::size_t>(document.KeyAt(0))], c.asciiMode)
            << c.content;
        // Only the selected key's mode follows its content.
        EXPECT_EQ(state.keyAsciiMode[static_cast<std::size_t>(document.KeyAt(5))], 1 - c.asciiMode);
    }
}

} // namespace
} // namespace zelt
