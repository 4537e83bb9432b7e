#include "FastRecordEncoder.h"

#include "ByteWords.h"
#include "KeyContentEncoder.h"
#include "KeyContentSyntax.h"
#include "KeyRecordCodes.h"
#include "KeywordTableData.h"
#include "SmallCopy.h"

#include <array>
#include <bit>
#include <cstring>

namespace zelt::encoding {

using syntax::FindSpecial;
using syntax::IsDigit;
using syntax::IsValidDelay;
using syntax::KeywordMatch;
using syntax::TableKeywordAt;

namespace {

// Where the loop stands, handed to and back from OtherElement.
struct FastLoopState {
    const char* in;
    std::uint8_t* out;
    bool scanCode;
    enum class Next { Go, Stop, GiveUp } next;
};

// Any one element of the text at `at`, as the Encoder handles it; the loop leaves the rarer
// ones here: 0x00, a stray "]", a keyword outside the table (a delay out of range, a shift
// level, an unknown one) or longer than sixteen bytes, and a "[" that leaves a keyword open.
// Kept out of line, so that the loop's own state stays in registers.
[[gnu::noinline]] FastLoopState OtherElement(FastLoopState at, const char* end,
                                             std::uint8_t* record) {
    const char c = *at.in;
    if (c == '\0') {
        // Left out; in scan code mode, like any plain character, it empties the record.
        at.out = at.scanCode ? record : at.out;
        ++at.in;
        return at;
    }
    if (end - at.in >= 2 && at.in[1] == c) {
        *at.out++ = c == '[' ? kLeftBracketCode : kRightBracketCode;
        at.in += 2;
        return at;
    }
    if (c == ']') {
        at.next = FastLoopState::Next::Stop; // a stray "]" ends the record as it stands
        return at;
    }
    if (c != '[') {
        // Plain characters: the loop takes them itself, but any one element is handled here.
        const char* runEnd = FindSpecial(at.in + 1, end);
        if (at.scanCode) {
            at.out = record;
        } else {
            for (const char* p = at.in; p != runEnd; ++p) {
                *at.out++ = static_cast<std::uint8_t>(*p);
            }
        }
        at.in = runEnd;
        return at;
    }
    const char* close = FindSpecial(at.in + 1, end);
    if (close == end || *close != ']') {
        at.next = FastLoopState::Next::GiveUp; // a keyword left open: the general walk's
        return at;
    }
    if (close - at.in >= 16) {
        // One of the few keywords of the table too long for the loop.
        const std::string_view rest(at.in, static_cast<std::size_t>(end - at.in));
        if (const KeywordMatch match = TableKeywordAt(rest, 0); match.entry != nullptr) {
            at.scanCode = at.scanCode || match.entry->group != KeywordGroup::Function;
            for (std::size_t i = 0; i < match.entry->size; ++i) {
                *at.out++ = match.entry->bytes[i];
            }
            at.in += match.size;
            return at;
        }
    }
    const KeywordEffect effect =
        EffectOfOtherKeyword({at.in, static_cast<std::size_t>(close + 1 - at.in)});
    for (std::size_t i = 0; i < effect.count; ++i) {
        *at.out++ = effect.bytes[i];
    }
    at.in = close + 1;
    if (effect.kind != KeywordEffect::Kind::Append) {
        at.next = FastLoopState::Next::Stop;
    }
    return at;
}

// A keyword of the table of up to sixteen bytes at p, and how many bytes it takes.
struct TableCode {
    const keyword_data::CommonKeyword* entry;
    std::size_t size;
};

// Masks that keep the bytes of a name of 1..16 bytes in its two words, by its last index.
struct NameMasks {
    std::uint64_t first;
    std::uint64_t second;
};

constexpr std::array<NameMasks, 16> kNameMasks = [] {
    std::array<NameMasks, 16> masks{};
    for (std::size_t last = 0; last < masks.size(); ++last) {
        const std::size_t size = last + 1;
        const auto low = [](std::size_t bytes) {
            return bytes >= 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * bytes)) - 1;
        };
        masks[last] = {low(size), size > 8 ? low(size - 8) : 0};
    }
    return masks;
}();

// The bytes from the "[" at p up to the first "]" after it, looked up whole: one look at
// sixteen bytes finds the "]", whatever the keyword's length. Whatever the bytes are, only a
// keyword of the table matches an entry; first is the word at p.
inline TableCode CommonKeywordAt(const char* p, std::uint64_t first) {
    const std::uint32_t closes = words::Bytes16EqualTo(p, ']');
    if (closes == 0) {
        return {nullptr, 0};
    }
    const auto last = static_cast<std::size_t>(std::countr_zero(closes));
    const NameMasks& masks = kNameMasks[last];
    const std::uint64_t name0 = first & masks.first;
    const std::uint64_t name1 = words::LoadWord(p + 8, 8) & masks.second;
    const keyword_data::CommonKeyword& k = keyword_data::LookUpCommon(name0, name1);
    const bool same = ((k.name0 ^ name0) | (k.name1 ^ name1)) == 0;
    return {same ? &k : nullptr, last + 1};
}

constexpr std::uint64_t kDelayPrefixWord =
    words::LoadWord(kDelayKeywordPrefix.data(), kDelayKeywordPrefix.size());
constexpr std::uint64_t kDelayPrefixMask =
    (std::uint64_t{1} << (8 * kDelayKeywordPrefix.size())) - 1;

// "[Delay" n "]" with one to three digits at p, whatever n is: its value and size. Size 0 for
// any other keyword. Reads up to ten bytes at p.
struct DelayKeyword {
    int value = 0;
    std::size_t size = 0;
};

inline DelayKeyword DelayAt(const char* p, std::uint64_t first) {
    if ((first & kDelayPrefixMask) != kDelayPrefixWord) {
        return {};
    }
    constexpr std::size_t digitsAt = kDelayKeywordPrefix.size();
    std::size_t end = digitsAt;
    int value = 0;
    for (; end < digitsAt + 3 && IsDigit(p[end]); ++end) {
        value = value * 10 + (p[end] - '0');
    }
    if (end == digitsAt || p[end] != ']') {
        return {};
    }
    return {value, end + 1};
}

// The code bytes of a keyword, stored as one word: the slack behind the record takes what
// lies beyond its size.
inline void StoreCode(std::uint8_t* out, std::uint32_t bytes) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(out, &bytes, 4);
    } else {
        for (int b = 0; b < 4; ++b) {
            out[b] = static_cast<std::uint8_t>(bytes >> (8 * b));
        }
    }
}

enum class Outcome { Done, Stopped, GaveUp };

struct Walked {
    std::size_t size;
    bool scanCode;
    Outcome outcome;
};

// The loop itself, writing the record's codes (without lead byte) to body, or, when kWrite is
// false, only counting them as GetEncodedSize does (body then only marks where the count
// starts). t holds n bytes and the zeros behind them.
template <bool kWrite>
Walked Walk(const char* const t, const std::size_t n, std::uint8_t* const body) {
    const char* p = t;
    const char* const end = t + n;
    std::uint8_t* o = body;
    std::uint8_t scanCode = 0;
    while (p < end) {
        const std::uint64_t w = words::LoadWord(p, 8);
        const auto c = static_cast<char>(w);
        if (c == '[') {
            // No entry of the table starts with "[[", so a literal is never taken for one.
            if (const TableCode code = CommonKeywordAt(p, w); code.entry != nullptr) {
                if constexpr (kWrite) {
                    StoreCode(o, code.entry->bytes);
                }
                o += code.entry->size;
                scanCode |= code.entry->scanCode;
                p += code.size;
                continue;
            }
            if (static_cast<char>(w >> 8) == '[') {
                if constexpr (kWrite) {
                    *o = kLeftBracketCode;
                }
                ++o;
                p += 2;
                continue;
            }
            if (const DelayKeyword delay = DelayAt(p, w);
                delay.size != 0 && (!kWrite || IsValidDelay(delay.value))) {
                // The size counts any delay written with digits, in range or not.
                if constexpr (kWrite) {
                    o[0] = kFunctionCode;
                    o[1] = static_cast<std::uint8_t>(delay.value);
                }
                o += 2;
                p += delay.size;
                continue;
            }
        } else if (c == ']') {
            if (static_cast<char>(w >> 8) == ']') {
                if constexpr (kWrite) {
                    *o = kRightBracketCode;
                }
                ++o;
                p += 2;
                continue;
            }
        } else if (c != '\0') {
            if (kWrite && scanCode != 0) {
                // Plain characters empty a scan-code record, and what it held before stays
                // behind it in the caller's room: the general walk writes that.
                return {0, false, Outcome::GaveUp};
            }
            // Plain characters up to the next bracket or 0x00, sixteen at a time; the zeros
            // behind the text end the run at its end at the latest.
            for (;;) {
                const std::uint32_t stops = words::Bytes16EqualToAnyOf(p, '[', ']', '\0');
                if constexpr (kWrite) {
                    std::memcpy(o, p, 16);
                }
                if (stops != 0) {
                    const auto run = static_cast<std::size_t>(std::countr_zero(stops));
                    p += run;
                    o += run;
                    break;
                }
                p += 16;
                o += 16;
            }
            continue;
        }
        if constexpr (!kWrite) {
            return {0, false, Outcome::GaveUp};
        } else {
            const FastLoopState at =
                OtherElement({p, o, scanCode != 0, FastLoopState::Next::Go}, end, body);
            if (at.next == FastLoopState::Next::GiveUp || at.out < o) {
                return {0, false, Outcome::GaveUp};
            }
            o = at.out;
            if (at.next == FastLoopState::Next::Stop) {
                return {static_cast<std::size_t>(o - body), scanCode != 0, Outcome::Stopped};
            }
            p = at.in;
            scanCode = at.scanCode ? 1 : 0;
        }
    }
    return {static_cast<std::size_t>(o - body), scanCode != 0, Outcome::Done};
}

} // namespace

inline const char* FastRecordEncoder::CopyText(std::string_view text) {
    CopySmall(text_.data(), text.data(), text.size());
    std::memset(text_.data() + text.size(), 0, kTextPadding);
    return text_.data();
}

FastRecordEncoder::Record FastRecordEncoder::Encode(std::string_view text) {
    if (text.size() > kLongestText) {
        return {};
    }
    const Walked walked = Walk<true>(CopyText(text), text.size(), record_.data() + 1);
    switch (walked.outcome) {
    case Outcome::GaveUp:
        return {};
    case Outcome::Stopped:
        // A record that ends early gets no lead byte, whatever it holds.
        return {record_.data() + 1, walked.size};
    case Outcome::Done:
        break;
    }
    if (walked.scanCode) {
        record_[0] = kScanRecordLead;
        return {record_.data(), walked.size + 1};
    }
    return {record_.data() + 1, walked.size};
}

std::optional<int> FastRecordEncoder::EncodedSize(std::string_view text) {
    if (text.size() > kLongestText) {
        return std::nullopt;
    }
    const Walked walked = Walk<false>(CopyText(text), text.size(), record_.data() + 1);
    if (walked.outcome != Outcome::Done) {
        return std::nullopt;
    }
    return static_cast<int>(walked.size) + (walked.scanCode ? 1 : 0);
}

} // namespace zelt::encoding
