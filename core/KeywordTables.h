#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zelt {

// The keyword vocabulary of scan code mode: one-byte keys (table N, with aliases), extended
// keys after E0 (table E), consumer and system keys after E0 (table C), the multi-byte keys
// (table M) and the function keywords (table F).

// Function keywords.
inline constexpr std::string_view kSeparatorKeyword = "[Separator]";
inline constexpr std::string_view kCapsKeyword = "[Caps]";
inline constexpr std::string_view kCarriageReturnKeyword = "[CR]";
inline constexpr std::string_view kDelayKeywordPrefix = "[Delay";
inline constexpr std::string_view kShiftLevelKeywordPrefix = "[ShiftLevel";
inline constexpr std::string_view kExtendedPrefixKeyword = "[0E0]";
inline constexpr std::string_view kBreakPrefixKeyword = "[0F0]";

// Keyword shown for a one-byte code of a scan-code record, or "" when the code has none.
// Also names 0xF0 ("[0F0]") and 0xFE ("[Separator]"). For 0xFD the caller passes the byte
// that follows (the delay value, which the caller consumes): 0xFC gives "", 0 gives
// "[Delay1]", a value above 250 gives "[Delay249]", any other n gives "[Delay" n "]".
std::string NormalKeywordName(std::uint8_t code, std::uint8_t delayByte = 0);

// The delay a scan-code record's 0xFD n is shown as (n other than 0xFC). A stored value
// outside 1..250 cannot be written back as it is, so it is shown as a valid delay that lets the
// key be saved again: 0 as 1, anything above 250 as 249.
int ScanCodeDelayShown(std::uint8_t stored);

// Keyword of table E for the byte after E0, else of table C, else "".
std::string ExtendedKeywordName(std::uint8_t codeAfterE0);

// Keyword of table C for the byte after E0, else "".
std::string ConsumerKeywordName(std::uint8_t codeAfterE0);

// Bytes of a scan-code keyword of tables N (with aliases), E, C and M, "[0E0]" or "[0F0]";
// "" when the keyword is not one of them. Brackets included, exact and case-sensitive.
std::string ScanCodeKeywordBytes(std::string_view keyword);

// Which table a scan-code keyword comes from.
enum class KeywordGroup {
    Normal,      // table N: one set-1 make code
    NormalAlias, // another spelling of a table N keyword ("[a]", "[!]", ...)
    Extended,    // table E: E0 and a code
    Consumer,    // table C: E0 and a code
    MultiByte,   // table M: "[PauseBreak]", "[PrintScreen]"
    Prefix,      // "[0E0]" and "[0F0]": a prefix byte by itself
    Function,    // "[Separator]", "[Caps]", "[CR]": not scan codes, see FindKeyword
};

struct ScanCodeKeyword {
    std::string_view name;
    KeywordGroup group;
    std::uint8_t size; // 1..4
    std::array<std::uint8_t, 4> bytes;

    std::span<const std::uint8_t> Bytes() const { return {bytes.data(), size}; }
};

// Every scan-code keyword in table order (N, the aliases, E, C, M, the prefixes), e.g. for a
// list of keywords shown to the user.
std::span<const ScanCodeKeyword> ScanCodeKeywords();

// The scan-code keyword of that exact name, or nullptr. Does not allocate.
const ScanCodeKeyword* FindScanCodeKeyword(std::string_view keyword);

// Like FindScanCodeKeyword, but also finds the function keywords with fixed bytes,
// "[Separator]" (FE), "[Caps]" (FD FC) and "[CR]" (0D), as group Function. The encoder looks
// every keyword up once through this.
const ScanCodeKeyword* FindKeyword(std::string_view keyword);

// Non-allocating forms of the name lookups above; "" when there is no name.
std::string_view NormalKeywordView(std::uint8_t code); // table N only
std::string_view ExtendedKeywordView(std::uint8_t codeAfterE0);
std::string_view ConsumerKeywordView(std::uint8_t codeAfterE0);

// "[Delay" n "]" and "[ShiftLevel" n "]" for a number written in decimal.
std::string DelayKeyword(int tenths);
std::string ShiftLevelKeyword(int level);

} // namespace zelt
