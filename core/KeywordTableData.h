#pragma once

// The keyword vocabulary as compile-time data, with the lookups that the encoder and the
// decoder need inlined into their loops. Everything else reaches it through KeywordTables.h.

#include "ByteWords.h"
#include "KeyRecordCodes.h"
#include "KeywordTables.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

namespace zelt::keyword_data {

struct CodeName {
    std::uint8_t code;
    std::string_view name;
};

// Table N: one-byte keys, PC scan code set 1 make codes. The decoder shows these names.
inline constexpr CodeName kNormalKeys[] = {
    {0x01, "[ESC]"},     {0x02, "[1]"},          {0x03, "[2]"},    {0x04, "[3]"},
    {0x05, "[4]"},       {0x06, "[5]"},          {0x07, "[6]"},    {0x08, "[7]"},
    {0x09, "[8]"},       {0x0A, "[9]"},          {0x0B, "[0]"},    {0x0C, "[-]"},
    {0x0D, "[=]"},       {0x0E, "[Backspace]"},  {0x0F, "[Tab]"},  {0x10, "[Q]"},
    {0x11, "[W]"},       {0x12, "[E]"},          {0x13, "[R]"},    {0x14, "[T]"},
    {0x15, "[Y]"},       {0x16, "[U]"},          {0x17, "[I]"},    {0x18, "[O]"},
    {0x19, "[P]"},       {0x1A, "[{]"},          {0x1B, "[}]"},    {0x1C, "[Enter]"},
    {0x1D, "[Ctrl]"},    {0x1E, "[A]"},          {0x1F, "[S]"},    {0x20, "[D]"},
    {0x21, "[F]"},       {0x22, "[G]"},          {0x23, "[H]"},    {0x24, "[J]"},
    {0x25, "[K]"},       {0x26, "[L]"},          {0x27, "[;]"},    {0x28, "[']"},
    {0x29, "[`]"},       {0x2A, "[Shift]"},      {0x2B, "[\\]"},   {0x2C, "[Z]"},
    {0x2D, "[X]"},       {0x2E, "[C]"},          {0x2F, "[V]"},    {0x30, "[B]"},
    {0x31, "[N]"},       {0x32, "[M]"},          {0x33, "[,]"},    {0x34, "[.]"},
    {0x35, "[/]"},       {0x36, "[RightShift]"}, {0x37, "[PAD*]"}, {0x38, "[Alt]"},
    {0x39, "[Space]"},   {0x3A, "[CapsLock]"},   {0x3B, "[F1]"},   {0x3C, "[F2]"},
    {0x3D, "[F3]"},      {0x3E, "[F4]"},         {0x3F, "[F5]"},   {0x40, "[F6]"},
    {0x41, "[F7]"},      {0x42, "[F8]"},         {0x43, "[F9]"},   {0x44, "[F10]"},
    {0x45, "[NumLock]"}, {0x46, "[ScrollLk]"},   {0x47, "[PAD7]"}, {0x48, "[PAD8]"},
    {0x49, "[PAD9]"},    {0x4A, "[PAD-]"},       {0x4B, "[PAD4]"}, {0x4C, "[PAD5]"},
    {0x4D, "[PAD6]"},    {0x4E, "[PAD+]"},       {0x4F, "[PAD1]"}, {0x50, "[PAD2]"},
    {0x51, "[PAD3]"},    {0x52, "[PAD0]"},       {0x53, "[PAD.]"}, {0x54, "[Alt+PrintScreen]"},
    {0x57, "[F11]"},     {0x58, "[F12]"},
};

// Other spellings the encoder accepts for table N keys: the shifted character of a key and
// the lower-case letters. "[[]" and "[]]" can never come out of a key content text, because
// "[[" and "]]" are read as literal brackets first; they are kept for completeness.
inline constexpr CodeName kNormalAliases[] = {
    {0x29, "[~]"}, {0x02, "[!]"}, {0x03, "[@]"}, {0x04, "[#]"}, {0x05, "[$]"}, {0x06, "[%]"},
    {0x07, "[^]"}, {0x08, "[&]"}, {0x09, "[*]"}, {0x0A, "[(]"}, {0x0B, "[)]"}, {0x0C, "[_]"},
    {0x0D, "[+]"}, {0x1A, "[[]"}, {0x1B, "[]]"}, {0x2B, "[|]"}, {0x27, "[:]"}, {0x28, "[\"]"},
    {0x33, "[<]"}, {0x34, "[>]"}, {0x35, "[?]"}, {0x1E, "[a]"}, {0x30, "[b]"}, {0x2E, "[c]"},
    {0x20, "[d]"}, {0x12, "[e]"}, {0x21, "[f]"}, {0x22, "[g]"}, {0x23, "[h]"}, {0x17, "[i]"},
    {0x24, "[j]"}, {0x25, "[k]"}, {0x26, "[l]"}, {0x32, "[m]"}, {0x31, "[n]"}, {0x18, "[o]"},
    {0x19, "[p]"}, {0x10, "[q]"}, {0x13, "[r]"}, {0x1F, "[s]"}, {0x14, "[t]"}, {0x16, "[u]"},
    {0x2F, "[v]"}, {0x11, "[w]"}, {0x2D, "[x]"}, {0x15, "[y]"}, {0x2C, "[z]"},
};

// Table E: extended keys, E0 and the code.
inline constexpr CodeName kExtendedKeys[] = {
    {0x1C, "[PADEnter]"},   {0x1D, "[RightCtrl]"},
    {0x35, "[PAD/]"},       {0x37, "[Ctrl+PrintScreen]"},
    {0x38, "[RightAlt]"},   {0x46, "[Ctrl+PauseBreak]"},
    {0x47, "[Home]"},       {0x48, "[ArrowUp]"},
    {0x49, "[PageUp]"},     {0x4B, "[ArrowLeft]"},
    {0x4D, "[ArrowRight]"}, {0x4F, "[End]"},
    {0x50, "[ArrowDown]"},  {0x51, "[PageDown]"},
    {0x52, "[Insert]"},     {0x53, "[Delete]"},
    {0x5B, "[Win]"},        {0x5C, "[RightWin]"},
    {0x5D, "[Menu]"},
};

// Table C: consumer and system keys, E0 and the code.
inline constexpr CodeName kConsumerKeys[] = {
    {0x10, "[Backward]"},    {0x19, "[Forward]"},      {0x20, "[Mute]"},
    {0x21, "[Calculator]"},  {0x22, "[PlayPause]"},    {0x24, "[Stop]"},
    {0x2E, "[VolumeDown]"},  {0x30, "[VolumeUp]"},     {0x32, "[WWWHome]"},
    {0x5E, "[SystemPower]"}, {0x5F, "[SystemSleep]"},  {0x63, "[SystemWake]"},
    {0x65, "[WWWSearch]"},   {0x66, "[WWWFavorites]"}, {0x67, "[WWWRefresh]"},
    {0x68, "[WWWStop]"},     {0x69, "[WWWForward]"},   {0x6A, "[WWWBack]"},
    {0x6B, "[MyComputer]"},  {0x6C, "[Mail]"},         {0x6D, "[MediaSelect]"},
};

// Table M and the bare prefixes.
inline constexpr ScanCodeKeyword kOtherKeywords[] = {
    {"[PauseBreak]", KeywordGroup::MultiByte, 3, {kPausePrefix, 0x1D, 0x45, 0}},
    {"[PrintScreen]", KeywordGroup::MultiByte, 4, {kExtendedPrefix, 0x2A, kExtendedPrefix, 0x37}},
    {kExtendedPrefixKeyword, KeywordGroup::Prefix, 1, {kExtendedPrefix, 0, 0, 0}},
    {kBreakPrefixKeyword, KeywordGroup::Prefix, 1, {kBreakPrefix, 0, 0, 0}},
};

// Function keywords with fixed bytes. They follow the scan-code keywords in the lookup table.
inline constexpr ScanCodeKeyword kFunctionKeywords[] = {
    {kSeparatorKeyword, KeywordGroup::Function, 1, {kSeparatorCode, 0, 0, 0}},
    {kCapsKeyword, KeywordGroup::Function, 2, {kFunctionCode, kCapsCode, 0, 0}},
    {kCarriageReturnKeyword, KeywordGroup::Function, 1, {kCarriageReturnCode, 0, 0, 0}},
};

inline constexpr std::size_t kScanCodeKeywordCount =
    std::size(kNormalKeys) + std::size(kNormalAliases) + std::size(kExtendedKeys) +
    std::size(kConsumerKeys) + std::size(kOtherKeywords);
inline constexpr std::size_t kKeywordCount = kScanCodeKeywordCount + std::size(kFunctionKeywords);

inline constexpr std::array<ScanCodeKeyword, kKeywordCount> kAllKeywords = [] {
    std::array<ScanCodeKeyword, kKeywordCount> all{};
    std::size_t n = 0;
    for (const CodeName& k : kNormalKeys) {
        all[n++] = {k.name, KeywordGroup::Normal, 1, {k.code, 0, 0, 0}};
    }
    for (const CodeName& k : kNormalAliases) {
        all[n++] = {k.name, KeywordGroup::NormalAlias, 1, {k.code, 0, 0, 0}};
    }
    for (const CodeName& k : kExtendedKeys) {
        all[n++] = {k.name, KeywordGroup::Extended, 2, {kExtendedPrefix, k.code, 0, 0}};
    }
    for (const CodeName& k : kConsumerKeys) {
        all[n++] = {k.name, KeywordGroup::Consumer, 2, {kExtendedPrefix, k.code, 0, 0}};
    }
    for (const ScanCodeKeyword& k : kOtherKeywords) {
        all[n++] = k;
    }
    for (const ScanCodeKeyword& k : kFunctionKeywords) {
        all[n++] = k;
    }
    return all;
}();

using NameByCode = std::array<std::string_view, 256>;

inline constexpr NameByCode MakeNameByCode(std::span<const CodeName> table) {
    NameByCode names{};
    for (const CodeName& k : table) {
        names[k.code] = k.name;
    }
    return names;
}

inline constexpr NameByCode kNormalNames = MakeNameByCode(kNormalKeys);
inline constexpr NameByCode kExtendedNames = MakeNameByCode(kExtendedKeys);
inline constexpr NameByCode kConsumerNames = MakeNameByCode(kConsumerKeys);

// Keyword lookup by a perfect hash. A keyword (at most 24 bytes) is packed into three 64-bit
// words, its bytes in order and zeros behind them, and the slot is the top bits of the words
// multiplied by constants chosen so that no two keywords share a slot. A lookup is then one
// slot and one comparison of three words, without a probing loop; a keyword of up to eight
// bytes, the usual case, needs only the first word's product. The static_assert below says the
// hash is perfect and must be kept true when the vocabulary changes (search for new constants
// then: random odd multipliers, tried until no two keywords collide, take a moment).
inline constexpr std::size_t kPackedKeywordBytes = 24;

struct PackedKeyword {
    std::array<std::uint64_t, 3> words{};

    // Word by word, so that it compiles to three comparisons rather than a call.
    constexpr bool operator==(const PackedKeyword& other) const {
        return ((words[0] ^ other.words[0]) | (words[1] ^ other.words[1]) |
                (words[2] ^ other.words[2])) == 0;
    }
};

inline constexpr PackedKeyword PackKeyword(std::string_view keyword) {
    PackedKeyword packed;
    for (std::size_t w = 0; w < packed.words.size() && 8 * w < keyword.size(); ++w) {
        const std::size_t rest = keyword.size() - 8 * w;
        packed.words[w] = words::LoadWord(keyword.data() + 8 * w, rest < 8 ? rest : 8);
    }
    return packed;
}

inline constexpr int kHashBits = 10;
inline constexpr std::size_t kHashSlots = std::size_t{1} << kHashBits;

inline constexpr std::size_t HashKeyword(const PackedKeyword& k) {
    const std::uint64_t mixed = (k.words[0] * 0x29FE8CE52422B09Bull) ^
                                (k.words[1] * 0x1DD5CC9CD77C10BBull) ^
                                (k.words[2] * 0xB8CBBFA98B20A5C7ull);
    return static_cast<std::size_t>(mixed >> (64 - kHashBits));
}

// An empty slot holds the index one past the last keyword.
inline constexpr std::uint8_t kEmptySlot = kKeywordCount;
static_assert(kKeywordCount < 0xFF);

inline constexpr std::array<PackedKeyword, kKeywordCount> kPackedKeywords = [] {
    std::array<PackedKeyword, kKeywordCount> packed{};
    for (std::size_t i = 0; i < kAllKeywords.size(); ++i) {
        packed[i] = PackKeyword(kAllKeywords[i].name);
    }
    return packed;
}();

inline constexpr std::array<std::uint8_t, kHashSlots> kKeywordSlots = [] {
    std::array<std::uint8_t, kHashSlots> slots{};
    for (auto& s : slots) {
        s = kEmptySlot;
    }
    for (std::size_t i = 0; i < kAllKeywords.size(); ++i) {
        slots[HashKeyword(kPackedKeywords[i])] = static_cast<std::uint8_t>(i);
    }
    return slots;
}();

inline constexpr bool NamesAreUnique() {
    for (std::size_t i = 0; i < kAllKeywords.size(); ++i) {
        for (std::size_t j = i + 1; j < kAllKeywords.size(); ++j) {
            if (kAllKeywords[i].name == kAllKeywords[j].name) {
                return false;
            }
        }
    }
    return true;
}
static_assert(NamesAreUnique(), "a keyword may stand for one byte sequence only");

inline constexpr bool EveryKeywordHasItsOwnSlot() {
    for (std::size_t i = 0; i < kAllKeywords.size(); ++i) {
        if (kAllKeywords[i].name.size() > kPackedKeywordBytes ||
            kKeywordSlots[HashKeyword(kPackedKeywords[i])] != i) {
            return false;
        }
    }
    return true;
}
static_assert(EveryKeywordHasItsOwnSlot(), "the keyword hash is no longer perfect");

// A code after E0 must not be both an extended and a consumer key, or the decoder's choice
// of name would hide one of them.
inline constexpr bool ExtendedAndConsumerCodesDiffer() {
    for (std::size_t c = 0; c < 256; ++c) {
        if (!kExtendedNames[c].empty() && !kConsumerNames[c].empty()) {
            return false;
        }
    }
    return true;
}
static_assert(ExtendedAndConsumerCodesDiffer());

// The keyword whose packed form is k, or nullptr. Two texts of different lengths pack alike
// only when the longer one ends in 0x00 bytes, which no keyword holds; callers that may see
// such texts compare the length as well.
inline const ScanCodeKeyword* FindPacked(const PackedKeyword& k) {
    const std::uint8_t slot = kKeywordSlots[HashKeyword(k)];
    if (slot == kEmptySlot || kPackedKeywords[slot] != k) {
        return nullptr;
    }
    return &kAllKeywords[slot];
}

// No keyword holds a "]" before its last byte ("[]]" aside), so the bytes from a "[" up to the
// first "]" after it, packed, name a keyword only if that "]" is the keyword's own end.
inline constexpr bool ClosingBracketEndsEveryKeyword() {
    for (const ScanCodeKeyword& k : kAllKeywords) {
        if (k.name != "[]]" && k.name.find(']') != k.name.size() - 1) {
            return false;
        }
    }
    return true;
}
static_assert(ClosingBracketEndsEveryKeyword());

// FindPacked for a keyword of at most eight bytes, its first word given: the other two words
// are zero, and so is their share of the hash. An entry whose first word matches is then that
// keyword, since the word holds the keyword's "]" followed by zeros (or "]" as its eighth byte)
// and no longer keyword has either.
inline const ScanCodeKeyword* FindShort(std::uint64_t firstWord) {
    const std::uint8_t slot = kKeywordSlots[HashKeyword(PackedKeyword{{firstWord, 0, 0}})];
    if (slot == kEmptySlot || kPackedKeywords[slot].words[0] != firstWord) {
        return nullptr;
    }
    return &kAllKeywords[slot];
}

// What the encoder needs of a keyword of at most sixteen bytes (all but the three longest),
// next to its packed name: its bytes (the first lowest), how many there are, and whether it
// makes a record scan code mode. Stored by hash slot, so that a lookup is one step; an empty
// slot holds no name, which no text can match (a packed keyword starts with "[", never with
// 0x00).
struct alignas(32) CommonKeyword {
    std::uint64_t name0 = 0;
    std::uint64_t name1 = 0;
    std::uint32_t bytes = 0;
    std::uint8_t size = 0;
    std::uint8_t scanCode = 0; // 1 for a keyword of scan code mode
};

inline constexpr std::array<CommonKeyword, kHashSlots> kCommonKeywordSlots = [] {
    std::array<CommonKeyword, kHashSlots> slots{};
    for (std::size_t i = 0; i < kKeywordCount; ++i) {
        const ScanCodeKeyword& k = kAllKeywords[i];
        // "[[]" is left out: a text never holds it, as "[[" is read first, and the encoder's
        // fast loop relies on no entry starting "[[".
        if (k.name.size() > 16 || k.name.starts_with("[[")) {
            continue;
        }
        CommonKeyword& entry = slots[HashKeyword(kPackedKeywords[i])];
        entry.name0 = kPackedKeywords[i].words[0];
        entry.name1 = kPackedKeywords[i].words[1];
        for (std::size_t b = 0; b < k.size; ++b) {
            entry.bytes |= std::uint32_t{k.bytes[b]} << (8 * b);
        }
        entry.size = k.size;
        entry.scanCode = k.group != KeywordGroup::Function ? 1 : 0;
    }
    return slots;
}();

// The entry for a keyword of at most eight bytes packed into one word; its first name word
// differs from it when there is no such keyword. (A word holding a "]" followed by zeros, or
// "]" as its last byte, cannot be the first word of a longer keyword.)
inline const CommonKeyword& LookUpCommon(std::uint64_t name0) {
    return kCommonKeywordSlots[HashKeyword(PackedKeyword{{name0, 0, 0}})];
}

// The entry for a keyword of at most sixteen bytes packed into two words (the second zero for
// one of at most eight); its name differs from the words when there is no such keyword.
inline const CommonKeyword& LookUpCommon(std::uint64_t name0, std::uint64_t name1) {
    return kCommonKeywordSlots[HashKeyword(PackedKeyword{{name0, name1, 0}})];
}

inline const ScanCodeKeyword* Find(std::string_view keyword) {
    if (keyword.size() > kPackedKeywordBytes) {
        return nullptr;
    }
    const ScanCodeKeyword* found = FindPacked(PackKeyword(keyword));
    return found != nullptr && found->name.size() == keyword.size() ? found : nullptr;
}

} // namespace zelt::keyword_data
