#include "FakeViewDocument.h"
#include "KeyContent.h"
#include "ModelCode.h"
#include "typing/DecimalTokens.h"
#include "typing/KeyEditCommands.h"
#include "typing/KeyTyping.h"
#include "view/DecimalForm.h"
#include "view/ViewGeometry.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace zelt {
namespace {

using test::FakeViewDocument;

// Keys a user may press, as the mapping delivers them, keypad and ESC included.
constexpr pc::KeyCode kKeys[] = {
    {27, 0x01},  {112, 0x3B}, {9, 0x0F},   {13, 0x1C},  {16, 0x2A},    {16, 0x36},  {32, 0x39},
    {36, 0x147}, {35, 0x14F}, {37, 0x14B}, {39, 0x14D}, {38, 0x148},   {40, 0x150}, {8, 0x0E},
    {46, 0x153}, {33, 0x149}, {103, 0x47}, {36, 0x47},  {100, 0x4B},   {37, 0x4B},  {102, 0x4D},
    {101, 0x4C}, {12, 0x4C},  {'A', 0x1E}, {'E', 0x12}, {'F', 0x21},   {'1', 0x02}, {219, 0x1A},
    {221, 0x1B}, {186, 0x27}, {0, 0},      {117, 0x40}, {'A', 0x401E}, {8, 0x400E}, {110, 0x53},
};

// The caret must always stand inside what the content box shows, and in the decimal display
// on a token start whose index is the caret index.
void ExpectCaretInside(const ViewController& view, std::size_t step) {
    const ViewState& state = view.State();
    const std::string& content = view.SelectedContent();
    if (state.decimalDisplay == 0) {
        ASSERT_GE(state.caretIndex, 0) << step;
        ASSERT_LE(state.caretIndex, static_cast<int>(content.size())) << step;
        ASSERT_LE(state.caretColumn, std::min(state.caretIndex, view::kContentColumns)) << step;
        ASSERT_GE(state.caretColumn, 0) << step;
        return;
    }
    const std::string form = IsAsciiContent(content) ? DecimalForm(content) : std::string();
    ASSERT_GE(state.decimalCaretIndex, 0) << step;
    ASSERT_LE(state.decimalCaretIndex, static_cast<int>(form.size())) << step;
    ASSERT_LE(state.caretColumn, std::min(state.decimalCaretIndex, view::kContentColumns)) << step;
    if (DecimalTokens(content) && state.decimalCaretIndex < static_cast<int>(form.size())) {
        ASSERT_EQ(form[static_cast<std::size_t>(state.decimalCaretIndex)], '[') << step;
        ASSERT_EQ(state.caretIndex, TokenIndex(form, state.decimalCaretIndex)) << step;
    }
}

TEST(TypingRandomWalk, TheCaretNeverLeavesTheContent) {
    FakeViewDocument document(kModelRM0480);
    RecordingMessageSink messages;
    ViewController view(document, messages);
    KeyTyping typing(view);
    KeyEditCommands edit(view);
    std::mt19937 random(20260214);
    const auto pick = [&random](int count) {
        return static_cast<int>(random() % static_cast<unsigned>(count));
    };
    // Set while the content has changed behind the view's back and no operation has run since.
    bool stale = false;
    for (std::size_t step = 0; step < 40000; ++step) {
        const int choice = pick(40);
        LockKeys locks;
        locks.capsLock = pick(2) == 0;
        if (choice < 30) {
            typing.KeyDown(kKeys[pick(static_cast<int>(std::size(kKeys)))], locks);
        } else if (choice == 30) {
            // A release changes nothing that is shown.
            typing.KeyUp({16, 0xC02A});
            if (stale) {
                continue;
            }
        } else if (choice == 31) {
            edit.SwitchAsciiDisplay(messages);
        } else if (choice == 32) {
            edit.EnterAsciiCode(1 + pick(240));
        } else if (choice == 33) {
            edit.InsertDelayTime(1 + pick(100));
        } else if (choice == 34) {
            edit.InsertCapsCode();
        } else if (choice == 35 && pick(8) == 0) {
            edit.ClearKey();
        } else if (choice == 36 && pick(8) == 0) {
            pick(2) == 0 ? edit.SetScanCodeMode() : edit.SetAsciiMode();
        } else if (choice == 37) {
            view.LeftButtonDown(100 + pick(600), 340);
        } else if (choice == 38) {
            edit.EnterLevelSeparator();
        } else {
            // The content changes behind the view's back, as an import does.
            std::string& content =
                document.data.keyContents[static_cast<std::size_t>(view.State().selectedKey)];
            content.resize(static_cast<std::size_t>(pick(static_cast<int>(content.size()) + 1)));
            // The next key press or command has to cope with the caret this leaves behind.
            stale = true;
            continue;
        }
        // Keep the template from filling up, so insertions keep happening.
        if (view.SelectedContent().size() > 300) {
            edit.ClearKey();
        }
        stale = false;
        ASSERT_NO_FATAL_FAILURE(ExpectCaretInside(view, step)) << "operation " << choice;
    }
}

} // namespace
} // namespace zelt
