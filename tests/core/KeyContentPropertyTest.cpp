#include "ContentGenerator.h"
#include "HexBytes.h"
#include "KeyArea.h"
#include "KeyContent.h"
#include "KeyContentDecoder.h"
#include "ModelCode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace zelt {
namespace {

using testing::ContentGenerator;
using testing::ToHex;

// The record as the template stores it, followed by bytes that are not a record, read back
// by the decoder. next tells whether the decoder stopped at the record's own terminator.
DecodedRecord ReadBack(const std::string& record) {
    std::string stored = record;
    stored += std::string_view("\0\x1E\x1E\x1E\0", 5);
    DecodedRecord decoded;
    decoded.next = DecodeRecordInto(
        {reinterpret_cast<const std::uint8_t*>(stored.data()), stored.size()}, 0, decoded.text);
    return decoded;
}

TEST(KeyContentProperties, ValidTextsSurviveEncodeDecodeEncode) {
    ContentGenerator generator(20240601);
    std::map<ContentGenerator::Kind, int> valid;
    std::map<ContentGenerator::Kind, int> total;
    for (int i = 0; i < 40000; ++i) {
        const auto kind = generator.AnyKind();
        const std::string text = generator.Content(kind);
        ++total[kind];
        const std::string record = EncodeKeyContent(text);
        // Whatever the text, a record never holds a terminator and never outgrows its text.
        ASSERT_EQ(record.find('\0'), std::string::npos) << ToHex(text);
        ASSERT_LE(record.size(), text.size() + 1) << ToHex(text);
        if (!IsValidContent(text)) {
            continue;
        }
        ++valid[kind];
        ASSERT_EQ(GetEncodedSize(text), static_cast<int>(record.size())) << text;
        const DecodedRecord decoded = ReadBack(record);
        ASSERT_EQ(decoded.next, record.size() + 1) << text;
        ASSERT_EQ(ToHex(EncodeKeyContent(decoded.text)), ToHex(record)) << text;
        // A template that was loaded can be saved again without touching its keys.
        ASSERT_TRUE(IsValidContent(decoded.text)) << text << " -> " << decoded.text;
        // The decoder's text is its own fixed point.
        ASSERT_EQ(ReadBack(EncodeKeyContent(decoded.text)).text, decoded.text) << text;
        // Exactly one record kind: a scan-code record comes from the scan code check only.
        if (!record.empty() && static_cast<std::uint8_t>(record[0]) == 0xFF &&
            record.find_first_not_of('\xFF') != std::string::npos) {
            ASSERT_TRUE(IsScanCodeContent(text)) << text;
        }
    }
    // The generator must give every kind a fair share of valid texts, or the test proves little.
    for (const auto& [kind, count] : total) {
        EXPECT_GT(valid[kind], count / 10) << static_cast<int>(kind);
    }
}

TEST(KeyContentProperties, EveryCutOfAValidTextReadsBack) {
    // However little room a record gets, what the builder writes of it reads back as itself.
    ContentGenerator generator(4242);
    int checked = 0;
    while (checked < 3000) {
        const auto kind =
            generator.OneIn(2) ? ContentGenerator::Kind::ScanCode : generator.AnyKind();
        const std::string text = generator.Content(kind);
        if (!IsValidContent(text)) {
            continue;
        }
        ++checked;
        const std::string full = EncodeKeyContent(text);
        for (std::size_t room = 0; room <= full.size(); ++room) {
            std::string buffer(room, '\x77');
            const RecordFit fit = EncodeKeyContentInto(
                text, {reinterpret_cast<std::uint8_t*>(buffer.data()), buffer.size()});
            ASSERT_LE(fit.size, room);
            ASSERT_EQ(fit.complete, room == full.size()) << text << " in " << room;
            const std::string cut = buffer.substr(0, fit.size);
            if (fit.complete) {
                ASSERT_EQ(cut, full) << text;
            }
            if (cut.empty()) {
                continue;
            }
            const DecodedRecord decoded = ReadBack(cut);
            ASSERT_EQ(decoded.next, cut.size() + 1) << text << " in " << room;
            ASSERT_EQ(ToHex(EncodeKeyContent(decoded.text)), ToHex(cut)) << text << " in " << room;
        }
    }
}

TEST(KeyContentProperties, EveryByteAsAPlainCharacter) {
    for (int b = 0; b <= 0xFF; ++b) {
        const std::string text = "a" + std::string(1, static_cast<char>(b)) + "b";
        const bool expected = b != 0x00 && b != 0xFD && b != 0xFF && b != '[' && b != ']';
        EXPECT_EQ(IsAsciiContent(text), expected) << b;
        if (expected) {
            EXPECT_EQ(ReadBack(EncodeKeyContent(text)).next, 4u) << b;
        }
    }
}

TEST(KeyContentProperties, EveryPrefixPairThatReadsBackIsAccepted) {
    // "[0E0]" followed by each one-byte keyword: valid exactly when the decoder names the pair
    // (or it is the break prefix pair) and nothing is swallowed.
    for (const ScanCodeKeyword& k : ScanCodeKeywords()) {
        if (k.name == "[[]" || k.name == "[]]") {
            continue; // cannot be written in a text
        }
        const std::string text = "[0E0]" + std::string(k.name);
        const std::string record = EncodeKeyContent(text);
        const DecodedRecord decoded = ReadBack(record);
        const bool survives =
            decoded.next == record.size() + 1 && EncodeKeyContent(decoded.text) == record;
        EXPECT_EQ(IsScanCodeContent(text), survives) << text;
        if (k.size == 1 && k.group != KeywordGroup::Prefix) {
            EXPECT_EQ(survives, !ExtendedKeywordView(k.bytes[0]).empty()) << text;
        }
    }
}

TemplateData RandomTemplate(ContentGenerator& generator, int model, int longContents) {
    TemplateData data;
    data.modelCode = model;
    data.image = MakeNewImage(model);
    // Old bytes behind the key area's end must stay as they are.
    for (std::size_t i = 0; i < kKeyAreaSize; ++i) {
        data.image[i] = static_cast<std::uint8_t>(generator.Next());
    }
    for (std::string& content : data.keyContents) {
        if (generator.OneIn(3)) {
            continue;
        }
        std::string text;
        do {
            text = generator.Content(generator.AnyKind());
            for (int i = 0; i < longContents; ++i) {
                text += generator.Content(ContentGenerator::Kind::Ascii);
            }
        } while (!IsValidContent(text));
        content = text;
    }
    return data;
}

TEST(KeyContentProperties, DecodingABuiltTemplateAndBuildingAgainReproducesIt) {
    ContentGenerator generator(77);
    int overflowing = 0;
    for (int round = 0; round < 300; ++round) {
        const int model = kModelRM0480 + round % 6;
        TemplateData data = RandomTemplate(generator, model, round % 4);
        TemplateData spaceCheck = data;
        const bool fits = GetSpaceLeft(spaceCheck) >= 0;
        overflowing += fits ? 0 : 1;
        BuildKeyArea(data);
        ASSERT_FALSE(ValidateImage(data.image).has_value()) << round;

        TemplateData decoded = data;
        DecodeImage(decoded);
        if (fits) {
            for (std::size_t k = 0; k < kKeyCount; ++k) {
                ASSERT_EQ(ToHex(EncodeKeyContent(decoded.keyContents[k])),
                          ToHex(EncodeKeyContent(data.keyContents[k])))
                    << "round " << round << " key " << k + 1;
            }
        }
        TemplateData rebuilt = decoded;
        BuildKeyArea(rebuilt);
        for (std::size_t i = 0; i < kImageSize; ++i) {
            ASSERT_EQ(data.image[i], rebuilt.image[i]) << "round " << round << " offset " << i;
        }
    }
    // Both the fitting and the overflowing case must have been exercised.
    EXPECT_GT(overflowing, 20);
    EXPECT_LT(overflowing, 280);
}

// The records last in record order end the key area's contents; whatever they hold, the old
// bytes behind their terminators must stay as they were. The encoder writes some codes
// together with the byte after them, which only the next code or the terminator may cover.
TEST(KeyContentProperties, BuildingLeavesTheBytesBehindTheLastRecordAlone) {
    ContentGenerator generator(4242);
    for (int round = 0; round < 2000; ++round) {
        TemplateData data;
        data.modelCode = kModelRM0410;
        data.image = MakeNewImage(data.modelCode);
        std::fill(data.image.begin(), data.image.begin() + kKeyAreaSize, 0x77);
        const int filled = 1 + round % 3;
        for (int r = kKeyCount - filled; r < kKeyCount; ++r) {
            std::string text;
            do {
                text = generator.Content(generator.AnyKind());
            } while (!IsValidContent(text));
            data.keyContents[static_cast<std::size_t>(kRecordOrder[r] - 1)] = text;
        }
        BuildKeyArea(data);
        // No record holds a 0x00, so the 176th one ends the last record.
        std::size_t terminators = 0;
        std::size_t end = 0;
        while (terminators < kKeyCount && end < kKeyAreaSize) {
            terminators += data.image[end++] == 0x00 ? 1 : 0;
        }
        ASSERT_EQ(terminators, static_cast<std::size_t>(kKeyCount)) << "round " << round;
        for (std::size_t i = end; i < kKeyAreaSize; ++i) {
            ASSERT_EQ(data.image[i], 0x77) << "round " << round << " offset " << i;
        }
    }
}

} // namespace
} // namespace zelt
