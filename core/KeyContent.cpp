#include "KeyContent.h"

#include "KeyContentDecoder.h"
#include "KeyContentSyntax.h"
#include "KeyRecordCodes.h"
#include "KeywordTableData.h"
#include "KeywordTables.h"
#include "SmallCopy.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace zelt {

using syntax::DelayKeywordValue;
using syntax::IsShiftLevelKeyword;
using syntax::IsValidDelay;
using syntax::ScanKeyContent;
using syntax::ShiftLevelDigit;
using syntax::StartsWith;

namespace {

// A record under construction in a fixed span. Codes are appended whole or not at all.
class RecordBuffer {
public:
    explicit RecordBuffer(std::span<std::uint8_t> out) : out_(out) {}

    bool Append(const std::uint8_t* bytes, std::size_t count) {
        if (size_ + count > out_.size()) {
            return false;
        }
        Remember(size_);
        // Codes are a few bytes long; a loop is cheaper than a call.
        for (std::size_t i = 0; i < count; ++i) {
            out_[size_ + i] = bytes[i];
        }
        size_ += count;
        return true;
    }
    // Plain characters are codes of one byte each: as many as fit are appended. False when
    // not all of them fitted.
    bool AppendRun(std::string_view run) {
        const std::size_t fits = std::min(run.size(), out_.size() - size_);
        CopySmall(out_.data() + size_, run.data(), fits);
        for (std::size_t i = fits > kHistory ? fits - kHistory : 0; i < fits; ++i) {
            Remember(size_ + i);
        }
        size_ += fits;
        return fits == run.size();
    }
    void Clear() { size_ = remembered_ = 0; }
    // Takes back the last code appended; false when it is no longer known where it began.
    bool DropLastCode() {
        if (remembered_ == 0) {
            return false;
        }
        --remembered_;
        size_ = starts_[(next_ + kHistory - 1) % kHistory];
        next_ = (next_ + kHistory - 1) % kHistory;
        return true;
    }
    std::span<const std::uint8_t> Bytes() const { return {out_.data(), size_}; }
    std::size_t Size() const { return size_; }
    std::size_t Capacity() const { return out_.size(); }

    // Puts the scan-code record's lead byte in front; the caller made room for it.
    void PrependLead() {
        for (std::size_t i = size_; i > 0; --i) {
            out_[i] = out_[i - 1];
        }
        out_[0] = kScanRecordLead;
        ++size_;
    }

private:
    // Where the last few codes began: enough to take back the longest run of keywords that
    // together make one code, "[0E0][Shift][0E0]" and what completes it.
    static constexpr std::size_t kHistory = 4;

    void Remember(std::size_t start) {
        starts_[next_] = start;
        next_ = (next_ + 1) % kHistory;
        remembered_ = std::min(remembered_ + 1, kHistory);
    }

    std::span<std::uint8_t> out_;
    std::size_t size_ = 0;
    std::array<std::size_t, kHistory> starts_{};
    std::size_t next_ = 0;
    std::size_t remembered_ = 0;
};

std::span<std::uint8_t> Bytes(std::string& s) {
    return {reinterpret_cast<std::uint8_t*>(s.data()), s.size()};
}

// True when a record, stored and read back by the decoder, ends at its own terminator and
// encodes to the same bytes. Bytes that are not a record follow the terminator, so a decoder
// that swallows it is caught.
bool RecordReadsBack(std::string_view record) {
    std::string stored(record);
    stored += std::string_view("\0\x01\x01\x01\x01\0", 6);
    std::string decoded;
    const std::size_t next = DecodeRecordInto(Bytes(stored), 0, decoded);
    return next == record.size() + 1 && EncodeKeyContent(decoded) == record;
}

// Builds the record of a text. A shift-level selector, a keyword without translation and a
// stray "]" end the walk with the output as it stands; an unfinished keyword at the end empties
// it; otherwise a scan-code record gets its lead byte at the end of the walk.
class Encoder {
public:
    explicit Encoder(RecordBuffer& out) : out_(out) {}

    bool PlainRun(std::string_view run) {
        if (scanCode_) {
            out_.Clear();
            return true;
        }
        if (!out_.AppendRun(run)) {
            cut_ = true;
            return false;
        }
        return true;
    }
    // A 0x00 would end the record early; only invalid texts hold one, and it is left out.
    bool NulByte() { return PlainRun({}); }
    bool Literal(std::uint8_t c) {
        const std::uint8_t code = c == '[' ? kLeftBracketCode : kRightBracketCode;
        return Add(&code, 1);
    }
    bool DroppedKeyword() { return true; }
    bool StrayClose() { return Stop(); }
    bool Keyword(std::string_view keyword) {
        if (const ScanCodeKeyword* found = keyword_data::Find(keyword)) {
            scanCode_ = scanCode_ || found->group != KeywordGroup::Function;
            return Add(found->bytes.data(), found->size);
        }
        if (StartsWith(keyword, kDelayKeywordPrefix)) {
            // A delay out of range would store 0x00 or a meaningless value; like any keyword
            // without translation it ends the output instead.
            const int value = DelayKeywordValue(keyword);
            if (!IsValidDelay(value)) {
                return Stop();
            }
            const std::uint8_t delay[] = {kFunctionCode, static_cast<std::uint8_t>(value)};
            return Add(delay, 2);
        }
        if (StartsWith(keyword, kShiftLevelKeywordPrefix)) {
            const int level = ShiftLevelDigit(keyword);
            if (level != 0) {
                std::uint8_t selector[kMaxShiftLevel + 1];
                std::memset(selector, kScanRecordLead, sizeof selector);
                Add(selector, static_cast<std::size_t>(level) + 1);
            }
            return Stop();
        }
        // An unknown keyword counts as a scan-code keyword without translation.
        scanCode_ = true;
        return Stop();
    }
    void End(bool insideKeyword) {
        if (insideKeyword) {
            out_.Clear();
            stopped_ = true;
        }
    }

    RecordFit Finish() {
        if (stopped_) {
            return {out_.Size(), !cut_};
        }
        if (scanCode_ && out_.Size() + 1 > out_.Capacity()) {
            out_.DropLastCode();
            cut_ = true;
        }
        if (cut_) {
            // Several keywords can make one code together ("[0E0]" and what follows it), so a
            // cut between keywords can still fall inside a code; back off until what is left
            // reads back unchanged.
            while (out_.Size() > 0 && !CutReadsBack()) {
                if (!out_.DropLastCode()) {
                    out_.Clear();
                }
            }
            // A lead byte alone would decode as an empty key.
            if (out_.Size() == 0) {
                return {0, false};
            }
        }
        if (scanCode_) {
            out_.PrependLead();
        }
        return {out_.Size(), !cut_};
    }

private:
    bool CutReadsBack() const {
        std::string record;
        if (scanCode_) {
            record.push_back(static_cast<char>(kScanRecordLead));
        }
        const auto body = out_.Bytes();
        record.append(reinterpret_cast<const char*>(body.data()), body.size());
        return RecordReadsBack(record);
    }

    bool Add(const std::uint8_t* bytes, std::size_t count) {
        if (!out_.Append(bytes, count)) {
            cut_ = true;
            return false;
        }
        return true;
    }
    bool Stop() {
        stopped_ = true;
        return false;
    }

    RecordBuffer& out_;
    bool scanCode_ = false;
    bool stopped_ = false;
    bool cut_ = false;
};

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
    bool Keyword(std::string_view keyword) {
        if (const ScanCodeKeyword* found = keyword_data::Find(keyword)) {
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
    bool Keyword(std::string_view keyword) {
        if (const ScanCodeKeyword* found = keyword_data::Find(keyword)) {
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
    bool Keyword(std::string_view keyword) {
        return Accept(
            FindScanCodeKeyword(keyword) != nullptr || keyword == kSeparatorKeyword ||
            (StartsWith(keyword, kDelayKeywordPrefix) && IsValidDelay(DelayKeywordValue(keyword))));
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
    AsciiChecker checker(text);
    ScanKeyContent(text, checker);
    return checker.Valid() && SurvivesReload(text);
}

bool IsScanCodeContent(std::string_view text) {
    ScanCodeChecker checker;
    ScanKeyContent(text, checker);
    return checker.Valid() && SurvivesReload(text);
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
    RecordBuffer buffer(out);
    Encoder encoder(buffer);
    ScanKeyContent(text, encoder);
    return encoder.Finish();
}

std::string EncodeKeyContent(std::string_view text) {
    // No element encodes to more bytes than it has characters; the lead byte adds one.
    std::string record(text.size() + 1, '\0');
    const RecordFit fit = EncodeKeyContentInto(text, Bytes(record));
    record.resize(fit.size);
    return record;
}

int GetEncodedSize(std::string_view text) {
    SizeCounter counter;
    ScanKeyContent(text, counter);
    return counter.Result();
}

} // namespace zelt
