#pragma once

#include "KeyRecordCodes.h"
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
//   bool Keyword(std::string_view kw);   // a whole keyword, brackets included
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

// The position of the first "[", "]" or 0x00 at or after from, or text.size(). Eight bytes
// are looked at a time where eight remain, without reading past the text.
inline std::size_t FindSpecial(std::string_view text, std::size_t from) {
    const char* p = text.data();
    const std::size_t n = text.size();
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t kOnes = 0x0101010101010101ull;
        constexpr std::uint64_t kHigh = 0x8080808080808080ull;
        // High bit of each byte that is 0; the lowest one set is always exact.
        const auto zeroBytes = [](std::uint64_t w) { return (w - kOnes) & ~w & kHigh; };
        while (from + 8 <= n) {
            std::uint64_t w;
            std::memcpy(&w, p + from, sizeof w);
            const std::uint64_t found =
                zeroBytes(w ^ (kOnes * '[')) | zeroBytes(w ^ (kOnes * ']')) | zeroBytes(w);
            if (found != 0) {
                return from + static_cast<std::size_t>(std::countr_zero(found) >> 3);
            }
            from += 8;
        }
    }
    while (from < n && !kSpecial[static_cast<std::uint8_t>(p[from])]) {
        ++from;
    }
    return from;
}

template <class Visitor> void ScanKeyContent(std::string_view text, Visitor& visitor) {
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
                    return;
                }
                i += 2;
                continue;
            }
            if (inside && !visitor.DroppedKeyword()) {
                return;
            }
            // The usual case, a keyword with nothing special inside, is taken in one step.
            const std::size_t close = FindSpecial(text, i + 1);
            if (close < n && text[close] == ']') {
                inside = false;
                if (!visitor.Keyword(std::string_view(text.data() + i, close - i + 1))) {
                    return;
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
                const bool go =
                    split ? visitor.Keyword(JoinSplitKeyword(raw)) : visitor.Keyword(raw);
                if (!go) {
                    return;
                }
                ++i;
                continue;
            }
            if (i + 1 < n && text[i + 1] == ']') {
                if (!visitor.Literal(']')) {
                    return;
                }
                i += 2;
                continue;
            }
            if (!visitor.StrayClose()) {
                return;
            }
            ++i;
            continue;
        }
        if (c == '\0') {
            if (!inside && !visitor.NulByte()) {
                return;
            }
            ++i;
            continue;
        }
        // Everything up to the next bracket is one run, plain outside a keyword and part of
        // it inside.
        const std::size_t end = FindSpecial(text, i + 1);
        if (!inside && !visitor.PlainRun(std::string_view(text.data() + i, end - i))) {
            return;
        }
        i = end;
    }
    visitor.End(inside);
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
