#pragma once

// Encoding one key content text into its record, as a visitor of ScanKeyContent. Internal to
// the key content functions (KeyContent.h is the interface).

#include "ByteWords.h"
#include "KeyContent.h"
#include "KeyContentSyntax.h"
#include "KeyRecordCodes.h"
#include "KeyRecordWriters.h"
#include "KeywordTableData.h"
#include "KeywordTables.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace zelt::encoding {

// True when a record, stored and read back by the decoder, ends at its own terminator and
// encodes to the same bytes.
bool RecordReadsBack(std::string_view record);

// What a keyword that is not in the keyword table does to the record.
struct KeywordEffect {
    enum class Kind {
        Append,         // its bytes, and the walk goes on ("[Delay" n "]")
        AppendThenStop, // its bytes end the record (a shift-level selector)
        Stop,           // the record ends as it stands (no translation)
        StopAsScanCode, // the same, but the record counts as scan code mode (unknown keyword)
    };
    Kind kind = Kind::Stop;
    std::array<std::uint8_t, kMaxShiftLevel + 1> bytes{};
    std::size_t count = 0;
};

// Kept apart from the encoder, so that the encoder's state can stay in registers: nothing
// outside the hot path ever sees its address.
KeywordEffect EffectOfOtherKeyword(std::string_view keyword);

// The usual case in one tight loop: encodes the text [in, end) into out, which has room for
// the whole record (end - in + 1 bytes), into the same record as the Encoder below writes into
// a DirectRecord, and returns the end of the record. Gives up (nullptr) at a keyword left open
// inside the text (a "[" followed by another "[" or a 0x00 before any "]", or by nothing),
// which only the general walk follows; the caller simply starts over with that. For a text
// that the checks accept, the general walk writes over every byte written by then. (Here a
// scan-code record gets its lead byte first, and a code of one byte is written together with
// the byte after it; so for a text they refuse, bytes behind the record can differ.)
std::uint8_t* EncodeWholeRecord(const char* in, const char* end, std::uint8_t* out);

// How far EncodeWholeRecords got: the records it wrote, and where the next one goes.
struct WholeRecords {
    std::size_t count;
    std::uint8_t* end;
};

// The records of the texts of keys (contents[key - 1], in the order given) one after another
// from out, each followed by its terminator, for as long as each text is shorter than its
// room and the fast loop takes it: the first record's room ends at roomEnd, and each later
// one's a byte further on. Empty texts take their terminator alone. Building a whole key area
// this way keeps the fast loop's state in registers from one record to the next, instead of
// saving and restoring it around a call per record.
WholeRecords EncodeWholeRecords(const std::string* contents, std::span<const int> keys,
                                std::uint8_t* out, const std::uint8_t* roomEnd);

// Builds the record of a text into a LimitedRecord (room may run out) or a DirectRecord (it
// cannot). A shift-level selector, a keyword without translation and a stray "]" end the walk
// with the output as it stands; an unfinished keyword at the end empties it; otherwise a
// scan-code record gets its lead byte at the end of the walk.
template <class Record> class Encoder {
public:
    explicit Encoder(Record out) : out_(out) {}

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
    bool Keyword(std::string_view keyword, const ScanCodeKeyword* found) {
        if (found != nullptr) {
            scanCode_ = scanCode_ || found->group != KeywordGroup::Function;
            return Add(found->bytes.data(), found->size);
        }
        const KeywordEffect effect = EffectOfOtherKeyword(keyword);
        switch (effect.kind) {
        case KeywordEffect::Kind::Append:
            return Add(effect.bytes.data(), effect.count);
        case KeywordEffect::Kind::AppendThenStop:
            Add(effect.bytes.data(), effect.count);
            return Stop();
        case KeywordEffect::Kind::StopAsScanCode:
            scanCode_ = true;
            return Stop();
        case KeywordEffect::Kind::Stop:
            break;
        }
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
        if constexpr (std::is_same_v<Record, DirectRecord>) {
            if (scanCode_) {
                out_.PrependLead();
            }
            return {out_.Size(), true};
        } else {
            return FinishInLimitedRoom();
        }
    }

private:
    RecordFit FinishInLimitedRoom() {
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

    Record out_;
    bool scanCode_ = false;
    bool stopped_ = false;
    bool cut_ = false;
};

// Encodes text into out by ScanKeyContent and the encoder above.
template <class Record> RecordFit EncodeInto(std::string_view text, Record out) {
    return syntax::ScanKeyContent(text, Encoder<Record>(out)).Finish();
}

} // namespace zelt::encoding
