#pragma once

#include <string>

namespace zelt {

// What a character key types into the selected key, by its virtual-key code (US layout).

// In ASCII mode: the character of the key, with Shift and (for letters) Caps Lock applied;
// Enter types "[CR]". Empty for a key without a character.
std::string AsciiTextOfKey(int virtualKey, bool shiftHeld, bool capsLock);

// In scan-code mode: the keyword of the key's scan code, whatever Shift and Caps Lock say
// ("[A]", "[1]", "[PAD5]", "[Enter]", "[;]", ...). A key that has no character of its own
// (navigation, function, lock and media keys) gives nothing: its code would otherwise read as
// a character and name an unrelated key.
std::string ScanKeywordOfKey(int virtualKey);

} // namespace zelt
