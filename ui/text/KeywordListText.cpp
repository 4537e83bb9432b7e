#include "text/KeywordListText.h"

#include <array>

namespace zelt {

namespace {

constexpr std::string_view kHeading = " Symbol:\t\tFunction Key's Name";
constexpr char kRule = '=';
constexpr std::size_t kRuleLength = 41;
constexpr std::array<std::string_view, 3> kNote = {
    " Note:\tNormal alpha-numeric characters and symbols are represented in scan code as",
    "\tthe character itself enclosed in square brackets.  For example [A] [B] [C]",
    "\t[1] [2] [3] [-] [;] [,] [/].",
};

// clang-format off
constexpr std::array kRows = {
    KeywordListRow{"[F1]", 3, "Function key <F1>", false},
    KeywordListRow{"[F2]", 3, "Function key <F2>", false},
    KeywordListRow{"[F3]", 3, "Function key <F3>", false},
    KeywordListRow{"[F4]", 3, "Function key <F4>", false},
    KeywordListRow{"[F5]", 3, "Function key <F5>", false},
    KeywordListRow{"[F6]", 3, "Function key <F6>", false},
    KeywordListRow{"[F7]", 3, "Function key <F7>", false},
    KeywordListRow{"[F8]", 3, "Function key <F8>", false},
    KeywordListRow{"[F9]", 3, "Function key <F9>", false},
    KeywordListRow{"[F10]", 3, "Function key <F10>", false},
    KeywordListRow{"[F11]", 3, "Function key <F11>", false},
    KeywordListRow{"[F12]", 3, "Function key <F12>", true},

    KeywordListRow{"[ESC]", 3, "Function key <Esc>", false},
    KeywordListRow{"[Backspace]", 2, "key <Backspace>", false},
    KeywordListRow{"[Tab]", 3, "key <Tab>", false},
    KeywordListRow{"[CapsLock]", 2, "key <Caps Lock>", false},
    KeywordListRow{"[Enter]", 3, "key <Enter>", false},
    KeywordListRow{"[Shift]", 3, "key <Shift> in left", false},
    KeywordListRow{"[RightShift]", 2, "key <Shift> in right", false},
    KeywordListRow{"[Ctrl]", 3, "key <Ctrl> in left", false},
    KeywordListRow{"[RightCtrl]", 2, "key <Ctrl> in right", false},
    KeywordListRow{"[Alt]", 3, "key <Alt> in left", false},
    KeywordListRow{"[RightAlt]", 2, "key <Alt> in right", false},
    KeywordListRow{"[Space]", 2, "key <space bar>", true},

    KeywordListRow{"[Insert]", 2, "Function key <Insert>", false},
    KeywordListRow{"[Delete]", 2, "Function key <Delete>", false},
    KeywordListRow{"[Home]", 2, "Function key <Home>", false},
    KeywordListRow{"[End]", 3, "Function key <End>", false},
    KeywordListRow{"[PageUp]", 2, "Function key <Page Up>", false},
    KeywordListRow{"[PageDown]", 2, "Function key <Page Down>", false},
    KeywordListRow{"[ArrowUp]", 2, "Function key <Up Arrow>", false},
    KeywordListRow{"[ArrowLeft]", 2, "Function key <Left Arrow>", false},
    KeywordListRow{"[ArrowRight]", 2, "Function key <Right Arrow>", false},
    KeywordListRow{"[ArrowDown]", 2, "Function key <Down Arrow>", false},
    KeywordListRow{"[NumLock]", 2, "Function key <Num Lock>", false},
    KeywordListRow{"[ScrollLk]", 2, "Function key <Scroll Lock>", false},
    KeywordListRow{"[PrintScreen]", 2, "Function key <Print Screen>", false},
    KeywordListRow{"[PauseBreak]", 2, "Function key <Pause Break>", false},
    KeywordListRow{"[Win]", 3, "Function key <Win> in left", false},
    KeywordListRow{"[RightWin]", 2, "Function key <Win> in right", false},
    KeywordListRow{"[Menu]", 2, "Function key <Menu>", true},

    KeywordListRow{"[Ctrl+PauseBreak]", 1, "Function key <Ctrl>+<Pause Break>", false},
    KeywordListRow{"[Ctrl+PrintScreen]", 1, "Function key <Ctrl>+<Print Screen>", false},
    KeywordListRow{"[Alt+PrintScreen]", 1, "Function key <Alt>+<Print Screen>", true},

    KeywordListRow{"[PAD0]", 3, "number key <0> in keypad", false},
    KeywordListRow{"[PAD1]", 3, "number key <1> in keypad", false},
    KeywordListRow{"[PAD2]", 3, "number key <2> in keypad", false},
    KeywordListRow{"[PAD3]", 3, "number key <3> in keypad", false},
    KeywordListRow{"[PAD4]", 3, "number key <4> in keypad", false},
    KeywordListRow{"[PAD5]", 3, "number key <5> in keypad", false},
    KeywordListRow{"[PAD6]", 3, "number key <6> in keypad", false},
    KeywordListRow{"[PAD7]", 3, "number key <7> in keypad", false},
    KeywordListRow{"[PAD8]", 3, "number key <8> in keypad", false},
    KeywordListRow{"[PAD9]", 3, "number key <9> in keypad", false},
    KeywordListRow{"[PAD+]", 3, "number key <+> in keypad", false},
    KeywordListRow{"[PAD-]", 3, "number key <-> in keypad", false},
    KeywordListRow{"[PAD*]", 3, "number key <*> in keypad", false},
    KeywordListRow{"[PAD/]", 3, "number key </> in keypad", false},
    KeywordListRow{"[PAD.]", 3, "number key <.> in keypad", false},
    KeywordListRow{"[PADEnter]", 2, "number key <Enter> in keypad", true},

    KeywordListRow{"[SystemPower]", 1, "Turn on/off system power", false},
    KeywordListRow{"[SystemSleep]", 1, "make system sleep", false},
    KeywordListRow{"[SystemWake]", 1, "make system wake", false},
    KeywordListRow{"[Forward]", 3, "goto next track", false},
    KeywordListRow{"[Backward]", 2, "goto previous track", false},
    KeywordListRow{"[Stop]", 3, "stop", false},
    KeywordListRow{"[PlayPause]", 2, "play/pause", false},
    KeywordListRow{"[Mute]", 3, "mute", false},
    KeywordListRow{"[VolumeUp]", 2, "volume up", false},
    KeywordListRow{"[VolumeDown]", 1, "volume down", false},
    KeywordListRow{"[MediaSelect]", 2, "media select", false},
    KeywordListRow{"[Mail]", 3, "mail", false},
    KeywordListRow{"[Calculator]", 2, "calculator", false},
    KeywordListRow{"[MyComputer]", 2, "My computer", false},
    KeywordListRow{"[WWWSearch]", 1, "WWW Search", false},
    KeywordListRow{"[WWWHome]", 2, "WWW Home", false},
    KeywordListRow{"[WWWBack]", 2, "WWW Back", false},
    KeywordListRow{"[WWWForward]", 1, "WWW Forward", false},
    KeywordListRow{"[WWWStop]", 2, "WWW Stop", false},
    KeywordListRow{"[WWWRefresh]", 1, "WWW Refresh", false},
    KeywordListRow{"[WWWFavorites]", 1, "WWW Favorites", true},

    KeywordListRow{"[0E0]", 3, "scan code used for generating break codes of special keys", false},
    KeywordListRow{"[0F0]", 3, "scan code used for generating break codes", true},
};
// clang-format on

} // namespace

std::span<const KeywordListRow> KeywordListRows() {
    return kRows;
}

std::string KeywordListText() {
    std::string text;
    text += kHeading;
    text += '\n';
    text += ' ';
    text.append(kRuleLength, kRule);
    text += '\n';
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const KeywordListRow& row = kRows[i];
        text += ' ';
        text += row.keyword;
        text.append(static_cast<std::size_t>(row.tabs), '\t');
        text += row.description;
        text += '\n';
        // The note below gets its blank line whether or not the last group asks for one.
        if (row.endsGroup && i + 1 < kRows.size()) {
            text += '\n';
        }
    }
    text += '\n';
    for (const std::string_view line : kNote) {
        text += line;
        text += '\n';
    }
    return text;
}

} // namespace zelt
