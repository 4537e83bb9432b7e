#include "typing/CharacterKeyText.h"

#include "typing/PcKeyCodes.h"

#include <array>
#include <string_view>

namespace zelt {

namespace {

using namespace pc;

constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";
constexpr std::string_view kKeypadOperators = "*+,-./";
constexpr std::string_view kCarriageReturn = "[CR]";
constexpr char kKeypadFiveDigit = '5';

// The US punctuation keys, unshifted and shifted, from VK_OEM_1 on and from VK_OEM_4 on.
constexpr std::string_view kPunctuation = ";=,-./`";
constexpr std::string_view kShiftedPunctuation = ":+<_>?~";
constexpr std::string_view kBrackets = "[\\]'";
constexpr std::string_view kShiftedBrackets = "{|}\"";

// Scan keywords of the same punctuation keys. The bracket keys are named by their shifted
// characters, because "[[]" and "[]]" would read as escaped brackets.
constexpr std::array<std::string_view, 7> kPunctuationKeywords = {"[;]", "[=]", "[,]", "[-]",
                                                                  "[.]", "[/]", "[`]"};
constexpr std::array<std::string_view, 4> kBracketKeywords = {"[{]", "[\\]", "[}]", "[']"};

constexpr std::string_view kKeypadKeywordPrefix = "[PAD";

bool Between(int value, int first, int last) {
    return value >= first && value <= last;
}

std::size_t Offset(int value, int first) {
    return static_cast<std::size_t>(value - first);
}

std::string Bracketed(std::string_view inner) {
    std::string keyword = "[";
    keyword += inner;
    keyword += ']';
    return keyword;
}

// Codes of keys that produce no character: control, navigation and editing keys, the Windows
// and application keys, function keys, lock keys, the left/right modifier codes, browser,
// media and launch keys, and the processing codes at the top of the range.
bool IsNonCharacterKey(int virtualKey) {
    return virtualKey < kVk0 || Between(virtualKey, kVkLeftWindows, kVkSleep) ||
           Between(virtualKey, kVkF1, kVkScrollLock) ||
           Between(virtualKey, kVkLeftShift, kVkLaunchApp2) || virtualKey == 0xE5 ||
           virtualKey == 0xE7 || virtualKey >= 0xF6;
}

} // namespace

std::string AsciiTextOfKey(int virtualKey, bool shiftHeld, bool capsLock) {
    if (Between(virtualKey, kVkA, kVkZ)) {
        const char upper = static_cast<char>(virtualKey);
        const bool upperCase = capsLock != shiftHeld;
        return std::string(1, upperCase ? upper : static_cast<char>(upper - 'A' + 'a'));
    }
    if (Between(virtualKey, kVk0, kVk9)) {
        return std::string(1, shiftHeld ? kShiftedDigits[Offset(virtualKey, kVk0)]
                                        : static_cast<char>(virtualKey));
    }
    if (Between(virtualKey, kVkNumpad0, kVkNumpad9)) {
        return std::string(1, static_cast<char>('0' + (virtualKey - kVkNumpad0)));
    }
    if (Between(virtualKey, kVkMultiply, kVkDivide)) {
        return std::string(1, kKeypadOperators[Offset(virtualKey, kVkMultiply)]);
    }
    if (Between(virtualKey, kVkOemSemicolon, kVkOemTilde)) {
        const std::string_view row = shiftHeld ? kShiftedPunctuation : kPunctuation;
        return std::string(1, row[Offset(virtualKey, kVkOemSemicolon)]);
    }
    if (Between(virtualKey, kVkOemOpenBracket, kVkOemQuote)) {
        const std::string_view row = shiftHeld ? kShiftedBrackets : kBrackets;
        return std::string(1, row[Offset(virtualKey, kVkOemOpenBracket)]);
    }
    switch (virtualKey) {
    case kVkClear:
        return std::string(1, kKeypadFiveDigit);
    case kVkReturn:
        return std::string(kCarriageReturn);
    case kVkSpace:
        return " ";
    default:
        return {};
    }
}

std::string ScanKeywordOfKey(int virtualKey) {
    if (Between(virtualKey, kVkA, kVkZ) || Between(virtualKey, kVk0, kVk9)) {
        return Bracketed(std::string(1, static_cast<char>(virtualKey)));
    }
    if (Between(virtualKey, kVkNumpad0, kVkNumpad9)) {
        return std::string(kKeypadKeywordPrefix) +
               static_cast<char>('0' + virtualKey - kVkNumpad0) + ']';
    }
    if (Between(virtualKey, kVkMultiply, kVkDivide)) {
        // The keypad operator codes are the ASCII codes of their characters plus 64.
        return std::string(kKeypadKeywordPrefix) + static_cast<char>(virtualKey - 64) + ']';
    }
    if (Between(virtualKey, kVkOemSemicolon, kVkOemTilde)) {
        return std::string(kPunctuationKeywords[Offset(virtualKey, kVkOemSemicolon)]);
    }
    if (Between(virtualKey, kVkOemOpenBracket, kVkOemQuote)) {
        return std::string(kBracketKeywords[Offset(virtualKey, kVkOemOpenBracket)]);
    }
    switch (virtualKey) {
    case kVkClear:
        return "[PAD5]";
    case kVkReturn:
        return "[Enter]";
    case kVkSpace:
        return "[Space]";
    default:
        break;
    }
    if (virtualKey > 0xFF || IsNonCharacterKey(virtualKey)) {
        return {};
    }
    return Bracketed(std::string(1, static_cast<char>(virtualKey)));
}

} // namespace zelt
