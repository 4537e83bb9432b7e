#include "KeyContentDecoder.h"

#include "KeyArea.h"
#include "KeyRecordCodes.h"
#include "KeywordTableData.h"
#include "KeywordTables.h"
#include "SmallCopy.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <vector>

namespace zelt {
namespace {

// A name stored with room to spare, so that it is copied with one fixed-size copy.
struct PaddedName {
    std::array<char, 24> text{};
    std::uint8_t size = 0;
};

constexpr PaddedName Pad(std::string_view name) {
    PaddedName padded;
    for (std::size_t i = 0; i < name.size(); ++i) {
        padded.text[i] = name[i];
    }
    padded.size = static_cast<std::uint8_t>(name.size());
    return padded;
}

using PaddedNames = std::array<PaddedName, 256>;

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

// Names a scan-code record shows for a code by itself (0xFD and the prefixes aside).
constexpr PaddedNames kNormalNames = [] {
    std::array<std::string_view, 256> names = keyword_data::kNormalNames;
    names[kBreakPrefix] = kBreakPrefixKeyword;
    names[kSeparatorCode] = kSeparatorKeyword;
    return PadAll(names);
}();

constexpr PaddedName kLiteralLeftBracket = Pad("[[");
constexpr PaddedName kLiteralRightBracket = Pad("]]");
constexpr PaddedName kCarriageReturn = Pad(kCarriageReturnKeyword);
constexpr PaddedName kCaps = Pad(kCapsKeyword);
constexpr PaddedName kSeparator = Pad(kSeparatorKeyword);
constexpr PaddedName kBreakPrefixPair = Pad("[0E0][0F0]");
constexpr PaddedName kPrintScreen = Pad("[PrintScreen]");
constexpr PaddedName kPauseBreak = Pad("[PauseBreak]");
constexpr std::uint8_t kPrintScreenSecond = 0x2A;
constexpr std::uint8_t kPrintScreenFourth = 0x37;
constexpr std::uint8_t kPauseSecond = 0x1D;
constexpr std::uint8_t kPauseThird = 0x45;

// No byte decodes to more characters than this; the shift level adds a keyword at the end.
constexpr std::size_t kLongestTextPerByte = 17; // "[Alt+PrintScreen]"
constexpr std::size_t kLongestShiftLevel = 16;  // "[ShiftLevel1967]" and then some

// Collects the text of one record, sized for the bytes the record can read, so that no write
// can pass its end. Names are copied whole, padding included, which the slack allows for.
// The storage is kept per thread and only ever grows, so decoding allocates nothing once it
// has run.
class TextBuffer {
public:
    explicit TextBuffer(std::size_t inputBytes) : text_(Storage()) {
        const std::size_t needed =
            inputBytes * kLongestTextPerByte + kLongestShiftLevel + sizeof(PaddedName::text);
        if (text_.size() < needed) {
            text_.resize(needed);
        }
    }
    TextBuffer(const TextBuffer&) = delete;
    TextBuffer& operator=(const TextBuffer&) = delete;

    void Clear() { size_ = 0; }
    void Put(const PaddedName& name) {
        std::memcpy(text_.data() + size_, name.text.data(), name.text.size());
        size_ += name.size;
    }
    void Put(char c) { text_[size_++] = c; }
    void Put(std::string_view run) {
        CopySmall(text_.data() + size_, run.data(), run.size());
        size_ += run.size();
    }
    void PutNumbered(std::string_view prefix, int value) {
        Put(prefix);
        char digits[12];
        int n = 0;
        do {
            digits[n++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value != 0);
        while (n > 0) {
            Put(digits[--n]);
        }
        Put(']');
    }
    std::string_view Text() const { return {text_.data(), size_}; }

private:
    static std::vector<char>& Storage() {
        thread_local std::vector<char> storage;
        return storage;
    }

    std::vector<char>& text_;
    std::size_t size_ = 0;
};

// Reads a record's bytes. Past the end it returns 0 without moving, so every loop ends there.
class ByteReader {
public:
    ByteReader(std::span<const std::uint8_t> bytes, std::size_t pos) : bytes_(bytes), pos_(pos) {}

    std::uint8_t Next() { return pos_ < bytes_.size() ? bytes_[pos_++] : kRecordTerminator; }
    std::size_t Position() const { return pos_; }

    // The run of bytes from here on that a test accepts, consumed at once.
    template <class Test> std::string_view TakeWhile(Test test) {
        const std::size_t start = pos_;
        while (pos_ < bytes_.size() && test(bytes_[pos_])) {
            ++pos_;
        }
        return {reinterpret_cast<const char*>(bytes_.data()) + start, pos_ - start};
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_;
};

// Bytes that an ASCII record shows as themselves.
constexpr std::array<bool, 256> kAsciiSelf = [] {
    std::array<bool, 256> self{};
    for (auto& s : self) {
        s = true;
    }
    for (std::uint8_t code : {kRecordTerminator, kCarriageReturnCode, kLeftBracketCode,
                              kRightBracketCode, kFunctionCode, kSeparatorCode}) {
        self[code] = false;
    }
    return self;
}();

void DecodeAsciiRecord(ByteReader& reader, std::uint8_t first, TextBuffer& out) {
    for (std::uint8_t c = first; c != kRecordTerminator; c = reader.Next()) {
        switch (c) {
        case kCarriageReturnCode:
            out.Put(kCarriageReturn);
            break;
        case kLeftBracketCode:
            out.Put(kLiteralLeftBracket);
            break;
        case kRightBracketCode:
            out.Put(kLiteralRightBracket);
            break;
        case kFunctionCode:
            // The stored value is shown as it is, even when out of range, so the user sees it.
            if (const std::uint8_t n = reader.Next(); n == kCapsCode) {
                out.Put(kCaps);
            } else {
                out.PutNumbered(kDelayKeywordPrefix, n);
            }
            break;
        case kSeparatorCode:
            out.Put(kSeparator);
            break;
        default:
            out.Put(static_cast<char>(c));
            out.Put(reader.TakeWhile([](std::uint8_t b) { return kAsciiSelf[b]; }));
            break;
        }
    }
}

// Bytes without a keyword (set 1 break codes among them) are skipped. A byte that a prefix or
// 0xFD consumes is consumed even when it is 0x00, as the keyboard reads it.
void DecodeScanCodeRecord(ByteReader& reader, TextBuffer& out) {
    int level = 0;
    for (std::uint8_t c = reader.Next(); c != kRecordTerminator; c = reader.Next()) {
        switch (c) {
        case kExtendedPrefix: {
            const std::uint8_t d = reader.Next();
            if (d == kBreakPrefix) {
                out.Put(kBreakPrefixPair);
            } else if (d == kPrintScreenSecond) {
                if (reader.Next() == kExtendedPrefix && reader.Next() == kPrintScreenFourth) {
                    out.Put(kPrintScreen);
                }
            } else {
                out.Put(kExtendedNames[d]);
            }
            break;
        }
        case kPausePrefix:
            if (reader.Next() == kPauseSecond && reader.Next() == kPauseThird) {
                out.Put(kPauseBreak);
            }
            break;
        case kScanRecordLead:
            ++level;
            break;
        case kFunctionCode:
            if (const std::uint8_t n = reader.Next(); n != kCapsCode) {
                out.PutNumbered(kDelayKeywordPrefix, ScanCodeDelayShown(n));
            }
            break;
        default:
            out.Put(kNormalNames[c]);
            break;
        }
    }
    if (level > 0) {
        out.PutNumbered(kShiftLevelKeywordPrefix, level);
    }
}

std::size_t DecodeInto(std::span<const std::uint8_t> bytes, std::size_t offset, TextBuffer& out) {
    ByteReader reader(bytes, offset);
    const std::uint8_t first = reader.Next();
    if (first == kScanRecordLead) {
        DecodeScanCodeRecord(reader, out);
    } else if (first != kRecordTerminator) {
        DecodeAsciiRecord(reader, first, out);
    }
    return reader.Position();
}

std::span<const std::uint8_t> KeyArea(const TemplateImage& image) {
    return {image.data(), kKeyAreaSize};
}

} // namespace

std::size_t DecodeRecordInto(std::span<const std::uint8_t> bytes, std::size_t offset,
                             std::string& out) {
    TextBuffer buffer(bytes.size() - std::min(offset, bytes.size()));
    const std::size_t next = DecodeInto(bytes, offset, buffer);
    out.append(buffer.Text());
    return next;
}

DecodedRecord DecodeRecord(const TemplateImage& image, std::size_t offset) {
    DecodedRecord record;
    record.next = DecodeRecordInto(KeyArea(image), offset, record.text);
    return record;
}

void DecodeImage(TemplateData& data) {
    // One buffer for all records.
    TextBuffer buffer(kKeyAreaSize);
    const auto area = KeyArea(data.image);
    std::size_t pos = 0;
    for (int key : kRecordOrder) {
        buffer.Clear();
        pos = DecodeInto(area, pos, buffer);
        data.keyContents[static_cast<std::size_t>(key - 1)].assign(buffer.Text());
    }
    MirrorKeyLock(data.keyContents, data.modelCode);
}

} // namespace zelt
