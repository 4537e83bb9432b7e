#pragma once

#include "ByteWords.h"
#include "KeyRecordCodes.h"
#include "KeywordTableData.h"
#include "KeywordTables.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace zelt::syntax {

// How a key content text splits into elements. The checks, the encoder and the size count all
// walk a text through ScanKeyContent, so that they can never disagree about where a keyword
// ends. The rules:
//   "[[" is a literal "[", wherever it stands;
//   "[" starts a keyword; a "[" inside an unfinished keyword drops it and starts a new one;
//   inside a keyword, "]" always closes it, so "[CR]]]" is Enter followed by a literal "]";
//   outside a keyword, "]]" is a literal "]" and a single "]" is stray;
//   every other byte is a plain character outside a keyword and part of it inside.
//
// The visitor has these members; each returns false to stop the walk (End is then not called):
//   bool PlainRun(std::string_view run); // plain characters other than 0x00, as many as stand
//                                        // together
//   bool NulByte();                      // a plain 0x00 character
//   bool Literal(std::uint8_t c);        // "[[" or "]]": '[' or ']'
//   bool Keyword(std::string_view kw,    // a whole keyword, brackets included, and its entry
//                const ScanCodeKeyword* entry); // in the keyword table (nullptr when none)
//   bool DroppedKeyword();               // an unfinished keyword abandoned at a new "["
//   bool StrayClose();                   // a single "]" outside a keyword
//   void End(bool insideKeyword);        // end of the text
//
// A "[[" inside an unfinished keyword is a literal too (it is reported while the keyword is
// open) and the keyword goes on around it; such a keyword is passed without the "[[".

// The keyword text without the "[[" pairs that stood inside it.
inline std::string JoinSplitKeyword(std::string_view raw) {
    std::string keyword;
    keyword.reserve(raw.size());
    keyword.push_back('[');
    for (std::size_t i = 1; i < raw.size(); ++i) {
        if (raw[i] != '[') {
            keyword.push_back(raw[i]);
        }
    }
    return keyword;
}

inline constexpr std::array<bool, 256> kSpecial = [] {
    std::array<bool, 256> special{};
    special['['] = special[']'] = special[0] = true;
    return special;
}();

// The first "[", "]" or 0x00 in [from, end), or end. Eight bytes are looked at a time where
// eight remain, without reading past end.
inline const char* FindSpecial(const char* from, const char* end) {
    while (end - from >= 8) {
        const std::uint64_t w = words::LoadWord(from, 8);
        const std::uint64_t found =
            words::BytesEqualTo(w, '[') | words::BytesEqualTo(w, ']') | words::BytesEqualTo(w, 0);
        if (found != 0) {
            return from + words::FirstMarkedByte(found);
        }
        from += 8;
    }
    while (from != end && !kSpecial[static_cast<std::uint8_t>(*from)]) {
        ++from;
    }
    return from;
}

// The position of the first "[", "]" or 0x00 at or after from, or text.size().
inline std::size_t FindSpecial(std::string_view text, std::size_t from) {
    const char* begin = text.data();
    return static_cast<std::size_t>(FindSpecial(begin + from, begin + text.size()) - begin);
}

// Keywords of the table hold no "[" and no 0x00 after their opening bracket ("[[]" aside, which
// a text cannot reach: "[[" is read first). So when the bytes from a "[" up to the first "]"
// name a keyword of the table, no other element can have ended inside them.
inline constexpr bool TableKeywordsHoldNoSpecials() {
    for (const ScanCodeKeyword& k : keyword_data::kAllKeywords) {
        if (k.name.starts_with("[[")) {
            continue;
        }
        for (std::size_t i = 1; i < k.name.size(); ++i) {
            if (k.name[i] == '[' || k.name[i] == '\0') {
                return false;
            }
        }
    }
    return true;
}
static_assert(TableKeywordsHoldNoSpecials());

struct KeywordMatch {
    const ScanCodeKeyword* entry = nullptr;
    std::size_t size = 0;
};

// A keyword longer than eight bytes, its first eight given: the rest of TableKeywordAt.
inline KeywordMatch LongTableKeywordAt(const char* p, std::size_t available, std::uint64_t first) {
    keyword_data::PackedKeyword packed{{first, 0, 0}};
    for (std::size_t w = 1; w < packed.words.size() && 8 * w < available; ++w) {
        const std::size_t rest = available - 8 * w;
        const std::uint64_t word = words::LoadWord(p + 8 * w, rest < 8 ? rest : 8);
        if (const std::uint64_t close = words::BytesEqualTo(word, ']'); close != 0) {
            packed.words[w] = words::BytesThroughFirstMark(word, close);
            return {keyword_data::FindPacked(packed), 8 * w + words::FirstMarkedByte(close) + 1};
        }
        packed.words[w] = word;
    }
    return {};
}

// The keyword of the table that starts at text[at], a "[" that does not start "[[": the bytes
// up to the first "]" are packed as they are read and looked up at once. No entry when they
// name none or the "]" lies further than any keyword reaches.
inline KeywordMatch TableKeywordAt(std::string_view text, std::size_t at) {
    const char* p = text.data() + at;
    const std::size_t available = text.size() - at;
    const std::uint64_t first = words::LoadWord(p, available < 8 ? available : 8);
    if (const std::uint64_t close = words::BytesEqualTo(first, ']'); close != 0) {
        return {keyword_data::FindShort(words::BytesThroughFirstMark(first, close)),
                words::FirstMarkedByte(close) + 1};
    }
    return LongTableKeywordAt(p, available, first);
}

// The visitor is taken and given back by value: as a local of the walk, whose address nothing
// else sees, its state can stay in registers even where it writes bytes through a pointer.
template <class Visitor> Visitor ScanKeyContent(std::string_view text, Visitor visitor) {
    const std::size_t n = text.size();
    bool inside = false;
    bool split = false; // a "[[" stood inside the open keyword
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < n) {
        const char c = text[i];
        if (c == '[') {
            if (i + 1 < n && text[i + 1] == '[') {
                split = split || inside;
                if (!visitor.Literal('[')) {
                    return visitor;
                }
                i += 2;
                continue;
            }
            if (inside && !visitor.DroppedKeyword()) {
                return visitor;
            }
            // The usual case, a keyword of the table, is taken in one step.
            if (const KeywordMatch match = TableKeywordAt(text, i); match.entry != nullptr) {
                inside = false;
                if (!visitor.Keyword(text.substr(i, match.size), match.entry)) {
                    return visitor;
                }
                i += match.size;
                continue;
            }
            const std::size_t close = FindSpecial(text, i + 1);
            if (close < n && text[close] == ']') {
                inside = false;
                // Had it been a keyword of the table, TableKeywordAt would have found it.
                if (!visitor.Keyword(text.substr(i, close - i + 1), nullptr)) {
                    return visitor;
                }
                i = close + 1;
                continue;
            }
            inside = true;
            split = false;
            start = i++;
            continue;
        }
        if (c == ']') {
            if (inside) {
                inside = false;
                const std::string_view raw = std::string_view(text.data() + start, i - start + 1);
                const std::string joined = split ? JoinSplitKeyword(raw) : std::string();
                const std::string_view keyword = split ? std::string_view(joined) : raw;
                const bool go = visitor.Keyword(keyword, keyword_data::Find(keyword));
                if (!go) {
                    return visitor;
                }
                ++i;
                continue;
            }
            if (i + 1 < n && text[i + 1] == ']') {
                if (!visitor.Literal(']')) {
                    return visitor;
                }
                i += 2;
                continue;
            }
            if (!visitor.StrayClose()) {
                return visitor;
            }
            ++i;
            continue;
        }
        if (c == '\0') {
            if (!inside && !visitor.NulByte()) {
                return visitor;
            }
            ++i;
            continue;
        }
        // Everything up to the next bracket is one run, plain outside a keyword and part of
        // it inside.
        const std::size_t end = FindSpecial(text, i + 1);
        if (!inside && !visitor.PlainRun(std::string_view(text.data() + i, end - i))) {
            return visitor;
        }
        i = end;
    }
    visitor.End(inside);
    return visitor;
}

inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

inline bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

// The number of a "[Delay" keyword written with one to three digits (leading zeros allowed),
// or -1 when the keyword is not of that form. The range is the caller's to check.
inline int DelayKeywordValue(std::string_view keyword) {
    constexpr std::size_t digitsAt = kDelayKeywordPrefix.size();
    if (!StartsWith(keyword, kDelayKeywordPrefix) || keyword.size() < digitsAt + 2 ||
        keyword.size() > digitsAt + 4 || keyword.back() != ']') {
        return -1;
    }
    int value = 0;
    for (std::size_t i = digitsAt; i + 1 < keyword.size(); ++i) {
        if (!IsDigit(keyword[i])) {
            return -1;
        }
        value = value * 10 + (keyword[i] - '0');
    }
    return value;
}

inline bool IsValidDelay(int value) {
    return value >= kMinDelay && value <= kMaxDelay;
}

// The level d of a keyword that begins with "[ShiftLevel" followed by a digit 1..9, else 0.
// What follows the digit is not looked at; whether it is exactly "]" is the caller's concern.
inline int ShiftLevelDigit(std::string_view keyword) {
    constexpr std::size_t at = kShiftLevelKeywordPrefix.size();
    if (!StartsWith(keyword, kShiftLevelKeywordPrefix) || keyword.size() <= at ||
        keyword[at] < '0' + kMinShiftLevel || keyword[at] > '0' + kMaxShiftLevel) {
        return 0;
    }
    return keyword[at] - '0';
}

// True for exactly "[ShiftLevel" d "]" with d 1..9.
inline bool IsShiftLevelKeyword(std::string_view keyword) {
    return keyword.size() == kShiftLevelKeywordPrefix.size() + 2 && keyword.back() == ']' &&
           ShiftLevelDigit(keyword) != 0;
}

} // namespace zelt::syntax
