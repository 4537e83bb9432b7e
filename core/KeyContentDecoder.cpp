#include "KeyContentDecoder.h"

#include "ByteWords.h"
#include "KeyArea.h"
#include "KeyRecordCodes.h"
#include "KeywordTableData.h"
#include "KeywordTables.h"
#include "SmallCopy.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string_view>
#include <vector>

namespace zelt {
namespace {

// How a scan-code record treats a byte: shows the name that goes with it (which may be none; a
// short one is copied in one piece of sixteen bytes), ends the record, or begins a code that
// reads on.
enum class ScanStep : std::uint8_t {
    Name,
    LongName,
    End,
    ExtendedPrefix,
    PausePrefix,
    Level,
    Function
};

// A name stored with room to spare, so that it is copied with one fixed-size copy, together
// with what a scan-code record does with its byte.
struct alignas(32) PaddedName {
    std::array<char, 24> text{};
    std::uint8_t size = 0;
    ScanStep step = ScanStep::Name;
};

constexpr PaddedName Pad(std::string_view name, ScanStep step = ScanStep::Name) {
    PaddedName padded;
    for (std::size_t i = 0; i < name.size(); ++i) {
        padded.text[i] = name[i];
    }
    padded.size = static_cast<std::uint8_t>(name.size());
    padded.step = step;
    return padded;
}

using PaddedNames = std::array<PaddedName, 256>;

// Most names fit into one copy of this many bytes.
constexpr std::size_t kShortName = 16;

constexpr PaddedNames PadAll(const std::array<std::string_view, 256>& names) {
    PaddedNames padded{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        padded[i] = Pad(names[i]);
    }
    return padded;
}

// Names a scan-code record shows for the code after E0: table E, else table C.
constexpr PaddedNames kExtendedNames = [] {
    std::array<std::string_view, 256> names{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = keyword_data::kExtendedNames[i].empty() ? keyword_data::kConsumerNames[i]
                                                           : keyword_data::kExtendedNames[i];
    }
    return PadAll(names);
}();

// Names a scan-code record shows for a code by itself, and the bytes that are not codes.
constexpr PaddedNames kScanCodeSteps = [] {
    std::array<std::string_view, 256> names = keyword_data::kNormalNames;
    names[kBreakPrefix] = kBreakPrefixKeyword;
    names[kSeparatorCode] = kSeparatorKeyword;
    PaddedNames steps = PadAll(names);
    for (PaddedName& step : steps) {
        if (step.size > kShortName) {
            step.step = ScanStep::LongName;
        }
    }
    steps[kRecordTerminator].step = ScanStep::End;
    steps[kExtendedPrefix].step = ScanStep::ExtendedPrefix;
    steps[kPausePrefix].step = ScanStep::PausePrefix;
    steps[kScanRecordLead].step = ScanStep::Level;
    steps[kFunctionCode].step = ScanStep::Function;
    return steps;
}();

constexpr PaddedName kLiteralLeftBracket = Pad("[[");
constexpr PaddedName kLiteralRightBracket = Pad("]]");
constexpr PaddedName kCarriageReturn = Pad(kCarriageReturnKeyword);
constexpr PaddedName kSeparator = Pad(kSeparatorKeyword);
constexpr PaddedName kBreakPrefixPair = Pad("[0E0][0F0]");
constexpr PaddedName kPrintScreen = Pad("[PrintScreen]");
constexpr PaddedName kPauseBreak = Pad("[PauseBreak]");
constexpr std::uint8_t kPrintScreenSecond = 0x2A;
constexpr std::uint8_t kPrintScreenFourth = 0x37;
constexpr std::uint8_t kPauseSecond = 0x1D;
constexpr std::uint8_t kPauseThird = 0x45;

// The decimal digits of a value that is not negative; returns the end of them.
constexpr char* PutDecimal(char* out, int value) {
    char digits[12] = {};
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (count > 0) {
        *out++ = digits[--count];
    }
    return out;
}

// What 0xFD and the byte after it show: in an ASCII record the stored value as it is, even
// when out of range, so that the user sees it; in a scan-code record the delay it is shown as
// (KeywordTables.h). 0xFD 0xFC is Caps, which a scan-code record does not show. Spelt out for
// every value once, so that decoding copies them like any other name.
constexpr PaddedName DelayName(int value) {
    PaddedName name = Pad(kDelayKeywordPrefix);
    char* end = PutDecimal(name.text.data() + name.size, value);
    *end++ = ']';
    name.size = static_cast<std::uint8_t>(end - name.text.data());
    return name;
}

constexpr std::array<PaddedName, 256> kAsciiFunctionNames = [] {
    std::array<PaddedName, 256> names{};
    for (int n = 0; n < 256; ++n) {
        names[static_cast<std::size_t>(n)] = DelayName(n);
    }
    names[kCapsCode] = Pad(kCapsKeyword);
    return names;
}();

constexpr std::array<PaddedName, 256> kScanCodeFunctionNames = [] {
    std::array<PaddedName, 256> names{};
    for (int n = 0; n < 256; ++n) {
        // As ScanCodeDelayShown: 0 shows as 1, anything above 250 as 249.
        names[static_cast<std::size_t>(n)] = DelayName(n == 0 ? 1 : n > kMaxDelay ? 249 : n);
    }
    names[kCapsCode] = PaddedName{};
    return names;
}();

// No byte decodes to more characters than this; the shift level adds a keyword at the end.
constexpr std::size_t kLongestTextPerByte = 17; // "[Alt+PrintScreen]"
constexpr std::size_t kLongestShiftLevel = 16;  // "[ShiftLevel1967]" and then some

// Records are decoded from a copy of their bytes with zeros behind it: a record that runs off
// the end reads terminators there, so no read needs a check. A byte that a prefix or 0xFD
// consumes is read even when it is a terminator, so a record can read two bytes past the end
// before it stops; runs of plain characters are copied sixteen bytes at a time, from up to
// three bytes past the end; and the map of run stops covers whole words of 64 bytes.
constexpr std::size_t kPadding = 64;

// The size of a padded copy of size bytes: at least kPadding zeros behind them, rounded up
// to whole words of the stop map.
constexpr std::size_t PaddedSize(std::size_t size) {
    return (size + kPadding + 63) / 64 * 64;
}

// Where decoding stands: the next byte to read and the next character to write. Both are
// passed and returned by value, so that they stay in registers while characters are written
// (a character store could otherwise change them, as far as the compiler knows).
struct Cursor {
    const std::uint8_t* in;
    char* out;
};

char* Put(char* out, const PaddedName& name) {
    std::memcpy(out, name.text.data(), name.text.size());
    return out + name.size;
}

char* PutShort(char* out, const PaddedName& name) {
    std::memcpy(out, name.text.data(), kShortName);
    return out + name.size;
}

char* PutNumbered(char* out, std::string_view prefix, int value) {
    CopySmall(out, prefix.data(), prefix.size());
    out = PutDecimal(out + prefix.size(), value);
    *out++ = ']';
    return out;
}

// The bytes among the sixteen at p that an ASCII record does not show as themselves, one bit
// each: they end a run of plain characters.
inline std::uint32_t AsciiRunStops(const std::uint8_t* p) {
    return words::Bytes16EqualToAnyOf(reinterpret_cast<const char*>(p), kRecordTerminator,
                                      kCarriageReturnCode, kLeftBracketCode, kRightBracketCode,
                                      kFunctionCode, kSeparatorCode);
}

// One bit for every byte that ends a run of plain characters in an ASCII record (bit i of
// word w for byte 64 w + i), found for all bytes before decoding begins. Decoding then finds
// the end of each run from the bits alone, without waiting until the bytes of the run before
// it have been read: in a template of text keys, that wait was most of the decoding time.
void MapRunStops(const std::uint8_t* bytes, std::size_t size, std::uint64_t* stops) {
    for (std::size_t word = 0; word < size / 64; ++word) {
        std::uint64_t bits = 0;
        for (std::size_t block = 0; block < 64; block += 16) {
            bits |= std::uint64_t{AsciiRunStops(bytes + 64 * word + block)} << block;
        }
        stops[word] = bits;
    }
}

// Walks the run stops from a position on. The stops of the current word stay in a register,
// so the next one is found with two bit operations rather than a load.
class RunStopWalker {
public:
    explicit RunStopWalker(const std::uint64_t* stops) : stops_(stops) {}

    void Seek(std::size_t at) {
        wordStart_ = at & ~std::size_t{63};
        bits_ = stops_[at / 64] & (~std::uint64_t{0} << (at % 64));
    }

    // The next stop; the zeros behind the bytes are stops, so there always is one.
    std::size_t Next() {
        while (bits_ == 0) {
            wordStart_ += 64;
            bits_ = stops_[wordStart_ / 64];
        }
        const std::size_t stop = wordStart_ + static_cast<unsigned>(std::countr_zero(bits_));
        bits_ &= bits_ - 1;
        return stop;
    }

private:
    const std::uint64_t* stops_;
    std::uint64_t bits_ = 0;
    std::size_t wordStart_ = 0;
};

// Where decoding stands, as an offset into the padded bytes, and the next character to write.
struct Position {
    std::size_t at;
    char* out;
};

// The plain characters before a stop, copied sixteen bytes at a time into the text room's
// slack (also when there are none).
inline void CopyRun(char* out, const std::uint8_t* in, std::size_t size) {
    std::size_t done = 0;
    do {
        std::memcpy(out + done, in + done, 16);
        done += 16;
    } while (done < size);
}

// What an ASCII record shows for the stops that stand for themselves alone: a carriage
// return, a literal bracket, a separator.
constexpr std::array<PaddedName, 256> kAsciiStopNames = [] {
    std::array<PaddedName, 256> names{};
    names[kCarriageReturnCode] = kCarriageReturn;
    names[kLeftBracketCode] = kLiteralLeftBracket;
    names[kRightBracketCode] = kLiteralRightBracket;
    names[kSeparatorCode] = kSeparator;
    return names;
}();

// An ASCII record from at, where stops stands. An empty record is one whose first stop is its
// terminator.
[[gnu::always_inline]] inline Position DecodeAsciiRecord(const std::uint8_t* bytes, Position at,
                                                         RunStopWalker& stops) {
    for (;;) {
        const std::size_t stop = stops.Next();
        CopyRun(at.out, bytes + at.at, stop - at.at);
        at.out += stop - at.at;
        at.at = stop + 1;
        const std::uint8_t c = bytes[stop];
        if (c == kRecordTerminator) {
            return at;
        }
        if (c == kFunctionCode) {
            // The byte it consumes may itself be a stop.
            at.out = Put(at.out, kAsciiFunctionNames[bytes[at.at]]);
            stops.Seek(++at.at);
        } else {
            at.out = Put(at.out, kAsciiStopNames[c]);
        }
    }
}

// Bytes without a keyword (set 1 break codes among them) are skipped. A byte that a prefix or
// 0xFD consumes is consumed even when it is 0x00, as the keyboard reads it.
[[gnu::always_inline]] inline Cursor DecodeScanCodeRecord(const std::uint8_t* in, char* out) {
    int level = 0;
    for (;;) {
        const PaddedName& step = kScanCodeSteps[*in++];
        if (step.step == ScanStep::Name) {
            out = PutShort(out, step);
            continue;
        }
        switch (step.step) {
        case ScanStep::LongName:
            out = Put(out, step);
            break;
        case ScanStep::ExtendedPrefix:
            if (const std::uint8_t d = *in++; d == kBreakPrefix) {
                out = Put(out, kBreakPrefixPair);
            } else if (d == kPrintScreenSecond) {
                if (*in++ == kExtendedPrefix && *in++ == kPrintScreenFourth) {
                    out = Put(out, kPrintScreen);
                }
            } else {
                out = Put(out, kExtendedNames[d]);
            }
            break;
        case ScanStep::PausePrefix:
            if (*in++ == kPauseSecond && *in++ == kPauseThird) {
                out = Put(out, kPauseBreak);
            }
            break;
        case ScanStep::Level:
            ++level;
            break;
        case ScanStep::Function:
            out = Put(out, kScanCodeFunctionNames[*in++]);
            break;
        case ScanStep::Name:
        case ScanStep::End:
            if (level > 0) {
                out = PutNumbered(out, kShiftLevelKeywordPrefix, level);
            }
            return {in, out};
        }
    }
}

// The record at at, where stops stands; leaves stops where the next record begins.
[[gnu::always_inline]] inline Position DecodeOneRecord(const std::uint8_t* bytes, Position at,
                                                       RunStopWalker& stops) {
    if (bytes[at.at] != kScanRecordLead) {
        return DecodeAsciiRecord(bytes, at, stops);
    }
    const Cursor done = DecodeScanCodeRecord(bytes + at.at + 1, at.out);
    const auto next = static_cast<std::size_t>(done.in - bytes);
    stops.Seek(next);
    return {next, done.out};
}

// Replaces a key's text. Most often (decoding the same template again) it keeps its length,
// and then the characters are simply copied over, without a call into the string library.
void AssignText(std::string& text, const char* chars, std::size_t size) {
    if (text.size() == size) {
        CopySmall(text.data(), chars, size);
    } else {
        text.assign(chars, size);
    }
}

// Room for the text of every record that bytes can hold, written as DecodeOneRecord writes
// it (names in whole padded copies). Kept per thread, it only ever grows, so decoding
// allocates nothing once it has run.
char* TextRoom(std::size_t bytes) {
    thread_local std::vector<char> storage;
    const std::size_t needed =
        bytes * kLongestTextPerByte + kLongestShiftLevel + sizeof(PaddedName::text);
    if (storage.size() < needed) {
        storage.resize(needed);
    }
    return storage.data();
}

// A copy of bytes with zeros behind it and the map of its run stops, kept per thread like the
// text room.
struct PaddedCopy {
    const std::uint8_t* bytes;
    const std::uint64_t* stops;
};

PaddedCopy CopyWithStops(std::span<const std::uint8_t> bytes) {
    thread_local std::vector<std::uint8_t> copy;
    thread_local std::vector<std::uint64_t> stops;
    const std::size_t size = PaddedSize(bytes.size());
    copy.assign(bytes.begin(), bytes.end());
    copy.resize(size, kRecordTerminator);
    stops.resize(size / 64);
    MapRunStops(copy.data(), size, stops.data());
    return {copy.data(), stops.data()};
}

} // namespace

std::size_t DecodeRecordInto(std::span<const std::uint8_t> bytes, std::size_t offset,
                             std::string& out) {
    if (offset >= bytes.size()) {
        return offset; // an empty record that reads nothing
    }
    const std::span<const std::uint8_t> rest = bytes.subspan(offset);
    const PaddedCopy copy = CopyWithStops(rest);
    char* text = TextRoom(rest.size());
    RunStopWalker stops(copy.stops);
    stops.Seek(0);
    const Position done = DecodeOneRecord(copy.bytes, {0, text}, stops);
    out.append(text, static_cast<std::size_t>(done.out - text));
    return offset + std::min(done.at, rest.size());
}

DecodedRecord DecodeRecord(const TemplateImage& image, std::size_t offset) {
    DecodedRecord record;
    record.next = DecodeRecordInto({image.data(), kImageSize}, offset, record.text);
    return record;
}

void DecodeImage(TemplateData& data) {
    // The running position is not held to the key area: in a damaged image with too few
    // terminators, the last records run on into the fields behind it. Only the end of the
    // image ends them.
    std::array<std::uint8_t, PaddedSize(kImageSize)> image;
    std::memcpy(image.data(), data.image.data(), kImageSize);
    std::fill(image.begin() + kImageSize, image.end(), kRecordTerminator);
    std::array<std::uint64_t, PaddedSize(kImageSize) / 64> stopBits;
    MapRunStops(image.data(), image.size(), stopBits.data());
    RunStopWalker stops(stopBits.data());
    stops.Seek(0);
    char* const text = TextRoom(kImageSize);
    std::size_t at = 0;
    for (int key : kRecordOrder) {
        const Position done = DecodeOneRecord(image.data(), {at, text}, stops);
        AssignText(data.keyContents[static_cast<std::size_t>(key - 1)], text,
                   static_cast<std::size_t>(done.out - text));
        at = done.at;
        if (at > kImageSize) {
            // Records after the end of the image are empty.
            at = kImageSize;
            stops.Seek(at);
        }
    }
    MirrorKeyLock(data.keyContents, data.modelCode);
}

} // namespace zelt
