#include "KeyContent.h"

#include "HexBytes.h"
#include "KeyContentDecoder.h"

#include <gtest/gtest.h>

namespace zelt {
namespace {

using testing::FromHex;
using testing::ToHex;

enum class Mode { Ascii, Scan, Both, Invalid };

struct Case {
    std::string text;
    Mode mode;
    const char* record; // hex, for valid texts
};

std::string Text(std::string_view s) {
    return std::string(s);
}

// Every valid text: which check accepts it, its record, and that the size count agrees.
const Case kCases[] = {
    // ASCII code mode
    {"abc[CR]", Mode::Ascii, "61 62 63 0D"},
    {"[[x]]", Mode::Ascii, "5B 78 5D"},
    {"[Caps]", Mode::Ascii, "FD FC"},
    {"[Separator]ab", Mode::Ascii, "FE 61 62"},
    {"[ab[CR]", Mode::Ascii, "0D"},
    {"[[", Mode::Ascii, "5B"},
    {"]]", Mode::Ascii, "5D"},
    {"[[[[]]]]", Mode::Ascii, "5B 5B 5D 5D"},
    {"[[[CR]", Mode::Ascii, "5B 0D"},
    {"a[Caps]b[Delay15]c", Mode::Ascii, "61 FD FC 62 FD 0F 63"},
    {"\r", Mode::Ascii, "0D"},
    {"\xFE", Mode::Ascii, "FE"},
    {Text("\x01\x7F\x80\xFC\xF0\xE0"), Mode::Ascii, "01 7F 80 FC F0 E0"},
    // A keyword followed by a literal "]": "]" always closes the keyword first.
    {"[CR]]]", Mode::Ascii, "0D 5D"},
    {"[Separator]]]", Mode::Ascii, "FE 5D"},
    {"[Delay5]]]x", Mode::Ascii, "FD 05 5D 78"},
    {"[Caps]]]]]", Mode::Ascii, "FD FC 5D 5D"},
    // A "[[" inside an unfinished keyword is a literal; the keyword goes on around it.
    {"[Sep[[arator]", Mode::Ascii, "5B FE"},
    // Shift-level selectors
    {"[ShiftLevel1]", Mode::Ascii, "FF FF"},
    {"[ShiftLevel3]", Mode::Ascii, "FF FF FF FF"},
    {"[ShiftLevel9]", Mode::Ascii, "FF FF FF FF FF FF FF FF FF FF"},
    // Scan code mode
    {"[F1][Separator][F2]", Mode::Scan, "FF 3B FE 3C"},
    {"[PrintScreen]", Mode::Scan, "FF E0 2A E0 37"},
    {"[Mute]", Mode::Scan, "FF E0 20"},
    {"[PauseBreak]", Mode::Scan, "FF E1 1D 45"},
    {"[Ctrl+PrintScreen]", Mode::Scan, "FF E0 37"},
    {"[Alt+PrintScreen]", Mode::Scan, "FF 54"},
    {"[a]", Mode::Scan, "FF 1E"},
    {"[A]", Mode::Scan, "FF 1E"},
    {"[{]", Mode::Scan, "FF 1A"},
    {"[\"][~][!]", Mode::Scan, "FF 28 29 02"},
    {"[Shift][a][Delay10][Separator][A]", Mode::Scan, "FF 2A 1E FD 0A FE 1E"},
    {"[0F0][A]", Mode::Scan, "FF F0 1E"},
    {"[0E0][0F0]", Mode::Scan, "FF E0 F0"},
    {"[0E0][0F0][Ctrl]", Mode::Scan, "FF E0 F0 1D"},
    {"[A][0E0][0F0][A]", Mode::Scan, "FF 1E E0 F0 1E"},
    {"[0F0]", Mode::Scan, "FF F0"},
    // A prefix followed by bytes that read back as a named key survives.
    {"[0E0][Enter]", Mode::Scan, "FF E0 1C"},
    {"[0E0][Shift][0E0][PAD*]", Mode::Scan, "FF E0 2A E0 37"},
    {"[0E0][Shift][Ctrl+PrintScreen]", Mode::Scan, "FF E0 2A E0 37"},
    {"[Delay007][A]", Mode::Scan, "FF FD 07 1E"},
    // Both checks: encoded as ASCII records, without a lead byte
    {"", Mode::Both, ""},
    {"[Separator]", Mode::Both, "FE"},
    {"[Separator][Separator][Separator]", Mode::Both, "FE FE FE"},
    {"[Delay7]", Mode::Both, "FD 07"},
    {"[Delay07]", Mode::Both, "FD 07"},
    {"[Delay007]", Mode::Both, "FD 07"},
    {"[Delay250]", Mode::Both, "FD FA"},
    {"[Delay1][Separator][Delay099]", Mode::Both, "FD 01 FE FD 63"},
};

TEST(KeyContent, ValidTextsEncodeAsExpected) {
    for (const Case& c : kCases) {
        const bool ascii = c.mode == Mode::Ascii || c.mode == Mode::Both;
        const bool scan = c.mode == Mode::Scan || c.mode == Mode::Both;
        EXPECT_EQ(IsAsciiContent(c.text), ascii) << c.text;
        EXPECT_EQ(IsScanCodeContent(c.text), scan) << c.text;
        EXPECT_TRUE(IsValidContent(c.text)) << c.text;
        const std::string record = EncodeKeyContent(c.text);
        EXPECT_EQ(ToHex(record), ToHex(FromHex(c.record))) << c.text;
        EXPECT_EQ(GetEncodedSize(c.text), static_cast<int>(record.size())) << c.text;
    }
}

TEST(KeyContent, InvalidTexts) {
    const std::string invalid[] = {
        // Mixing the modes
        "[F1]a",
        "a[F1]",
        "[F1][CR]",
        "[CR][A]",
        "[A][Caps]",
        "[Caps][A]",
        "[A][[",
        "[A]]]",
        // Out-of-range or malformed delays
        "[Delay0]",
        "[Delay000]",
        "[Delay251]",
        "[Delay1234]",
        "[Delay]",
        "[Delay1x]",
        "[Delay-1]",
        "[Delay 5]",
        // Shift level only as the whole text
        "x[ShiftLevel3]",
        "[ShiftLevel3]x",
        "[ShiftLevel0]",
        "[ShiftLevel10]",
        "[ShiftLevel]",
        "[ShiftLevel3][ShiftLevel3]",
        "[A][ShiftLevel1]",
        "[ShiftLevel1][A]",
        "[shiftlevel1]",
        // Brackets
        "ab]",
        "ab[",
        "[",
        "]",
        "[]",
        "]]]",
        "[[]",
        "[]]",
        "[CR]]",
        "[CR",
        "[[CR]",
        "[ab[[CR]",
        // Unknown or mistyped keywords
        "[f1]",
        "[Esc]",
        "[LF]",
        "[TB]",
        "[Unknown]",
        "[Separator ]",
        // Raw bytes that would not read back: 0x00 ends the record, 0xFD swallows the next
        // byte (or the terminator), 0xFF turns the record into a scan-code record.
        Text(std::string_view("a\0b", 3)),
        Text(std::string_view("\0", 1)),
        "a\xFD",
        "\xFD",
        "\xFD\x07",
        "\xFD\xFC",
        "\xFF",
        "\xFF\x1E",
        "a\xFF",
        "[Separator]\xFF",
        // A prefix whose following bytes are missing, or a pair without a name
        "[0E0]",
        "[A][0E0]",
        "[0E0][Shift]",
        "[0E0][Shift][A]",
        "[0E0][Shift][0E0]",
        "[0E0][Shift][0E0][A]",
        "[0E0][Shift][PrintScreen]",
        "[0E0][F1]",
        "[0E0][0E0]",
        "[0E0][PrintScreen]",
        "[0E0][PauseBreak]",
        "[0E0][Separator]",
        "[0E0][Delay5]",
        "[0E0][Mute]",
    };
    for (const std::string& text : invalid) {
        EXPECT_FALSE(IsAsciiContent(text)) << ToHex(text);
        EXPECT_FALSE(IsScanCodeContent(text)) << ToHex(text);
        EXPECT_FALSE(IsValidContent(text)) << ToHex(text);
    }
}

// Texts longer than any key area are encoded whole too, with nothing read past their end. The
// encoder reads eight bytes at a time, so the lengths leave different remainders of eight.
TEST(KeyContent, LongTextsEncodeWhole) {
    for (const std::size_t length : {1960u, 1967u, 1968u, 1969u, 1976u, 4099u}) {
        const std::string plain(length - 4, 'x');
        EXPECT_EQ(EncodeKeyContent(plain + "[CR]"), plain + '\r') << length;
        EXPECT_EQ(EncodeKeyContent(plain + "y]]z"), plain + "y]z") << length;
        EXPECT_EQ(EncodeKeyContent(plain + "[F1"), "") << length;

        std::string keys;
        std::string codes = "\xFF";
        while (keys.size() + 4 <= length) {
            keys += "[F1]";
            codes += '\x3B';
        }
        EXPECT_EQ(EncodeKeyContent(keys), codes) << length;
        EXPECT_EQ(EncodeKeyContent(keys + "[F"), "") << length;
    }
}

TEST(KeyContent, AliasesOfTheBracketKeysCannotBeWritten) {
    // "[[]" reads as a literal "[" and a stray "]", never as the alias of "[{]".
    EXPECT_FALSE(IsScanCodeContent("[[]"));
    EXPECT_EQ(TranslateKeyword("[[]"), "\x1A");
    EXPECT_EQ(TranslateKeyword("[]]"), "\x1B");
}

TEST(KeyContent, InvalidTextsStillEncodeSafely) {
    const std::pair<std::string, const char*> cases[] = {
        {"[ab", ""},                           // an unfinished keyword empties the record
        {"abc[F1", ""},                        //
        {"[F1]a", "FF"},                       // a character in scan code mode clears the output
        {"[F1]a[F2]", "FF 3C"},                //
        {"[A][Unknown][B]", "1E"},             // the output up to an untranslatable keyword
        {"ab[Unknown]cd", "61 62"},            //
        {"ab]cd", "61 62"},                    // a stray "]" likewise
        {"x[ShiftLevel3]y", "78 FF FF FF FF"}, // the selector ends the record
        {"[Delay0]", ""},                      // never a 0x00 inside a record
        {"a[Delay256]", "61"},                 //
        {Text(std::string_view("a\0b", 3)), "61 62"},
    };
    for (const auto& [text, record] : cases) {
        const std::string encoded = EncodeKeyContent(text);
        EXPECT_EQ(ToHex(encoded), ToHex(FromHex(record))) << text;
        EXPECT_EQ(encoded.find('\0'), std::string::npos) << text;
    }
}

TEST(KeyContent, KeywordFollowedByLiteralBracketReadsBackTheSame) {
    for (const char* text : {"[CR]]]", "[Separator]]]", "[Caps]]]", "[Delay9]]]]]"}) {
        const std::string record = EncodeKeyContent(text);
        std::string stored = record + '\0';
        std::string decoded;
        DecodeRecordInto({reinterpret_cast<const std::uint8_t*>(stored.data()), stored.size()}, 0,
                         decoded);
        EXPECT_EQ(decoded, text);
        EXPECT_EQ(EncodeKeyContent(decoded), record) << text;
    }
}

TEST(EncodeKeyContentInto, CutsBetweenCodes) {
    struct Cut {
        std::string text;
        std::size_t capacity;
        const char* record;
        bool complete;
    };
    const Cut cuts[] = {
        {"abc", 3, "61 62 63", true},
        {"abc", 2, "61 62", false},
        {"ab[Caps]", 3, "61 62", false},
        {"ab[Delay5]c", 4, "61 62 FD 05", false},
        {"a[Delay5]", 2, "61", false},
        // The lead byte counts: [A][PrintScreen] needs 6 bytes.
        {"[A][PrintScreen]", 6, "FF 1E E0 2A E0 37", true},
        {"[A][PrintScreen]", 5, "FF 1E", false},
        {"[A][B]", 2, "FF 1E", false},
        {"[A][B]", 3, "FF 1E 30", true},
        // Nothing but the lead byte would read back as an empty key.
        {"[PrintScreen]", 4, "", false},
        {"[A]", 1, "", false},
        // Keywords that make one code together are kept together.
        {"[A][0E0][0F0]", 3, "FF 1E", false},
        {"[0E0][0F0][A]", 3, "FF E0 F0", false},
        {"[0E0][Shift][0E0][PAD*]", 5, "FF E0 2A E0 37", true},
        {"[0E0][Shift][0E0][PAD*]", 4, "", false},
        {"[B][0E0][Shift][Ctrl+PrintScreen]", 5, "FF 30", false},
        {"[B][0E0][Shift][Ctrl+PrintScreen]", 6, "FF 30 E0 2A E0 37", true},
        // A shift-level selector is kept whole or not at all.
        {"[ShiftLevel3]", 4, "FF FF FF FF", true},
        {"[ShiftLevel3]", 3, "", false},
        {"", 0, "", true},
        {"a", 0, "", false},
    };
    for (const Cut& c : cuts) {
        std::string buffer(c.capacity, '\x77');
        const RecordFit fit = EncodeKeyContentInto(
            c.text, {reinterpret_cast<std::uint8_t*>(buffer.data()), buffer.size()});
        EXPECT_EQ(ToHex(buffer.substr(0, fit.size)), ToHex(FromHex(c.record)))
            << c.text << " in " << c.capacity;
        EXPECT_EQ(fit.complete, c.complete) << c.text << " in " << c.capacity;
    }
}

} // namespace
} // namespace zelt
