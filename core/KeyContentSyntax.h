#pragma once

#include "KeyRecordCodes.h"
#include "KeywordTables.h"

#include <cstddef>
#include <cstdint>
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
//   bool Plain(std::uint8_t c);          // a plain character
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
            inside = true;
            split = false;
            start = i++;
            continue;
        }
        if (c == ']') {
            if (inside) {
                inside = false;
                const std::string_view raw = text.substr(start, i - start + 1);
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
        if (!inside && !visitor.Plain(static_cast<std::uint8_t>(c))) {
            return;
        }
        ++i;
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
