#pragma once

#include <span>

// What the keyboard output test writes for a key press, as data.
namespace zelt::keytest {

// A key the test names with a keyword: its scan flags on the first press, and the text.
// The auto-repeat of a held key carries the same flags plus 0x4000 and gives the same text,
// except for keys that have no auto-repeat value.
struct NamedKey {
    int flags;
    const char* text;
    bool repeats;
};

// A key of the US layout's main block that gives a character, unshifted and shifted.
struct CharacterKey {
    int scanCode;
    char unshifted;
    char shifted;
};

std::span<const NamedKey> NamedKeys();
std::span<const CharacterKey> CharacterKeys();

} // namespace zelt::keytest
