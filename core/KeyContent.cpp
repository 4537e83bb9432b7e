#include "KeyContent.h"

#include "KeyContentDecoder.h"
#include "KeyContentEncoder.h"
#include "KeyContentSyntax.h"
#include "KeyRecordCodes.h"
#include "KeywordTableData.h"
#include "KeywordTables.h"

#include <cstdint>
#include <span>
#include <string>

namespace zelt {

using syntax::DelayKeywordValue;
using syntax::IsShiftLevelKeyword;
using syntax::IsValidDelay;
using syntax::ScanKeyContent;
using syntax::ShiftLevelDigit;
using syntax::StartsWith;

namespace {

using encoding::DirectRecord;
using encoding::EncodeInto;
using encoding::LimitedRecord;
using encoding::RecordReadsBack;

// The record of a text that has room for all of it.
RecordFit EncodeWholeRecord(std::string_view text, std::uint8_t* out) {
    if (const std::uint8_t* end =
            encoding::EncodeWholeRecord(text.data(), text.data() + text.size(), out)) {
        return {static_cast<std::size_t>(end - out), true};
    }
    return EncodeInto(text, DirectRecord(out));
}

class SizeCounter {
public:
    bool PlainRun(std::string_view run) {
        size_ += static_cast<int>(run.size());
        return true;
    }
    bool NulByte() { return true; }
    bool Literal(std::uint8_t) {
        ++size_;
        return true;
    }
    bool DroppedKeyword() { return true; }
    bool StrayClose() { return true; }
    bool Keyword(std::string_view keyword, const ScanCodeKeyword* found) {
        if (found != nullptr) {
            size_ += found->size;
            scanCode_ = scanCode_ || found->group != KeywordGroup::Function;
        } else if (StartsWith(keyword, kDelayKeywordPrefix)) {
            size_ += 2;
        } else if (const int level = ShiftLevelDigit(keyword); level != 0) {
            // A shift-level selector is the whole record.
            shiftLevelSize_ = level + 1;
            return false;
        } else {
            scanCode_ = true;
        }
        return true;
    }
    void End(bool) {}

    int Result() const {
        return shiftLevelSize_ != 0 ? shiftLevelSize_ : size_ + (scanCode_ ? 1 : 0);
    }

private:
    int size_ = 0;
    int shiftLevelSize_ = 0;
    bool scanCode_ = false;
};

// Syntax of ASCII code mode and of the shift-level text.
class AsciiChecker {
public:
    explicit AsciiChecker(std::string_view text) : text_(text) {}

    bool PlainRun(std::string_view run) {
        // 0xFD starts a function code and 0xFF marks scan-code and shift-level records: neither
        // can stand for itself among ASCII characters (nor can 0x00, which ends a record).
        for (char c : run) {
            const auto b = static_cast<std::uint8_t>(c);
            if (b == kFunctionCode || b == kScanRecordLead) {
                return Accept(false);
            }
        }
        return true;
    }
    bool NulByte() { return Accept(false); }
    bool Literal(std::uint8_t) { return true; }
    bool DroppedKeyword() { return true; }
    bool StrayClose() { return Accept(false); }
    bool Keyword(std::string_view keyword, const ScanCodeKeyword* found) {
        if (found != nullptr) {
            return Accept(found->group == KeywordGroup::Function);
        }
        if (StartsWith(keyword, kDelayKeywordPrefix)) {
            return Accept(IsValidDelay(DelayKeywordValue(keyword)));
        }
        return Accept(keyword == text_ && IsShiftLevelKeyword(keyword));
    }
    void End(bool insideKeyword) { Accept(!insideKeyword); }

    bool Valid() const { return valid_; }

private:
    bool Accept(bool ok) {
        valid_ = valid_ && ok;
        return valid_;
    }
    std::string_view text_;
    bool valid_ = true;
};

// Syntax of scan code mode: keywords with a translation and nothing else.
class ScanCodeChecker {
public:
    bool PlainRun(std::string_view) { return Accept(false); }
    bool NulByte() { return Accept(false); }
    bool Literal(std::uint8_t) { return Accept(false); }
    bool DroppedKeyword() { return Accept(false); }
    bool StrayClose() { return Accept(false); }
    bool Keyword(std::string_view keyword, const ScanCodeKeyword* found) {
        if (found != nullptr) {
            // Of the function keywords only the separator belongs to scan code mode.
            return Accept(found->group != KeywordGroup::Function || keyword == kSeparatorKeyword);
        }
        return Accept(StartsWith(keyword, kDelayKeywordPrefix) &&
                      IsValidDelay(DelayKeywordValue(keyword)));
    }
    void End(bool insideKeyword) { Accept(!insideKeyword); }

    bool Valid() const { return valid_; }

private:
    bool Accept(bool ok) {
        valid_ = valid_ && ok;
        return valid_;
    }
    bool valid_ = true;
};

// True when the record of text comes back unchanged from a template.
bool SurvivesReload(std::string_view text) {
    return RecordReadsBack(EncodeKeyContent(text));
}

} // namespace

bool IsAsciiContent(std::string_view text) {
    return ScanKeyContent(text, AsciiChecker(text)).Valid() && SurvivesReload(text);
}

bool IsScanCodeContent(std::string_view text) {
    return ScanKeyContent(text, ScanCodeChecker()).Valid() && SurvivesReload(text);
}

bool IsValidContent(std::string_view text) {
    return IsAsciiContent(text) || IsScanCodeContent(text);
}

std::string TranslateKeyword(std::string_view keyword) {
    if (const ScanCodeKeyword* found = FindScanCodeKeyword(keyword)) {
        const auto bytes = found->Bytes();
        return {bytes.begin(), bytes.end()};
    }
    if (keyword == kSeparatorKeyword) {
        return std::string(1, static_cast<char>(kSeparatorCode));
    }
    if (StartsWith(keyword, kDelayKeywordPrefix)) {
        const int value = DelayKeywordValue(keyword);
        if (IsValidDelay(value)) {
            return {static_cast<char>(kFunctionCode), static_cast<char>(value)};
        }
    }
    return {};
}

RecordFit EncodeKeyContentInto(std::string_view text, std::span<std::uint8_t> out) {
    if (text.size() < out.size()) {
        return EncodeWholeRecord(text, out.data());
    }
    return EncodeInto(text, LimitedRecord(out));
}

std::string EncodeKeyContent(std::string_view text) {
    std::string record(text.size() + 1, '\0');
    record.resize(EncodeWholeRecord(text, reinterpret_cast<std::uint8_t*>(record.data())).size);
    return record;
}

int GetEncodedSize(std::string_view text) {
    return ScanKeyContent(text, SizeCounter()).Result();
}

} // namespace zelt
