// The fast encoder must say exactly what the general walk says, or give up; and it must not
// give up on the contents a template usually holds, or its speed is lost without a sign.

#include "FastRecordEncoder.h"

#include "EdgeCaseGenerator.h"
#include "KeyContent.h"
#include "KeyContentEncoder.h"
#include "KeyRecordWriters.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {
namespace {

using encoding::DirectRecord;
using encoding::FastRecordEncoder;
using testing::EdgeCaseGenerator;

std::string Bytes(FastRecordEncoder::Record record) {
    return {reinterpret_cast<const char*>(record.data), record.size};
}

// The general walk's record, and every byte it wrote into a room filled with a pattern.
struct GeneralResult {
    std::string record;
    std::vector<std::uint8_t> room;
};

GeneralResult GeneralWalk(std::string_view text) {
    GeneralResult result;
    result.room.assign(text.size() + 1, 0xA5);
    const RecordFit fit = encoding::EncodeInto(text, DirectRecord(result.room.data()));
    result.record.assign(reinterpret_cast<const char*>(result.room.data()), fit.size);
    return result;
}

TEST(FastRecordEncoder, AgreesWithTheGeneralWalkOnGeneratedTexts) {
    EdgeCaseGenerator generator(21);
    FastRecordEncoder encoder;
    int encoded = 0;
    for (int i = 0; i < 20000; ++i) {
        const std::string text = generator.Text();
        const GeneralResult general = GeneralWalk(text);
        if (const auto record = encoder.Encode(text)) {
            ++encoded;
            ASSERT_EQ(Bytes(record), general.record) << text;
            // The fast record is copied out whole, so the general walk must not have left
            // anything behind it that the copy would miss.
            for (std::size_t b = general.record.size(); b < general.room.size(); ++b) {
                ASSERT_EQ(general.room[b], 0xA5) << text;
            }
        }
        if (const auto size = encoder.EncodedSize(text)) {
            ASSERT_EQ(*size, GetEncodedSize(text)) << text;
            if (IsValidContent(text)) {
                ASSERT_EQ(*size, static_cast<int>(general.record.size())) << text;
            }
        }
    }
    // Most generated texts are of the usual kinds.
    EXPECT_GT(encoded, 10000);
}

TEST(FastRecordEncoder, TakesTheUsualContentsItself) {
    struct Case {
        std::string_view text;
        std::string_view record;
    };
    const Case cases[] = {
        {"", ""},
        {"1", "1"},
        {"Cash[CR]", "Cash\x0D"},
        {"PLU[Delay5]0815[CR]", "PLU\xFD\x05"
                                "0815\x0D"},
        {"[Delay005]", "\xFD\x05"},
        {"[Delay250][Delay1]", "\xFD\xFA\xFD\x01"},
        {"[Ctrl][Shift][A]", "\xFF\x1D\x2A\x1E"},
        {"[PrintScreen]", "\xFF\xE0\x2A\xE0\x37"},
        {"[PauseBreak]", "\xFF\xE1\x1D\x45"},
        {"[WWWFavorites]", "\xFF\xE0\x66"}, // a name of more than eight bytes
        {"[0E0][0F0][Ctrl]", "\xFF\xE0\xF0\x1D"},
        {"Qty x [[kg]][CR]", "Qty x \x5Bkg\x5D\x0D"},
        {"Card[Caps][CR]", "Card\xFD\xFC\x0D"},
        {"Total[Separator]TOTAL", "Total\xFETOTAL"},
        {"a rather long line of text with no keyword in it at all, to be copied in pieces",
         "a rather long line of text with no keyword in it at all, to be copied in pieces"},
    };
    FastRecordEncoder encoder;
    for (const Case& c : cases) {
        const auto record = encoder.Encode(c.text);
        ASSERT_TRUE(record) << c.text;
        EXPECT_EQ(Bytes(record), c.record) << c.text;
        const auto size = encoder.EncodedSize(c.text);
        ASSERT_TRUE(size.has_value()) << c.text;
        EXPECT_EQ(*size, static_cast<int>(c.record.size())) << c.text;
    }
}

TEST(FastRecordEncoder, GivesUpWhereOnlyTheGeneralWalkCanTell) {
    const std::string_view cases[] = {
        "[Ctrl",                      // a keyword left open
        "[Ct[[rl]",                   // a literal inside a keyword
        "[A]abc",                     // plain characters empty a scan-code record
        std::string_view("[A]\0", 4), // so does a 0x00
    };
    FastRecordEncoder encoder;
    for (std::string_view text : cases) {
        EXPECT_FALSE(encoder.Encode(text)) << text;
    }
    const std::string tooLong(FastRecordEncoder::kLongestText + 1, 'x');
    EXPECT_FALSE(encoder.Encode(tooLong));
    EXPECT_FALSE(encoder.EncodedSize(tooLong).has_value());
    const std::string longest(FastRecordEncoder::kLongestText, 'x');
    EXPECT_EQ(Bytes(encoder.Encode(longest)), longest);
}

// Texts cut anywhere inside a keyword, a literal or a run, encoded after a longer text: what
// the longer one left in the encoder must never be taken for part of the shorter.
TEST(FastRecordEncoder, ReadsNothingPastTheText) {
    const std::string whole = "abc[[x]][Ctrl][WWWFavorites][Delay12]de[CR]";
    FastRecordEncoder encoder;
    // A long text first, so that the copy holds bytes behind every shorter one.
    const std::string filler(200, ']');
    encoder.Encode(filler);
    for (std::size_t size = 0; size <= whole.size(); ++size) {
        const std::string text = whole.substr(0, size);
        const GeneralResult general = GeneralWalk(text);
        if (const auto record = encoder.Encode(text)) {
            EXPECT_EQ(Bytes(record), general.record) << text;
        }
        encoder.Encode(filler);
    }
}

} // namespace
} // namespace zelt
