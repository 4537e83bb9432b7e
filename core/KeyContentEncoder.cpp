#include "KeyContentEncoder.h"

#include "KeyContentDecoder.h"
#include "KeyContentSyntax.h"
#include "KeywordTableData.h"

#include <string>

namespace zelt::encoding {

using syntax::DelayKeywordValue;
using syntax::IsValidDelay;
using syntax::ShiftLevelDigit;
using syntax::StartsWith;

namespace {

// The record of a text is never longer than the text and its lead byte, which is what lets
// DirectRecord and FastRecordEncoder write without checking for room: no keyword encodes to
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

} // namespace zelt::encoding
