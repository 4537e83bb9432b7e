#include "KeywordTables.h"

#include "DecimalText.h"
#include "KeyRecordCodes.h"
#include "KeywordTableData.h"

#include <algorithm>
#include <cstddef>

namespace zelt {
namespace {

using namespace keyword_data;

std::string NumberedKeyword(std::string_view prefix, int number) {
    std::string keyword(prefix);
    AppendDecimal(keyword, number);
    keyword.push_back(']');
    return keyword;
}

constexpr int kDelayShownForZero = 1;
constexpr int kDelayShownAbove250 = 249;

} // namespace

std::span<const ScanCodeKeyword> ScanCodeKeywords() {
    return std::span<const ScanCodeKeyword>(kAllKeywords).first(kScanCodeKeywordCount);
}

const ScanCodeKeyword* FindScanCodeKeyword(std::string_view keyword) {
    const ScanCodeKeyword* found = FindKeyword(keyword);
    return found != nullptr && found->group != KeywordGroup::Function ? found : nullptr;
}

const ScanCodeKeyword* FindKeyword(std::string_view keyword) {
    return keyword_data::Find(keyword);
}

std::string_view NormalKeywordView(std::uint8_t code) {
    return kNormalNames[code];
}

std::string_view ExtendedKeywordView(std::uint8_t codeAfterE0) {
    const std::string_view extended = kExtendedNames[codeAfterE0];
    return extended.empty() ? kConsumerNames[codeAfterE0] : extended;
}

std::string_view ConsumerKeywordView(std::uint8_t codeAfterE0) {
    return kConsumerNames[codeAfterE0];
}

std::string NormalKeywordName(std::uint8_t code, std::uint8_t delayByte) {
    switch (code) {
    case kBreakPrefix:
        return std::string(kBreakPrefixKeyword);
    case kSeparatorCode:
        return std::string(kSeparatorKeyword);
    case kFunctionCode:
        if (delayByte == kCapsCode) {
            return {};
        }
        return DelayKeyword(ScanCodeDelayShown(delayByte));
    default:
        return std::string(kNormalNames[code]);
    }
}

int ScanCodeDelayShown(std::uint8_t stored) {
    if (stored == 0) {
        return kDelayShownForZero;
    }
    return stored > kMaxDelay ? kDelayShownAbove250 : stored;
}

std::string ExtendedKeywordName(std::uint8_t codeAfterE0) {
    return std::string(ExtendedKeywordView(codeAfterE0));
}

std::string ConsumerKeywordName(std::uint8_t codeAfterE0) {
    return std::string(kConsumerNames[codeAfterE0]);
}

std::string ScanCodeKeywordBytes(std::string_view keyword) {
    const ScanCodeKeyword* found = FindScanCodeKeyword(keyword);
    if (found == nullptr) {
        return {};
    }
    const auto bytes = found->Bytes();
    return {bytes.begin(), bytes.end()};
}

std::string DelayKeyword(int tenths) {
    return NumberedKeyword(kDelayKeywordPrefix, tenths);
}

std::string ShiftLevelKeyword(int level) {
    return NumberedKeyword(kShiftLevelKeywordPrefix, level);
}

} // namespace zelt
