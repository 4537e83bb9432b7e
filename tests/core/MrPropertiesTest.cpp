#include "MrProperties.h"

#include "ModelCode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace zelt {
namespace {

std::vector<std::uint8_t> Bytes(const TemplateImage& image, std::size_t offset, std::size_t n) {
    return {image.begin() + static_cast<std::ptrdiff_t>(offset),
            image.begin() + static_cast<std::ptrdiff_t>(offset + n)};
}

TEST(MrPropertiesRead, NewMrModelImage) {
    const MrProperties p = ReadMrProperties(MakeNewImage(kModelRM0480));
    for (const MrField field : kAllMrFields) {
        EXPECT_EQ(p.Text(field), "");
    }
    for (const MrTrackProperties& t : p.tracks) {
        EXPECT_TRUE(t.data);
        EXPECT_TRUE(t.startSentinel);
        EXPECT_TRUE(t.endSentinel);
        EXPECT_TRUE(t.separator);
        EXPECT_FALSE(t.lrcOutput);
    }
    EXPECT_EQ(p.errorMode, kMrErrorModeSkipTrack);
    EXPECT_TRUE(p.beepGoodRead);
    EXPECT_TRUE(p.beepsError);
}

TEST(MrPropertiesRead, StringsInTextForm) {
    TemplateImage image = MakeNewImage(kModelRM0480);
    image[1968] = 0x0D;
    image[2017] = 0x0A;
    image[2024] = '[';
    image[2025] = 'A';
    image[2028] = 'x';
    image[2029] = 0xFF;
    image[2030] = 'y'; // after the end of the string
    const MrProperties p = ReadMrProperties(image);
    EXPECT_EQ(p.tracks[0].prefix, "[CR]");
    EXPECT_EQ(p.tracks[1].terminator, "[LF]");
    EXPECT_EQ(p.cardPrefix, "[[A");
    EXPECT_EQ(p.cardSuffix, "x");
}

TEST(MrPropertiesRead, ErrorModeAndBeeps) {
    TemplateImage image = MakeNewImage(kModelRM0480);
    image[offsets::kOptionA] = 0xFD; // bit 1 clear
    image[offsets::kOptionB] = 0x40;
    const MrProperties p = ReadMrProperties(image);
    EXPECT_EQ(p.errorMode, kMrErrorModeNoOutput);
    EXPECT_TRUE(p.beepGoodRead);
    EXPECT_FALSE(p.beepsError);
}

TEST(MrPropertiesWrite, PrefixWithControlKeyword) {
    TemplateImage image = MakeNewImage(kModelRM0480);
    MrProperties p = ReadMrProperties(image);
    p.tracks[0].prefix = "[CR]AB";
    const MrWriteResult result = WriteMrProperties(image, p);
    EXPECT_FALSE(result.invalidField.has_value());
    EXPECT_TRUE(result.changed);
    EXPECT_EQ(Bytes(image, 1968, 8),
              (std::vector<std::uint8_t>{0x0D, 0x41, 0x42, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(MrPropertiesWrite, LiteralBracketInCardPrefixReadsBack) {
    TemplateImage image = MakeNewImage(kModelRM0480);
    MrProperties p = ReadMrProperties(image);
    p.cardPrefix = "[[";
    EXPECT_TRUE(WriteMrProperties(image, p).changed);
    EXPECT_EQ(Bytes(image, 2024, 4), (std::vector<std::uint8_t>{0x5B, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(ReadMrProperties(image).cardPrefix, "[[");
}

TEST(MrPropertiesWrite, KeywordFitsOneByteTerminator) {
    TemplateImage image = MakeNewImage(kModelRM0480);
    MrProperties p = ReadMrProperties(image);
    p.tracks[0].terminator = "[CR]";
    p.tracks[1].terminator = "[TB]";
    p.tracks[2].terminator = "=";
    ASSERT_FALSE(WriteMrProperties(image, p).invalidField.has_value());
    EXPECT_EQ(Bytes(image, 2016, 3), (std::vector<std::uint8_t>{0x0D, 0x09, '='}));
    // Reopening and confirming unchanged is accepted and changes nothing.
    EXPECT_FALSE(WriteMrProperties(image, ReadMrProperties(image)).changed);
}

TEST(MrPropertiesWrite, Track2SuffixTexts) {
    TemplateImage image = MakeNewImage(kModelRM0480);
    MrProperties p = ReadMrProperties(image);
    p.tracks[1].suffix = "[LF][LF]";
    EXPECT_FALSE(WriteMrProperties(image, p).invalidField.has_value());
    EXPECT_EQ(Bytes(image, 1992, 3), (std::vector<std::uint8_t>{0x0A, 0x0A, 0xFF}));

    const TemplateImage before = image;
    p.tracks[1].suffix = "[XY]";
    const MrWriteResult result = WriteMrProperties(image, p);
    EXPECT_EQ(result.invalidField, MrField::Track2Suffix);
    EXPECT_FALSE(result.changed);
    EXPECT_EQ(image, before);
}

TEST(MrPropertiesWrite, FirstInvalidFieldInWriteOrderAndNothingWritten) {
    TemplateImage image = MakeNewImage(kModelRM0480);
    const TemplateImage before = image;
    MrProperties p = ReadMrProperties(image);
    p.tracks[0].data = false;     // a valid change that must not be written either
    p.cardSuffix = "TOOLONG";     // 7 bytes in a 4-byte field
    p.tracks[2].terminator = "["; // malformed
    EXPECT_EQ(FirstInvalidMrField(p), MrField::Track3Terminator);
    EXPECT_EQ(WriteMrProperties(image, p).invalidField, MrField::Track3Terminator);
    EXPECT_EQ(image, before);
    p.tracks[2].terminator = "";
    EXPECT_EQ(WriteMrProperties(image, p).invalidField, MrField::CardSuffix);
    EXPECT_EQ(image, before);
}

TEST(MrPropertiesWrite, LrcInvertedAndUnusedFlagBitsKept) {
    for (int flags = 0; flags < 256; ++flags) {
        TemplateImage image = MakeNewImage(kModelRM0480);
        image[2021] = static_cast<std::uint8_t>(flags);
        MrProperties p = ReadMrProperties(image);
        EXPECT_EQ(p.tracks[2].lrcOutput, (flags & 0x80) == 0);
        p.tracks[2].lrcOutput = false;
        WriteMrProperties(image, p);
        EXPECT_EQ(image[2021], flags | 0x80) << flags;
        p.tracks[2].lrcOutput = true;
        p.tracks[2].data = p.tracks[2].startSentinel = false;
        p.tracks[2].endSentinel = p.tracks[2].separator = true;
        WriteMrProperties(image, p);
        EXPECT_EQ(image[2021], (flags & 0x70) | 0x0C) << flags;
    }
}

TEST(MrPropertiesWrite, EachFlagOwnsItsBit) {
    struct Case {
        bool MrTrackProperties::*value;
        std::uint8_t mask;
    };
    const std::vector<Case> cases = {{&MrTrackProperties::data, 0x01},
                                     {&MrTrackProperties::startSentinel, 0x02},
                                     {&MrTrackProperties::endSentinel, 0x04},
                                     {&MrTrackProperties::separator, 0x08},
                                     {&MrTrackProperties::lrcOutput, 0x80}};
    for (int t = 0; t < kMrTrackCount; ++t) {
        for (const Case& c : cases) {
            const TemplateImage before = MakeNewImage(kModelRM0480);
            TemplateImage image = before;
            MrProperties p = ReadMrProperties(image);
            auto& value = p.tracks[static_cast<std::size_t>(t)].*c.value;
            value = !value;
            EXPECT_TRUE(WriteMrProperties(image, p).changed);
            for (std::size_t i = 0; i < kImageSize; ++i) {
                const std::uint8_t expected = i == offsets::kTrackFlags[t]
                                                  ? static_cast<std::uint8_t>(before[i] ^ c.mask)
                                                  : before[i];
                ASSERT_EQ(image[i], expected) << "track " << t << " offset " << i;
            }
        }
    }
}

// Read and write-back of every value of option bytes A and B leaves them as they were; only
// bit 1 of A and bits 6 and 7 of B change when the error mode and beeps do.
TEST(MrPropertiesWrite, OptionBytesRoundTripAndOwnedBits) {
    for (int a = 0; a < 256; ++a) {
        for (int b = 0; b < 256; b += 7) {
            TemplateImage image = MakeNewImage(kModelRM0480);
            image[offsets::kOptionA] = static_cast<std::uint8_t>(a);
            image[offsets::kOptionB] = static_cast<std::uint8_t>(b);
            const TemplateImage before = image;
            MrProperties p = ReadMrProperties(image);
            ASSERT_FALSE(WriteMrProperties(image, p).changed);
            ASSERT_EQ(image, before);
            p.errorMode = 1 - p.errorMode;
            p.beepGoodRead = !p.beepGoodRead;
            p.beepsError = !p.beepsError;
            ASSERT_TRUE(WriteMrProperties(image, p).changed);
            ASSERT_EQ(image[offsets::kOptionA], a ^ 0x02);
            ASSERT_EQ(image[offsets::kOptionB], b ^ 0xC0);
        }
    }
}

// Whatever is written, nothing outside the MR fields and the three MR option bits changes.
TEST(MrPropertiesWrite, NothingOutsideTheMrSettingsChanges) {
    std::mt19937 random(7);
    const std::vector<std::string> texts = {"", "[CR]", "A", "[[", "[LF][TB]", "%?", "12345678"};
    for (int n = 0; n < 300; ++n) {
        TemplateImage image;
        std::generate(image.begin(), image.end(),
                      [&] { return static_cast<std::uint8_t>(random()); });
        const TemplateImage before = image;
        MrProperties p;
        for (const MrField field : kAllMrFields) {
            do {
                p.Text(field) = texts[random() % texts.size()];
            } while (!IsValidMrFieldText(field, p.Text(field)));
        }
        for (MrTrackProperties& t : p.tracks) {
            t.data = random() % 2;
            t.lrcOutput = random() % 2;
        }
        p.errorMode = static_cast<int>(random() % 2);
        ASSERT_FALSE(WriteMrProperties(image, p).invalidField.has_value());
        for (std::size_t i = 0; i < kImageSize; ++i) {
            std::uint8_t unchangedMask = 0xFF;
            if (i >= kMrFieldsBegin && i < kMrFieldsEnd && i != offsets::kOptionC &&
                i != offsets::kReserved) {
                unchangedMask = 0x00;
                if (i >= offsets::kTrackFlags[0] && i <= offsets::kTrackFlags[2]) {
                    unchangedMask = 0x70;
                }
            } else if (i == offsets::kOptionA) {
                unchangedMask = 0xFD;
            } else if (i == offsets::kOptionB) {
                unchangedMask = 0x3F;
            }
            ASSERT_EQ(image[i] & unchangedMask, before[i] & unchangedMask) << i;
        }
        EXPECT_EQ(ReadMrProperties(image), p);
    }
}

TEST(MrProperties, TextAccessorCoversEveryField) {
    MrProperties p;
    for (const MrField field : kAllMrFields) {
        p.Text(field) = std::to_string(static_cast<int>(field));
    }
    EXPECT_EQ(p.tracks[0].prefix, "0");
    EXPECT_EQ(p.tracks[0].terminator, "2");
    EXPECT_EQ(p.tracks[1].suffix, "4");
    EXPECT_EQ(p.tracks[2].terminator, "8");
    EXPECT_EQ(p.cardPrefix, "9");
    EXPECT_EQ(p.cardSuffix, "10");
}

} // namespace
} // namespace zelt
