#include "text/KeywordListText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelt {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos;
         end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    // Whatever follows the last line feed; empty when the text ends with one.
    lines.push_back(text.substr(start));
    return lines;
}

// The reference as the user must see it, line by line ("\t" is one tab).
const std::vector<std::string> kExpectedLines = {
    " Symbol:\t\tFunction Key's Name",
    " =========================================",
    " [F1]\t\t\tFunction key <F1>",
    " [F2]\t\t\tFunction key <F2>",
    " [F3]\t\t\tFunction key <F3>",
    " [F4]\t\t\tFunction key <F4>",
    " [F5]\t\t\tFunction key <F5>",
    " [F6]\t\t\tFunction key <F6>",
    " [F7]\t\t\tFunction key <F7>",
    " [F8]\t\t\tFunction key <F8>",
    " [F9]\t\t\tFunction key <F9>",
    " [F10]\t\t\tFunction key <F10>",
    " [F11]\t\t\tFunction key <F11>",
    " [F12]\t\t\tFunction key <F12>",
    "",
    " [ESC]\t\t\tFunction key <Esc>",
    " [Backspace]\t\tkey <Backspace>",
    " [Tab]\t\t\tkey <Tab>",
    " [CapsLock]\t\tkey <Caps Lock>",
    " [Enter]\t\t\tkey <Enter>",
    " [Shift]\t\t\tkey <Shift> in left",
    " [RightShift]\t\tkey <Shift> in right",
    " [Ctrl]\t\t\tkey <Ctrl> in left",
    " [RightCtrl]\t\tkey <Ctrl> in right",
    " [Alt]\t\t\tkey <Alt> in left",
    " [RightAlt]\t\tkey <Alt> in right",
    " [Space]\t\tkey <space bar>",
    "",
    " [Insert]\t\tFunction key <Insert>",
    " [Delete]\t\tFunction key <Delete>",
    " [Home]\t\tFunction key <Home>",
    " [End]\t\t\tFunction key <End>",
    " [PageUp]\t\tFunction key <Page Up>",
    " [PageDown]\t\tFunction key <Page Down>",
    " [ArrowUp]\t\tFunction key <Up Arrow>",
    " [ArrowLeft]\t\tFunction key <Left Arrow>",
    " [ArrowRight]\t\tFunction key <Right Arrow>",
    " [ArrowDown]\t\tFunction key <Down Arrow>",
    " [NumLock]\t\tFunction key <Num Lock>",
    " [ScrollLk]\t\tFunction key <Scroll Lock>",
    " [PrintScreen]\t\tFunction key <Print Screen>",
    " [PauseBreak]\t\tFunction key <Pause Break>",
    " [Win]\t\t\tFunction key <Win> in left",
    " [RightWin]\t\tFunction key <Win> in right",
    " [Menu]\t\tFunction key <Menu>",
    "",
    " [Ctrl+PauseBreak]\tFunction key <Ctrl>+<Pause Break>",
    " [Ctrl+PrintScreen]\tFunction key <Ctrl>+<Print Screen>",
    " [Alt+PrintScreen]\tFunction key <Alt>+<Print Screen>",
    "",
    " [PAD0]\t\t\tnumber key <0> in keypad",
    " [PAD1]\t\t\tnumber key <1> in keypad",
    " [PAD2]\t\t\tnumber key <2> in keypad",
    " [PAD3]\t\t\tnumber key <3> in keypad",
    " [PAD4]\t\t\tnumber key <4> in keypad",
    " [PAD5]\t\t\tnumber key <5> in keypad",
    " [PAD6]\t\t\tnumber key <6> in keypad",
    " [PAD7]\t\t\tnumber key <7> in keypad",
    " [PAD8]\t\t\tnumber key <8> in keypad",
    " [PAD9]\t\t\tnumber key <9> in keypad",
    " [PAD+]\t\t\tnumber key <+> in keypad",
    " [PAD-]\t\t\tnumber key <-> in keypad",
    " [PAD*]\t\t\tnumber key <*> in keypad",
    " [PAD/]\t\t\tnumber key </> in keypad",
    " [PAD.]\t\t\tnumber key <.> in keypad",
    " [PADEnter]\t\tnumber key <Enter> in keypad",
    "",
    " [SystemPower]\tTurn on/off system power",
    " [SystemSleep]\tmake system sleep",
    " [SystemWake]\tmake system wake",
    " [Forward]\t\t\tgoto next track",
    " [Backward]\t\tgoto previous track",
    " [Stop]\t\t\tstop",
    " [PlayPause]\t\tplay/pause",
    " [Mute]\t\t\tmute",
    " [VolumeUp]\t\tvolume up",
    " [VolumeDown]\tvolume down",
    " [MediaSelect]\t\tmedia select",
    " [Mail]\t\t\tmail",
    " [Calculator]\t\tcalculator",
    " [MyComputer]\t\tMy computer",
    " [WWWSearch]\tWWW Search",
    " [WWWHome]\t\tWWW Home",
    " [WWWBack]\t\tWWW Back",
    " [WWWForward]\tWWW Forward",
    " [WWWStop]\t\tWWW Stop",
    " [WWWRefresh]\tWWW Refresh",
    " [WWWFavorites]\tWWW Favorites",
    "",
    " [0E0]\t\t\tscan code used for generating break codes of special keys",
    " [0F0]\t\t\tscan code used for generating break codes",
    "",
    " Note:\tNormal alpha-numeric characters and symbols are represented in scan code as",
    "\tthe character itself enclosed in square brackets.  For example [A] [B] [C]",
    "\t[1] [2] [3] [-] [;] [,] [/].",
    // After the final line feed.
    "",
};

TEST(KeywordListText, MatchesTheReferenceLineByLine) {
    const std::vector<std::string> lines = Lines(KeywordListText());
    ASSERT_EQ(lines.size(), kExpectedLines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i], kExpectedLines[i]) << "line " << i + 1;
    }
}

TEST(KeywordListText, NamesEightyThreeKeywordsEachOnce) {
    EXPECT_EQ(KeywordListRows().size(), 83u);
    const std::string text = KeywordListText();
    EXPECT_EQ(text.back(), '\n');
    for (const KeywordListRow& row : KeywordListRows()) {
        const std::string line = " " + std::string(row.keyword) + "\t";
        EXPECT_EQ(text.find(line), text.rfind(line)) << row.keyword;
        EXPECT_NE(text.find(line), std::string::npos) << row.keyword;
    }
}

} // namespace
} // namespace zelt
