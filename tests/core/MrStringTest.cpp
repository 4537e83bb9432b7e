#include "MrString.h"

#include "MrField.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace zelt {
namespace {

using namespace std::string_literals;

TEST(MrString, ReadStopsAtFirstFfOrFieldEnd) {
    const std::array<std::uint8_t, 8> prefix = {0x0D, 0xFF, 0x41, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(ReadMrString(prefix), "\r");
    const std::array<std::uint8_t, 4> full = {0x00, 0x41, 0x5B, 0xFE};
    EXPECT_EQ(ReadMrString(full), "\0A[\xFE"s);
    const std::array<std::uint8_t, 1> empty = {0xFF};
    EXPECT_EQ(ReadMrString(empty), "");
}

TEST(MrString, TextForms) {
    struct Case {
        std::string bytes;
        std::string text;
    };
    for (const Case& c : std::vector<Case>{{"", ""},
                                           {"\r", "[CR]"},
                                           {"\n", "[LF]"},
                                           {"\t", "[TB]"},
                                           {"[", "[["},
                                           {"]", "]"},
                                           {"\rAB", "[CR]AB"},
                                           {"\n\n", "[LF][LF]"},
                                           {"[CR]", "[[CR]"},
                                           {"%B;?", "%B;?"},
                                           {"\x01\x1B\xFE", "\x01\x1B\xFE"}}) {
        EXPECT_EQ(MrBytesToText(c.bytes), c.text);
        EXPECT_EQ(MrTextToBytes(c.text), c.bytes) << c.text;
    }
}

TEST(MrString, MalformedTexts) {
    for (const std::string text : {"[", "A[", "[C", "[CR", "[XY]", "[cr]", "[Cr]", "[ CR]", "[]",
                                   "AB[LF", "[[[", "\xFF", "A\xFF"}) {
        EXPECT_FALSE(MrTextToBytes(text).has_value()) << text;
    }
}

TEST(MrString, EveryByteSurvivesTextForm) {
    for (int b = 0; b < 0xFF; ++b) {
        const std::string bytes(1, static_cast<char>(b));
        EXPECT_EQ(MrTextToBytes(MrBytesToText(bytes)), bytes) << b;
    }
    // Random strings over the bytes a field can hold, keyword bytes made frequent.
    std::mt19937 random(20240611);
    const std::string frequent = "\r\n\t[]CRLFTB";
    for (int n = 0; n < 2000; ++n) {
        std::string bytes;
        const int length = static_cast<int>(random() % 12);
        for (int i = 0; i < length; ++i) {
            bytes += random() % 2 ? frequent[random() % frequent.size()]
                                  : static_cast<char>(random() % 0xFF);
        }
        ASSERT_EQ(MrTextToBytes(MrBytesToText(bytes)), bytes);
    }
}

TEST(MrString, WriteFillsWithFfAndNeverPassesTheField) {
    std::array<std::uint8_t, 10> buffer{};
    buffer.fill(0x11);
    const std::span<std::uint8_t> field(buffer.data() + 1, 8);
    EXPECT_TRUE(WriteMrString(field, "\rAB"));
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 10>{0x11, 0x0D, 0x41, 0x42, 0xFF, 0xFF, 0xFF, 0xFF,
                                                    0xFF, 0x11}));
    EXPECT_FALSE(WriteMrString(field, "\rAB"));
    EXPECT_TRUE(WriteMrString(field, "0123456789"));
    EXPECT_EQ(buffer[8], '7');
    EXPECT_EQ(buffer[9], 0x11);
}

TEST(MrField, SizesOffsetsAndMessages) {
    struct Case {
        MrField field;
        std::size_t offset;
        std::size_t size;
        const char* message;
    };
    const std::vector<Case> cases = {
        {MrField::Track1Prefix, 1968, 8, "Track1 prefix string error!"},
        {MrField::Track1Suffix, 1976, 8, "Track1 suffix string error!"},
        {MrField::Track1Terminator, 2016, 1, "Track1 field terminator error!"},
        {MrField::Track2Prefix, 1984, 8, "Track2 prefix string error!"},
        {MrField::Track2Suffix, 1992, 8, "Track2 suffix string error!"},
        {MrField::Track2Terminator, 2017, 1, "Track2 field terminator error!"},
        {MrField::Track3Prefix, 2000, 8, "Track3 prefix string error!"},
        {MrField::Track3Suffix, 2008, 8, "Track3 suffix string error!"},
        {MrField::Track3Terminator, 2018, 1, "Track3 field terminator error!"},
        {MrField::CardPrefix, 2024, 4, "Card data prefix string error!"},
        {MrField::CardSuffix, 2028, 4, "Card data suffix string error!"},
    };
    ASSERT_EQ(cases.size(), kAllMrFields.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        EXPECT_EQ(kAllMrFields[i], c.field);
        EXPECT_EQ(MrFieldOffset(c.field), c.offset);
        EXPECT_EQ(MrFieldSize(c.field), c.size);
        EXPECT_EQ(MrFieldMessage(c.field), c.message);
        EXPECT_EQ(MrFieldMaxTextLength(c.field), 4 * c.size);
    }
    for (int t = 0; t < kMrTrackCount; ++t) {
        EXPECT_EQ(TrackPrefixField(t), kAllMrFields[static_cast<std::size_t>(3 * t)]);
        EXPECT_EQ(TrackSuffixField(t), kAllMrFields[static_cast<std::size_t>(3 * t + 1)]);
        EXPECT_EQ(TrackTerminatorField(t), kAllMrFields[static_cast<std::size_t>(3 * t + 2)]);
    }
}

TEST(MrField, CheckCountsBytesNotCharacters) {
    struct Case {
        MrField field;
        std::string text;
        bool valid;
    };
    for (const Case& c : std::vector<Case>{
             {MrField::Track1Terminator, "", true},
             {MrField::Track1Terminator, "[CR]", true},
             {MrField::Track1Terminator, "[[", true},
             {MrField::Track1Terminator, ",", true},
             {MrField::Track1Terminator, "AB", false},
             {MrField::Track1Terminator, "[CR][LF]", false},
             {MrField::Track2Suffix, "[LF][LF]", true},
             {MrField::Track2Suffix, "[XY]", false},
             {MrField::Track2Suffix, "[CR][CR][CR][CR][CR][CR][CR][CR]", true},
             {MrField::Track2Suffix, "12345678", true},
             {MrField::Track2Suffix, "123456789", false},
             {MrField::Track3Prefix, "[TB]", true},
             {MrField::Track3Prefix, "[", false},
             {MrField::CardPrefix, "[[[[[[[[", true},
             {MrField::CardPrefix, "[[[[[[[[[[", false},
             {MrField::CardSuffix, "ABC]", true},
             {MrField::CardSuffix, "AB\xFF", false},
         }) {
        EXPECT_EQ(IsValidMrFieldText(c.field, c.text), c.valid) << c.text;
        const auto message = CheckMrFieldText(c.field, c.text);
        if (c.valid) {
            EXPECT_FALSE(message.has_value()) << c.text;
        } else {
            EXPECT_EQ(message, MrFieldMessage(c.field)) << c.text;
        }
    }
}

} // namespace
} // namespace zelt
