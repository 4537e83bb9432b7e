#include "KeyArea.h"

#include "HexBytes.h"
#include "KeyContent.h"
#include "KeyContentDecoder.h"
#include "ModelCode.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zelt {
namespace {

using testing::FromHex;
using testing::ToHex;

TemplateData NewData(int model = kModelRM0410) {
    TemplateData data;
    data.modelCode = model;
    data.image = MakeNewImage(model);
    return data;
}

std::string& Key(TemplateData& data, int keyNumber) {
    return data.keyContents[static_cast<std::size_t>(keyNumber - 1)];
}

std::size_t Terminators(const TemplateImage& image) {
    return static_cast<std::size_t>(
        std::count(image.begin(), image.begin() + kKeyAreaSize, std::uint8_t{0}));
}

std::string KeyAreaBytes(const TemplateImage& image, std::size_t from, std::size_t to) {
    return {image.begin() + static_cast<std::ptrdiff_t>(from),
            image.begin() + static_cast<std::ptrdiff_t>(to)};
}

TEST(GetSpaceLeft, EmptyKeysLeave1792) {
    TemplateData data = NewData();
    std::fill(data.blankKeyFlags.begin(), data.blankKeyFlags.end(), 0);
    EXPECT_EQ(GetSpaceLeft(data), 1792);
    for (int flag : data.blankKeyFlags) {
        EXPECT_EQ(flag, 1);
    }
}

TEST(GetSpaceLeft, CountsEncodedSizesAndRefreshesBlankFlags) {
    TemplateData data = NewData();
    std::fill(data.blankKeyFlags.begin(), data.blankKeyFlags.end(), 1);
    std::fill(data.definedKeyFlags.begin(), data.definedKeyFlags.end(), 7);
    Key(data, 1) = "abc[CR]";       // 4
    Key(data, 2) = "[PrintScreen]"; // 5
    Key(data, 3) = "[ShiftLevel3]"; // 4
    Key(data, 176) = "[ab";         // an unfinished keyword takes no room yet
    EXPECT_EQ(GetSpaceLeft(data), 1792 - 13);
    EXPECT_EQ(data.blankKeyFlags[0], 0);
    EXPECT_EQ(data.blankKeyFlags[1], 0);
    EXPECT_EQ(data.blankKeyFlags[2], 0);
    EXPECT_EQ(data.blankKeyFlags[3], 1);
    EXPECT_EQ(data.blankKeyFlags[175], 1);
    // The defined-key flags are not this function's business.
    EXPECT_EQ(data.definedKeyFlags[0], 7);
}

TEST(GetSpaceLeft, GoesNegativeWhenTheContentsDoNotFit) {
    TemplateData data = NewData();
    for (int k = 1; k <= kKeyCount; ++k) {
        Key(data, k) = std::string(20, 'x');
    }
    EXPECT_EQ(GetSpaceLeft(data), 1968 - 176 * 21);
}

TEST(ValidateAllKeys, StopsAtTheFirstInvalidKeyWithOneMessage) {
    TemplateData data = NewData();
    Key(data, 1) = "abc";
    Key(data, 2) = "[F1][F2]";
    RecordingMessageSink sink;
    EXPECT_TRUE(ValidateAllKeys(data, sink));
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(FindFirstInvalidKey(data), std::nullopt);

    Key(data, 5) = "[F1]x";
    Key(data, 9) = "[Delay0]";
    EXPECT_FALSE(ValidateAllKeys(data, sink));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0], "Wrong function word or scan code word!!");
    EXPECT_EQ(FindFirstInvalidKey(data), 5);
}

// Decodes the image and checks that every key reads back as its record was written.
void ExpectDecodesToRecordsOf(const TemplateData& built) {
    TemplateData decoded = built;
    DecodeImage(decoded);
    TemplateData rebuilt = decoded;
    BuildKeyArea(rebuilt);
    EXPECT_EQ(ToHex(KeyAreaBytes(rebuilt.image, 0, kKeyAreaSize)),
              ToHex(KeyAreaBytes(built.image, 0, kKeyAreaSize)));
}

TEST(BuildKeyArea, WritesRecordsInRecordOrder) {
    TemplateData data = NewData();
    Key(data, 121) = "ab";
    Key(data, 122) = "[F1]";
    Key(data, 120) = "[ShiftLevel2]";
    Key(data, 161) = "z";
    BuildKeyArea(data);
    const std::string expected = FromHex("61 62 00 FF 3B 00") + std::string(6, '\0') +
                                 FromHex("FF FF FF 00") + std::string(166, '\0') + "z" +
                                 std::string(1, '\0');
    EXPECT_EQ(ToHex(KeyAreaBytes(data.image, 0, expected.size())), ToHex(expected));
    EXPECT_EQ(Terminators(data.image), kKeyAreaSize - 8);
}

TEST(BuildKeyArea, LeavesBytesAfterTheLastTerminatorAlone) {
    TemplateData data = NewData();
    std::fill(data.image.begin(), data.image.begin() + kKeyAreaSize, 0x77);
    Key(data, 1) = "abc";
    BuildKeyArea(data);
    EXPECT_EQ(Terminators(data.image), 176u);
    EXPECT_EQ(data.image[178], 0x00);
    for (std::size_t i = 179; i < kKeyAreaSize; ++i) {
        ASSERT_EQ(data.image[i], 0x77) << i;
    }
    // Nothing outside the key area and the record index changes.
    const TemplateImage fresh = MakeNewImage(kModelRM0410);
    EXPECT_TRUE(std::equal(fresh.begin() + kKeyAreaSize, fresh.begin() + 2032,
                           data.image.begin() + kKeyAreaSize));
    EXPECT_TRUE(std::equal(fresh.begin() + 2042, fresh.end(), data.image.begin() + 2042));
}

TEST(BuildKeyArea, RecomputesTheRecordIndex) {
    TemplateData data = NewData();
    for (int k = 1; k <= kKeyCount; ++k) {
        Key(data, k) = "a";
    }
    BuildKeyArea(data);
    for (int j = 0; j < 5; ++j) {
        EXPECT_EQ(ReadUint16(data.image, 2032 + 2 * static_cast<std::size_t>(j)), 64 * (j + 1));
    }
    data = NewData();
    BuildKeyArea(data);
    for (int j = 0; j < 5; ++j) {
        EXPECT_EQ(ReadUint16(data.image, 2032 + 2 * static_cast<std::size_t>(j)), 32 * (j + 1));
    }
}

TEST(BuildKeyArea, KeyLockKeyAndKey122AreOneKeyOnTheRM0480) {
    TemplateData data = NewData(kModelRM0480);
    Key(data, 122) = "A";
    BuildKeyArea(data);
    EXPECT_EQ(Key(data, 161), "A");
    EXPECT_EQ(Key(data, 122), "A");
    EXPECT_EQ(data.image[1], 'A'); // record 1 is key 122

    data = NewData(kModelRM0480);
    Key(data, 122) = "A";
    Key(data, 161) = "B";
    BuildKeyArea(data);
    EXPECT_EQ(Key(data, 122), "B");
    EXPECT_EQ(data.image[1], 'B');

    data = NewData(kModelTK0550);
    Key(data, 122) = "A";
    BuildKeyArea(data);
    EXPECT_EQ(Key(data, 161), "");
}

TEST(BuildKeyArea, OverflowNeverTruncatesKey122ThroughTheKeyLockKey) {
    // The KeyLock key is the last record: when the contents overflow it is the first to go.
    // Key 122 (the second record) keeps the content whole, and the next load gives it back to
    // both keys, however often the template is loaded and saved.
    // Records of 13 bytes in four-byte codes leave a little room behind the cut record; the
    // first key's length moves the cut across a code.
    for (std::size_t shift = 1; shift <= 4; ++shift) {
        TemplateData data = NewData(kModelRM0480);
        for (int k = 1; k <= kKeyCount; ++k) {
            Key(data, k) = "[PrintScreen][PrintScreen][PrintScreen]";
        }
        Key(data, 121) = std::string(shift, 'x');
        Key(data, 161) = "[A]";
        for (int cycle = 0; cycle < 3; ++cycle) {
            BuildKeyArea(data);
            const TemplateImage saved = data.image;
            DecodeImage(data);
            EXPECT_EQ(Key(data, 122), "[A]") << shift << " " << cycle;
            EXPECT_EQ(Key(data, 161), "[A]") << shift << " " << cycle;
            TemplateData again = data;
            BuildKeyArea(again);
            EXPECT_TRUE(std::equal(saved.begin(), saved.end(), again.image.begin()))
                << shift << " " << cycle;
        }
    }
}

TEST(BuildKeyArea, KeyLockRecordCopiesACutKey122Whole) {
    // Key 121 leaves key 122 only a few bytes: key 122 is cut, and the KeyLock record then
    // carries the same cut record or nothing, never a different cut of its own.
    for (std::size_t first = 1780; first <= 1790; ++first) {
        TemplateData data = NewData(kModelRM0480);
        Key(data, 121) = std::string(first, 'x');
        Key(data, 122) = "[A][B][PrintScreen][C]";
        BuildKeyArea(data);
        TemplateData decoded = data;
        DecodeImage(decoded);
        EXPECT_EQ(Key(decoded, 122), Key(decoded, 161)) << first;
        EXPECT_EQ(std::string("[A][B][PrintScreen][C]").substr(0, Key(decoded, 122).size()),
                  Key(decoded, 122))
            << first;
        ExpectDecodesToRecordsOf(data);
    }
}

TEST(BuildKeyArea, EmptyContentsGive176Terminators) {
    TemplateData data = NewData();
    std::fill(data.image.begin(), data.image.begin() + kKeyAreaSize, 0x41);
    BuildKeyArea(data);
    EXPECT_EQ(KeyAreaBytes(data.image, 0, 176), std::string(176, '\0'));
    EXPECT_EQ(data.image[176], 0x41);
}

TEST(BuildKeyArea, ContentsThatDoNotFitAreCutAtTheEndOfTheRecordOrder) {
    // 176 keys of 11 bytes need 2112 bytes: the first records are whole, then one is cut and
    // the rest are empty, and the key area still holds exactly 176 records.
    TemplateData data = NewData();
    for (int k = 1; k <= kKeyCount; ++k) {
        Key(data, k) = "0123456789" + std::string(1, static_cast<char>('A' + k % 26));
    }
    ASSERT_LT(GetSpaceLeft(data), 0);
    BuildKeyArea(data);
    EXPECT_EQ(data.image[kKeyAreaSize - 1], 0x00);
    EXPECT_GE(Terminators(data.image), 176u);
    EXPECT_FALSE(ValidateImage(data.image).has_value());

    TemplateData decoded = data;
    DecodeImage(decoded);
    int whole = 0;
    int cut = 0;
    int empty = 0;
    for (int r = 0; r < kKeyCount; ++r) {
        const std::string& original =
            data.keyContents[static_cast<std::size_t>(kRecordOrder[r] - 1)];
        const std::string& read =
            decoded.keyContents[static_cast<std::size_t>(kRecordOrder[r] - 1)];
        if (read == original) {
            EXPECT_EQ(cut + empty, 0) << "record " << r << " follows a cut one";
            ++whole;
        } else if (!read.empty()) {
            EXPECT_EQ(original.substr(0, read.size()), read) << r;
            EXPECT_EQ(empty, 0) << r;
            ++cut;
        } else {
            ++empty;
        }
    }
    // Whole records of 12 bytes, with room kept for the later terminators.
    EXPECT_EQ(whole, (1968 - 176) / 11);
    EXPECT_EQ(whole + cut + empty, 176);
    ExpectDecodesToRecordsOf(data);
}

TEST(BuildKeyArea, OneHugeKeyStillLeavesRoomFor176Records) {
    TemplateData data = NewData();
    Key(data, 121) = std::string(1900, 'x');
    Key(data, 1) = "lost";
    BuildKeyArea(data);
    EXPECT_EQ(Terminators(data.image), 176u);
    EXPECT_FALSE(ValidateImage(data.image).has_value());
    TemplateData decoded = data;
    DecodeImage(decoded);
    EXPECT_EQ(Key(decoded, 121), std::string(1792, 'x'));
    EXPECT_EQ(Key(decoded, 1), "");
    ExpectDecodesToRecordsOf(data);
}

TEST(BuildKeyArea, ACutNeverSplitsACode) {
    // One long ASCII key takes most of the room; seven scan-code keys of 12 bytes each
    // (multi-byte codes and a delay) then cross the limit at every possible offset.
    for (std::size_t filler = 1709; filler <= 1792; ++filler) {
        TemplateData data = NewData();
        std::fill(data.image.begin(), data.image.begin() + kKeyAreaSize, 0x77);
        Key(data, 121) = std::string(filler, 'x');
        for (int r = 1; r < 8; ++r) {
            Key(data, kRecordOrder[r]) = "[A][PrintScreen][Delay9][PrintScreen]";
        }
        BuildKeyArea(data);
        EXPECT_EQ(data.image[kKeyAreaSize - 1], 0x00) << filler;
        EXPECT_FALSE(ValidateImage(data.image).has_value()) << filler;
        TemplateData decoded = data;
        DecodeImage(decoded);
        for (int r = 1; r < 8; ++r) {
            const std::string& read = Key(decoded, kRecordOrder[r]);
            EXPECT_TRUE(read.empty() || IsValidContent(read)) << filler << " " << read;
            EXPECT_EQ(std::string("[A][PrintScreen][Delay9][PrintScreen]").substr(0, read.size()),
                      read)
                << filler;
        }
        ExpectDecodesToRecordsOf(data);
    }
}

} // namespace
} // namespace zelt
