#include "KeyContentDecoder.h"

#include "DecimalText.h"
#include "KeyArea.h"
#include "KeyRecordCodes.h"
#include "KeywordTables.h"

#include <array>
#include <string_view>

namespace zelt {
namespace {

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

constexpr std::string_view kLiteralLeftBracket = "[[";
constexpr std::string_view kLiteralRightBracket = "]]";
constexpr std::string_view kBreakPrefixPair = "[0E0][0F0]";
constexpr std::string_view kPrintScreenKeyword = "[PrintScreen]";
constexpr std::string_view kPauseBreakKeyword = "[PauseBreak]";
constexpr std::uint8_t kPrintScreenSecond = 0x2A;
constexpr std::uint8_t kPrintScreenFourth = 0x37;
constexpr std::uint8_t kPauseSecond = 0x1D;
constexpr std::uint8_t kPauseThird = 0x45;

void AppendDelay(std::string& out, int tenths) {
    out += kDelayKeywordPrefix;
    AppendDecimal(out, tenths);
    out.push_back(']');
}

void DecodeAsciiRecord(ByteReader& reader, std::uint8_t first, std::string& out) {
    for (std::uint8_t c = first; c != kRecordTerminator; c = reader.Next()) {
        switch (c) {
        case kCarriageReturnCode:
            out += kCarriageReturnKeyword;
            break;
        case kLeftBracketCode:
            out += kLiteralLeftBracket;
            break;
        case kRightBracketCode:
            out += kLiteralRightBracket;
            break;
        case kFunctionCode:
            // The stored value is shown as it is, even when out of range, so the user sees it.
            if (const std::uint8_t n = reader.Next(); n == kCapsCode) {
                out += kCapsKeyword;
            } else {
                AppendDelay(out, n);
            }
            break;
        case kSeparatorCode:
            out += kSeparatorKeyword;
            break;
        default:
            out.push_back(static_cast<char>(c));
            out += reader.TakeWhile([](std::uint8_t b) { return kAsciiSelf[b]; });
            break;
        }
    }
}

// Bytes without a keyword (set 1 break codes among them) are skipped. A byte that a prefix or
// 0xFD consumes is consumed even when it is 0x00, as the keyboard reads it.
void DecodeScanCodeRecord(ByteReader& reader, std::string& out) {
    int level = 0;
    for (std::uint8_t c = reader.Next(); c != kRecordTerminator; c = reader.Next()) {
        switch (c) {
        case kExtendedPrefix: {
            const std::uint8_t d = reader.Next();
            if (d == kBreakPrefix) {
                out += kBreakPrefixPair;
            } else if (d == kPrintScreenSecond) {
                if (reader.Next() == kExtendedPrefix && reader.Next() == kPrintScreenFourth) {
                    out += kPrintScreenKeyword;
                }
            } else {
                out += ExtendedKeywordView(d);
            }
            break;
        }
        case kPausePrefix:
            if (reader.Next() == kPauseSecond && reader.Next() == kPauseThird) {
                out += kPauseBreakKeyword;
            }
            break;
        case kScanRecordLead:
            ++level;
            break;
        case kFunctionCode:
            if (const std::uint8_t n = reader.Next(); n != kCapsCode) {
                AppendDelay(out, ScanCodeDelayShown(n));
            }
            break;
        case kBreakPrefix:
            out += kBreakPrefixKeyword;
            break;
        case kSeparatorCode:
            out += kSeparatorKeyword;
            break;
        default:
            out += NormalKeywordView(c);
            break;
        }
    }
    if (level > 0) {
        out += kShiftLevelKeywordPrefix;
        AppendDecimal(out, level);
        out.push_back(']');
    }
}

std::span<const std::uint8_t> KeyArea(const TemplateImage& image) {
    return {image.data(), kKeyAreaSize};
}

} // namespace

std::size_t DecodeRecordInto(std::span<const std::uint8_t> bytes, std::size_t offset,
                             std::string& out) {
    ByteReader reader(bytes, offset);
    const std::uint8_t first = reader.Next();
    if (first == kScanRecordLead) {
        DecodeScanCodeRecord(reader, out);
    } else if (first != kRecordTerminator) {
        DecodeAsciiRecord(reader, first, out);
    }
    return reader.Position();
}

DecodedRecord DecodeRecord(const TemplateImage& image, std::size_t offset) {
    DecodedRecord record;
    record.next = DecodeRecordInto(KeyArea(image), offset, record.text);
    return record;
}

void DecodeImage(TemplateData& data) {
    const auto area = KeyArea(data.image);
    std::size_t pos = 0;
    for (int key : kRecordOrder) {
        std::string& content = data.keyContents[static_cast<std::size_t>(key - 1)];
        content.clear();
        pos = DecodeRecordInto(area, pos, content);
    }
    MirrorKeyLock(data.keyContents, data.modelCode);
}

} // namespace zelt
