#include "KeyContentEncoder.h"

#include "KeyContentDecoder.h"
#include "KeyContentSyntax.h"
#include "KeywordTableData.h"

#include <array>
#include <bit>
#include <cstring>

namespace zelt::encoding {

using syntax::DelayKeywordValue;
using syntax::FindSpecial;
using syntax::IsValidDelay;
using syntax::KeywordMatch;
using syntax::ShiftLevelDigit;
using syntax::StartsWith;
using syntax::TableKeywordAt;

namespace {

// The record of a text is never longer than the text and its lead byte, which is what lets
// DirectRecord and EncodeWholeRecord write without checking for room: no keyword encodes to
// more bytes than it has characters, nor do "[Delay" n "]" (two bytes), "[ShiftLevel" d "]"
// (at most ten), "[[" and "]]" (one each).
constexpr bool NoKeywordOutgrowsItsName() {
    for (const ScanCodeKeyword& k : keyword_data::kAllKeywords) {
        if (k.size > k.name.size()) {
            return false;
        }
    }
    return true;
}
static_assert(NoKeywordOutgrowsItsName());

// PutCode writes a code's first two bytes together; a name of at least three characters keeps
// them within the text's room.
constexpr bool EveryNameHasThreeCharacters() {
    for (const ScanCodeKeyword& k : keyword_data::kAllKeywords) {
        if (k.name.size() < 3) {
            return false;
        }
    }
    return true;
}
static_assert(EveryNameHasThreeCharacters());

} // namespace

bool RecordReadsBack(std::string_view record) {
    // Bytes that are not a record follow the terminator, so a decoder that swallows it is
    // caught.
    std::string stored(record);
    stored += std::string_view("\0\x01\x01\x01\x01\0", 6);
    std::string decoded;
    const std::size_t next = DecodeRecordInto(
        {reinterpret_cast<const std::uint8_t*>(stored.data()), stored.size()}, 0, decoded);
    return next == record.size() + 1 && EncodeKeyContent(decoded) == record;
}

KeywordEffect EffectOfOtherKeyword(std::string_view keyword) {
    KeywordEffect effect;
    if (StartsWith(keyword, kDelayKeywordPrefix)) {
        // A delay out of range would store 0x00 or a meaningless value; like any keyword
        // without translation it ends the output instead.
        const int value = DelayKeywordValue(keyword);
        if (IsValidDelay(value)) {
            effect.kind = KeywordEffect::Kind::Append;
            effect.bytes = {kFunctionCode, static_cast<std::uint8_t>(value)};
            effect.count = 2;
        }
        return effect;
    }
    if (StartsWith(keyword, kShiftLevelKeywordPrefix)) {
        if (const int level = ShiftLevelDigit(keyword); level != 0) {
            effect.kind = KeywordEffect::Kind::AppendThenStop;
            effect.bytes.fill(kScanRecordLead);
            effect.count = static_cast<std::size_t>(level) + 1;
        }
        return effect;
    }
    // An unknown keyword counts as a scan-code keyword without translation.
    effect.kind = KeywordEffect::Kind::StopAsScanCode;
    return effect;
}

namespace {

// Where the fast loop stands, handed to and back from OtherElement.
struct FastLoopState {
    const char* in;
    std::uint8_t* out;
    bool scanCode;
    enum class Next { Go, Stop, GiveUp } next;
};

// The bytes of a keyword of the table. The first two are written together, also for a code of
// one byte: what follows the code, the next code or the record's terminator, writes over the
// second. The keyword has at least three characters, so the two bytes stay within the text's
// room.
std::uint8_t* PutCode(std::uint8_t* out, const keyword_data::CommonKeyword& k) {
    // Read once: to the compiler, out might point into k.
    const std::uint32_t bytes = k.bytes;
    const std::size_t size = k.size;
    out[0] = static_cast<std::uint8_t>(bytes);
    out[1] = static_cast<std::uint8_t>(bytes >> 8);
    if (size > 2) {
        out[2] = static_cast<std::uint8_t>(bytes >> 16);
        if (size > 3) {
            out[3] = static_cast<std::uint8_t>(bytes >> 24);
        }
    }
    return out + size;
}

// A scan-code record begins with its lead byte. It is put in place as soon as the record turns
// out to be one, before its first code, instead of moving the codes behind it at the end:
// reading back bytes just written, in wider pieces than they were written in, makes the
// processor wait until they have reached the cache, which cost the build of a template with
// many scan-code keys about a tenth of its time. Only the characters of a text that came
// before its first scan-code keyword are moved here, which is rare. Returns where the record
// goes on.
std::uint8_t* BeginScanCodeRecord(std::uint8_t* record, std::uint8_t* o) {
    if (o != record) {
        MoveSmall(record + 1, record, static_cast<std::size_t>(o - record));
    }
    record[0] = kScanRecordLead;
    return o + 1;
}

// The end of a record whose walk stopped early: it ends as it stands, without a lead byte, so
// one already in place is taken out again. Only texts that the checks refuse, or that end in a
// shift-level selector after scan-code keywords, stop so.
std::uint8_t* EndStoppedRecord(std::uint8_t* record, std::uint8_t* o, bool leadInPlace) {
    if (!leadInPlace) {
        return o;
    }
    MoveSmall(record, record + 1, static_cast<std::size_t>(o - record - 1));
    return o - 1;
}

// Any one element of the text at `at`, as the Encoder handles it; the fast loop leaves the
// rarer ones here: 0x00, a stray "]", a keyword outside the table (a delay not written as one
// to three digits in range, a shift level, an unknown one) or longer than sixteen bytes, and a
// "[" that leaves a keyword open. record is where the record begins; in scan code mode its lead
// byte is already in place. Kept out of line, so that the loop's own state stays in registers.
[[gnu::noinline]] FastLoopState OtherElement(FastLoopState at, const char* end,
                                             std::uint8_t* record) {
    const char c = *at.in;
    if (c == '\0') {
        // Left out; in scan code mode, like any plain character, it empties the record.
        at.out = at.scanCode ? record + 1 : at.out;
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
            at.out = record + 1;
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
        // One of the few keywords of the table too long for the fast loop.
        const std::string_view rest(at.in, static_cast<std::size_t>(end - at.in));
        if (const KeywordMatch match = TableKeywordAt(rest, 0); match.entry != nullptr) {
            if (!at.scanCode && match.entry->group != KeywordGroup::Function) {
                at.out = BeginScanCodeRecord(record, at.out);
                at.scanCode = true;
            }
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

// The lowest n bytes of a word, for n 0..8.
constexpr std::array<std::uint64_t, 9> kLowBytes = {0,
                                                    0xFF,
                                                    0xFFFF,
                                                    0xFFFFFF,
                                                    0xFFFFFFFF,
                                                    0xFFFFFFFFFF,
                                                    0xFFFFFFFFFFFF,
                                                    0xFFFFFFFFFFFFFF,
                                                    ~std::uint64_t{0}};

// The words of a text of at least eight bytes: the eight bytes from a position in it, those
// past its end zero. Near the end they are the text's last eight bytes, moved down, so that
// nothing outside the text is read.
struct LongTextWords {
    const char* t;
    std::size_t last; // the start of the last eight bytes

    std::uint64_t At(std::size_t i) const {
        const std::size_t from = i < last ? i : last;
        return words::LoadWord(t + from, 8) >> (8 * (i - from));
    }
};

// The words of a text shorter than eight bytes, read once into a register.
struct ShortTextWords {
    std::uint64_t whole;

    std::uint64_t At(std::size_t i) const { return whole >> (8 * i); }
};

// The entry of the table for a keyword packed into one word (at most eight bytes) or two, or
// nullptr. Whatever the words hold, the lookup tells: only a keyword of the table matches.
[[gnu::always_inline]] inline const keyword_data::CommonKeyword* FindCommon(std::uint64_t name) {
    const keyword_data::CommonKeyword& k = keyword_data::LookUpCommon(name);
    return k.name0 == name ? &k : nullptr;
}

[[gnu::always_inline]] inline const keyword_data::CommonKeyword* FindCommon(std::uint64_t first,
                                                                            std::uint64_t second) {
    const keyword_data::CommonKeyword& k = keyword_data::LookUpCommon(first, second);
    return k.name0 == first && k.name1 == second ? &k : nullptr;
}

// The keyword of the table of up to sixteen bytes from at to its "]" at close, or nullptr.
template <class Words>
[[gnu::always_inline]] inline const keyword_data::CommonKeyword*
CommonKeywordAt(Words words, std::size_t at, std::size_t close) {
    const std::size_t size = close - at + 1;
    const std::uint64_t first = words.At(at);
    if (size <= 8) {
        return FindCommon(first & kLowBytes[size]);
    }
    if (size <= 16) {
        return FindCommon(first, words.At(at + 8) & kLowBytes[size - 8]);
    }
    return nullptr;
}

// CommonKeywordAt for a keyword whose "]" the bracket map found, in a text of at least sixteen
// bytes. Each word is read whole from inside the text, the one that holds the "]" ending with
// it, so no read has to be moved back at the end of the text and no byte behind the keyword
// needs masking.
[[gnu::always_inline]] inline const keyword_data::CommonKeyword*
MappedKeywordAt(const char* t, std::size_t at, std::size_t close) {
    const std::size_t size = close - at + 1;
    if (size <= 8) {
        // A keyword among the first eight bytes is read from the start of the text.
        return FindCommon(close >= 7 ? words::LoadWord(t + close - 7, 8) >> (64 - 8 * size)
                                     : words::LoadWord(t + at, 8) & kLowBytes[size]);
    }
    if (size <= 16) {
        return FindCommon(words::LoadWord(t + at, 8),
                          words::LoadWord(t + close - 7, 8) >> (128 - 8 * size));
    }
    return nullptr;
}

constexpr std::uint64_t kDelayPrefixWord =
    words::LoadWord(kDelayKeywordPrefix.data(), kDelayKeywordPrefix.size());
constexpr std::uint64_t kDelayPrefixMask =
    (std::uint64_t{1} << (8 * kDelayKeywordPrefix.size())) - 1;

// A delay in range: its value, and how many bytes of the text it takes.
struct DelayKeyword {
    int value = 0;
    std::size_t size = 0;
};

// "[Delay" n "]" at i, n written with one to three digits and in range; size 0 for any other
// keyword, which OtherElement then takes.
template <class Words> DelayKeyword DelayAt(Words words, std::size_t i, std::size_t n) {
    constexpr std::size_t digitsAt = kDelayKeywordPrefix.size();
    const std::uint64_t word = words.At(i);
    if ((word & kDelayPrefixMask) != kDelayPrefixWord || i + digitsAt + 2 > n) {
        return {};
    }
    const std::uint64_t digits = words.At(i + digitsAt);
    int value = 0;
    std::size_t count = 0;
    for (; count < 3; ++count) {
        const auto c = static_cast<char>(digits >> (8 * count));
        if (c < '0' || c > '9') {
            break;
        }
        value = value * 10 + (c - '0');
    }
    if (count == 0 || static_cast<char>(digits >> (8 * count)) != ']' || !IsValidDelay(value)) {
        return {};
    }
    return {value, digitsAt + count + 1};
}

// How far the bracket map reaches.
constexpr std::size_t kMappedText = 64;

// One bit for every "]" among the first kMappedText bytes of a text of at least 16 bytes,
// found sixteen bytes at a time.
std::uint64_t ClosingBrackets(const char* t, std::size_t n) {
    const std::size_t mapped = n < kMappedText ? n : kMappedText;
    std::uint64_t bits = 0;
    std::size_t block = 0;
    for (; block + 16 <= mapped; block += 16) {
        bits |= std::uint64_t{words::Bytes16EqualTo(t + block, ']')} << block;
    }
    if (block != mapped) {
        // The last sixteen bytes, overlapping the blocks before them.
        const std::size_t last = mapped - 16;
        bits |= std::uint64_t{words::Bytes16EqualTo(t + last, ']')} << last;
    }
    return bits;
}

// The first "]" at or after at, or, when there is none within sixteen bytes, n.
template <class Words> std::size_t ClosingBracketNear(Words words, std::size_t at, std::size_t n) {
    if (const std::uint64_t marks = words::BytesEqualTo(words.At(at), ']'); marks != 0) {
        return at + words::FirstMarkedByte(marks);
    }
    if (at + 8 < n) {
        if (const std::uint64_t marks = words::BytesEqualTo(words.At(at + 8), ']'); marks != 0) {
            return at + 8 + words::FirstMarkedByte(marks);
        }
    }
    return n;
}

// The fast loop, for either kind of text. `closing` maps the "]" of the text's first
// kMappedText bytes (it is empty for a text of fewer than sixteen). A keyword ends at the
// first "]" after its "[", and in a run of keywords the next begins right behind it; so within
// the map the keywords of a run are found without waiting for each other to be read, the
// usual case. Beyond it, each "]" is looked for in the words that follow the "[".
template <class Words>
[[gnu::always_inline]] inline std::uint8_t* EncodeText(Words words, const char* t, std::size_t n,
                                                       std::uint64_t closing, std::uint8_t* out) {
    std::uint8_t* o = out;
    std::uint8_t scanCode = 0;
    std::size_t i = 0;
    // A keyword of the table, ending at close: its code, with the lead byte first if it is the
    // record's first scan-code keyword.
    const auto putKeyword = [&](const keyword_data::CommonKeyword& k, std::size_t close) {
        if (k.scanCode > scanCode) {
            o = BeginScanCodeRecord(out, o);
            scanCode = 1;
        }
        o = PutCode(o, k);
        i = close + 1;
    };
    while (i < n) {
        const char first = t[i];
        // "[[" and "]]" are literal brackets; a "]" alone, a keyword outside the table and
        // 0x00 go to OtherElement below.
        const bool doubled = i + 1 < n && t[i + 1] == first;
        if (first == '[') {
            if (doubled) {
                *o++ = kLeftBracketCode;
                i += 2;
                continue;
            }
            const std::size_t start = i;
            if (const std::uint64_t pending =
                    i < kMappedText ? closing & (~std::uint64_t{0} << i) : 0;
                pending != 0) {
                for (std::uint64_t rest = pending; rest != 0; rest &= rest - 1) {
                    const auto close =
                        static_cast<std::size_t>(static_cast<unsigned>(std::countr_zero(rest)));
                    const keyword_data::CommonKeyword* k = MappedKeywordAt(t, i, close);
                    if (k == nullptr) {
                        break;
                    }
                    putKeyword(*k, close);
                }
            } else if (const std::size_t close = ClosingBracketNear(words, i, n); close < n) {
                if (const keyword_data::CommonKeyword* k = CommonKeywordAt(words, i, close)) {
                    putKeyword(*k, close);
                }
            }
            if (i != start) {
                continue;
            }
            if (const DelayKeyword delay = DelayAt(words, i, n); delay.size != 0) {
                *o++ = kFunctionCode;
                *o++ = static_cast<std::uint8_t>(delay.value);
                i += delay.size;
                continue;
            }
        } else if (first == ']') {
            if (doubled) {
                *o++ = kRightBracketCode;
                i += 2;
                continue;
            }
        } else if (first != '\0') {
            // Plain characters, up to the next bracket or 0x00. In scan code mode they empty
            // the record, all but its lead byte.
            const auto runEnd = static_cast<std::size_t>(FindSpecial(t + i + 1, t + n) - t);
            if (scanCode != 0) {
                o = out + 1;
            } else {
                CopySmall(o, t + i, runEnd - i);
                o += runEnd - i;
            }
            i = runEnd;
            continue;
        }
        const FastLoopState at =
            OtherElement({t + i, o, scanCode != 0, FastLoopState::Next::Go}, t + n, out);
        if (at.next == FastLoopState::Next::GiveUp) {
            return nullptr;
        }
        if (at.next == FastLoopState::Next::Stop) {
            return EndStoppedRecord(out, at.out, at.scanCode);
        }
        i = static_cast<std::size_t>(at.in - t);
        o = at.out;
        scanCode = at.scanCode ? 1 : 0;
    }
    return o;
}

// The words and bracket map that the fast loop needs for a text of n bytes, handed to encode
// together with the text, and its result.
template <class Encode>
[[gnu::always_inline]] inline std::uint8_t* EncodeWith(Encode encode, const char* t, std::size_t n,
                                                       std::uint8_t* out) {
    if (n < 8) {
        return encode(ShortTextWords{words::LoadWord(t, n)}, t, n, 0, out);
    }
    const LongTextWords textWords{t, n - 8};
    if (n < 16) {
        return encode(textWords, t, n, 0, out);
    }
    return encode(textWords, t, n, ClosingBrackets(t, n), out);
}

// The fast loop as a call of its own, for one text at a time: inlined into EncodeWholeRecord,
// every record paid for saving six registers twice.
template <class Words>
[[gnu::noinline]] std::uint8_t* EncodeTextApart(Words words, const char* t, std::size_t n,
                                                std::uint64_t closing, std::uint8_t* out) {
    return EncodeText(words, t, n, closing, out);
}

} // namespace

std::uint8_t* EncodeWholeRecord(const char* t, const char* const end, std::uint8_t* const out) {
    return EncodeWith(
        [](auto words, const char* text, std::size_t n, std::uint64_t closing,
           std::uint8_t* record) { return EncodeTextApart(words, text, n, closing, record); },
        t, static_cast<std::size_t>(end - t), out);
}

WholeRecords EncodeWholeRecords(const std::string* contents, std::span<const int> keys,
                                std::uint8_t* out, const std::uint8_t* roomEnd) {
    std::size_t count = 0;
    for (const int key : keys) {
        const std::string& text = contents[key - 1];
        if (const std::size_t n = text.size(); n != 0) {
            if (n >= static_cast<std::size_t>(roomEnd - out)) {
                break;
            }
            // The fast loop inlined right here: a call would save and restore its registers
            // for every record.
            std::uint8_t* const end = EncodeWith(
                [](auto words, const char* t, std::size_t size, std::uint64_t closing,
                   std::uint8_t* record) __attribute__((always_inline)) {
                    return EncodeText(words, t, size, closing, record);
                },
                text.data(), n, out);
            if (end == nullptr) {
                break;
            }
            out = end;
        }
        *out++ = kRecordTerminator;
        // Each later record leaves room for one terminator fewer behind it.
        ++roomEnd;
        ++count;
    }
    return {count, out};
}

} // namespace zelt::encoding
