#include "view/KeySelection.h"

#include "FakeViewDocument.h"
#include "KeyContent.h"
#include "ModelCode.h"
#include "view/ViewController.h"

#include <gtest/gtest.h>

namespace zelt {
namespace {

using test::FakeViewDocument;

class KeySelectionTest : public ::testing::Test {
protected:
    explicit KeySelectionTest(int model = kModelRM0480) : document(model) {}

    ViewController& Controller() {
        if (!controller) {
            controller = std::make_unique<ViewController>(document, messages);
        }
        return *controller;
    }
    ViewState& State() { return Controller().State(); }

    // A point strictly inside the key drawn at a layout position.
    std::pair<int, int> Inside(int position) const {
        const KeyRect& r = document.layout.rects[static_cast<std::size_t>(position)];
        return {r.x + r.width / 2, r.y + r.height / 2};
    }
    Redraw Click(int position) {
        const auto [x, y] = Inside(position);
        return Controller().LeftButtonDown(x, y);
    }

    int PressedCount() const {
        int pressed = 0;
        for (int i = 0; i < document.layout.keyCount; ++i) {
            pressed += controller->State().keyRaised[static_cast<std::size_t>(i)] == 0 ? 1 : 0;
        }
        return pressed;
    }

    FakeViewDocument document;
    RecordingMessageSink messages;
    std::unique_ptr<ViewController> controller;
};

TEST_F(KeySelectionTest, InitialUpdateSelectsTheFirstPosition) {
    document.SetContentAt(3, "abc");
    ViewState& state = State();
    state.caretIndex = 4;
    state.decimalDisplay = 1;
    state.wrongWordShown = 1;
    state.escPending = 1;
    state.shiftReleased = 0;
    state.keyAsciiMode.fill(0);
    Controller().InitialUpdate();
    EXPECT_EQ(state.selectedPosition, 0);
    EXPECT_EQ(state.selectedKey, document.KeyAt(0));
    EXPECT_EQ(state.caretIndex, 0);
    EXPECT_EQ(state.caretColumn, 0);
    EXPECT_EQ(state.decimalCaretIndex, 0);
    EXPECT_EQ(state.decimalDisplay, 0);
    EXPECT_EQ(state.wrongWordShown, 0);
    EXPECT_EQ(state.escPending, 0);
    EXPECT_EQ(state.shiftReleased, 1);
    EXPECT_EQ(state.keyRaised[0], 0);
    for (std::size_t i = 1; i < kKeyCount; ++i) {
        EXPECT_EQ(state.keyRaised[i], 1) << i;
        EXPECT_EQ(state.keyAsciiMode[i], 1) << i;
    }
}

TEST_F(KeySelectionTest, FirstKeyOfALoadedTemplateShowsItsScanCodeMode) {
    document.SetContentAt(0, "[F1]");
    Controller().InitialUpdate();
    EXPECT_EQ(State().keyAsciiMode[static_cast<std::size_t>(document.KeyAt(0))], 0);
    EXPECT_EQ(Controller().ModeText(), "ScanCode Mode");
}

TEST_F(KeySelectionTest, BorderClicksHitNoKey) {
    const KeyRect& r = document.layout.rects[0];
    const int midY = r.y + r.height / 2;
    EXPECT_EQ(HitKey(document.layout, r.x, midY), -1);
    EXPECT_EQ(HitKey(document.layout, r.x + r.width, midY), -1);
    EXPECT_EQ(HitKey(document.layout, r.x + 1, r.y), -1);
    EXPECT_EQ(HitKey(document.layout, r.x + 1, r.y + r.height), -1);
    EXPECT_EQ(HitKey(document.layout, r.x + 1, midY), 0);
    EXPECT_EQ(HitKey(document.layout, r.x + r.width - 1, r.y + r.height - 1), 0);
    EXPECT_EQ(HitKey(document.layout, 5, 5), -1);

    // A border click leaves the selection alone.
    Controller();
    EXPECT_EQ(Controller().LeftButtonDown(document.layout.rects[5].x, midY), Redraw::None);
    EXPECT_EQ(State().selectedPosition, 0);
}

TEST(KeyHit, EveryKeyOfEveryModelIsHitInsideItsOutlineAndMissedOnIt) {
    // The keys sit a few pixels apart, so a point just inside an outline belongs to that key
    // alone and a point on it to none; a layout whose keys touched or overlapped would send
    // such clicks to a neighbour.
    for (const ModelLayout* layout : ModelCatalogue()) {
        for (int i = 0; i < layout->keyCount; ++i) {
            const KeyRect& r = layout->rects[static_cast<std::size_t>(i)];
            const int right = r.x + r.width;
            const int bottom = r.y + r.height;
            const std::pair<int, int> inside[] = {{r.x + 1, r.y + 1},
                                                  {right - 1, r.y + 1},
                                                  {r.x + 1, bottom - 1},
                                                  {right - 1, bottom - 1}};
            for (const auto& [x, y] : inside) {
                EXPECT_EQ(HitKey(*layout, x, y), i) << layout->name << " " << x << "," << y;
            }
            const std::pair<int, int> outline[] = {{r.x, r.y},
                                                   {right, bottom},
                                                   {r.x, r.y + r.height / 2},
                                                   {right, r.y + r.height / 2},
                                                   {r.x + r.width / 2, r.y},
                                                   {r.x + r.width / 2, bottom}};
            for (const auto& [x, y] : outline) {
                EXPECT_EQ(HitKey(*layout, x, y), -1) << layout->name << " " << x << "," << y;
            }
        }
    }
}

TEST_F(KeySelectionTest, OverlappingKeysGoToTheLowerPosition) {
    // Make position 7 overlap position 3 partly.
    document.layout.rects[7] = document.layout.rects[3];
    document.layout.rects[7].x += 5;
    const KeyRect& r = document.layout.rects[7];
    EXPECT_EQ(HitKey(document.layout, r.x + 2, r.y + 5), 3);
    EXPECT_EQ(HitKey(document.layout, r.x + r.width - 2, r.y + 5), 7);
}

TEST_F(KeySelectionTest, MouseSelectsAKeyAndRaisesAllOthers) {
    document.SetContentAt(20, "[F2]");
    EXPECT_EQ(Click(20), Redraw::All);
    const ViewState& state = State();
    EXPECT_EQ(state.selectedPosition, 20);
    EXPECT_EQ(state.selectedKey, document.KeyAt(20));
    EXPECT_EQ(state.keyRaised[20], 0);
    EXPECT_EQ(PressedCount(), 1);
    EXPECT_EQ(state.keyAsciiMode[static_cast<std::size_t>(state.selectedKey)], 0);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(KeySelectionTest, UpperPartOfTheEnterKeySelectsItsLowerPart) {
    for (const int model : {kModelRM0480, kModelRM0410, kModelRM0420, 2099}) {
        document.SetModel(model);
        controller.reset();
        ASSERT_EQ(Click(28), Redraw::All) << model;
        EXPECT_EQ(State().selectedPosition, 41) << model;
        EXPECT_EQ(State().selectedKey, document.KeyAt(41)) << model;
        EXPECT_EQ(State().keyRaised[41], 0) << model;
        EXPECT_EQ(State().keyRaised[28], 1) << model;
        EXPECT_EQ(PressedCount(), 1) << model;
        Click(41);
        EXPECT_EQ(State().selectedPosition, 41) << model;
    }
    for (const int model : {kModelTK0550, kModelTK0530}) {
        document.SetModel(model);
        controller.reset();
        Click(28);
        EXPECT_EQ(State().selectedPosition, 28) << model;
        EXPECT_EQ(State().keyRaised[28], 0) << model;
    }
}

TEST_F(KeySelectionTest, LeavingAnInvalidKeyWithTheMouseIsRefused) {
    document.SetContentAt(0, "[F99]");
    Controller();
    State().caretIndex = 3;
    State().caretColumn = 3;
    EXPECT_EQ(Click(10), Redraw::None);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], "Wrong function word or scan code word!!");
    EXPECT_EQ(State().selectedPosition, 0);
    EXPECT_EQ(State().caretIndex, 3);
    EXPECT_EQ(State().keyRaised[0], 0);
    EXPECT_EQ(State().keyRaised[10], 1);
    // Clicking into the content box still places the caret.
    EXPECT_EQ(Controller().LeftButtonDown(99 + 7, 340), Redraw::ContentBox);
    EXPECT_EQ(State().caretIndex, 1);
}

TEST_F(KeySelectionTest, DecimalDisplayEndsWhenAnotherKeyIsSelected) {
    document.SetContentAt(0, "ABC");
    Controller();
    State().decimalDisplay = 1;
    State().decimalCaretIndex = 8;
    State().caretIndex = 2;
    State().caretColumn = 0;
    // The same key again: the decimal display stays, the carets go back to the start.
    Click(0);
    EXPECT_EQ(State().decimalDisplay, 1);
    EXPECT_EQ(State().caretIndex, 0);
    EXPECT_EQ(State().decimalCaretIndex, 0);
    EXPECT_EQ(Controller().ContentBoxText(), "[65][66][67]");
    Click(1);
    EXPECT_EQ(State().decimalDisplay, 0);
}

TEST_F(KeySelectionTest, ContentBoxClickPlacesTheCaretOnly) {
    document.SetContentAt(0, "0123456789");
    Controller();
    EXPECT_EQ(Controller().LeftButtonDown(99 + 40 * 7 + 3, 340), Redraw::ContentBox);
    EXPECT_EQ(State().caretIndex, 10);
    EXPECT_EQ(State().caretColumn, 10);
    EXPECT_EQ(State().selectedPosition, 0);
    // The box's own outline is outside it.
    EXPECT_EQ(Controller().LeftButtonDown(95, 340), Redraw::None);
    EXPECT_EQ(Controller().LeftButtonDown(300, 330), Redraw::None);
    EXPECT_EQ(Controller().LeftButtonDown(300, 350), Redraw::None);
    EXPECT_EQ(Controller().LeftButtonDown(700, 340), Redraw::None);
    EXPECT_EQ(State().caretIndex, 10);
}

TEST_F(KeySelectionTest, MoveByDirectionFollowsTheNeighbours) {
    Controller();
    for (int direction = 0; direction < 4; ++direction) {
        const int from = State().selectedPosition;
        const int to = NeighbourKey(document.layout, direction, from);
        State().caretIndex = 1;
        State().decimalCaretIndex = 4;
        State().decimalDisplay = 1;
        EXPECT_EQ(Controller().MoveSelection(direction), Redraw::All);
        EXPECT_EQ(State().selectedPosition, to) << direction;
        EXPECT_EQ(State().selectedKey, document.KeyAt(to));
        EXPECT_EQ(State().keyRaised[static_cast<std::size_t>(to)], 0);
        if (to != from) {
            EXPECT_EQ(State().keyRaised[static_cast<std::size_t>(from)], 1);
        }
        EXPECT_EQ(State().caretIndex, 0);
        EXPECT_EQ(State().decimalCaretIndex, 0);
        EXPECT_EQ(State().decimalDisplay, 0);
    }
}

TEST_F(KeySelectionTest, MoveAwayFromAnInvalidKeyShowsTheRedLine) {
    document.SetContentAt(0, "[F99]");
    Controller();
    EXPECT_EQ(Controller().MoveSelection(1), Redraw::All);
    EXPECT_EQ(State().wrongWordShown, 1);
    EXPECT_EQ(State().selectedPosition, 0);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(KeySelectionTest, MoveSetsTheModeFromTheNewContent) {
    const int right = NeighbourKey(document.layout, 1, 0);
    document.SetContentAt(right, "[A][B]");
    Controller().MoveSelection(1);
    EXPECT_EQ(Controller().ModeText(), "ScanCode Mode");
    EXPECT_EQ(Controller().HintText(),
              "Use Mouse or <Shift> + <Arrow> to Select Key. Use <ESC> then <Func Key> to Input "
              "Function Key Code.");
    Controller().MoveSelection(0);
    EXPECT_EQ(Controller().ModeText(), "ASCII Mode");
    EXPECT_EQ(Controller().HintText(), "Use Mouse or <Shift> + <Arrow> to Select Key.");
    State().decimalDisplay = 1;
    EXPECT_EQ(Controller().ModeText(), "ASCII Decimal Mode");
}

TEST_F(KeySelectionTest, LabelColourFollowsTheKeyFlags) {
    Controller();
    const auto key = static_cast<std::size_t>(document.KeyAt(5));
    document.data.blankKeyFlags[key] = 1;
    EXPECT_EQ(Controller().LabelStateOf(5), LabelState::Blank);
    document.data.blankKeyFlags[key] = 0;
    document.data.definedKeyFlags[key] = 1;
    EXPECT_EQ(Controller().LabelStateOf(5), LabelState::Defined);
    document.data.definedKeyFlags[key] = 0;
    EXPECT_EQ(Controller().LabelStateOf(5), LabelState::Modified);
}

TEST_F(KeySelectionTest, PortNameInTheLegend) {
    EXPECT_EQ(Controller().PortNameText(), "Port Name: ");
    State().portName = "USB";
    EXPECT_EQ(Controller().PortNameText(), "Port Name: USB");
}

} // namespace
} // namespace zelt
