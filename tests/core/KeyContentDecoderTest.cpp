#include "KeyContentDecoder.h"

#include "HexBytes.h"
#include "ImageBuilder.h"
#include "ModelCode.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace zelt {
namespace {

using testing::FromHex;
using testing::ImageWithKeyArea;

struct RecordCase {
    const char* bytes; // hex, starting at offset 0; the rest of the key area is 0x00
    std::string text;
    std::size_t next;
};

TEST(DecodeRecord, AsciiRecords) {
    const RecordCase cases[] = {
        {"41 5B 42 0D 00", "A[[B[CR]", 5},
        {"00", "", 1},
        {"5D 5D 00", "]]]]", 3},
        {"FD FC 00", "[Caps]", 3},
        {"61 FD 07 62 00", "a[Delay7]b", 5},
        // Stored as it is, even out of range: the user sees what the template holds.
        {"FD FB 00", "[Delay251]", 3},
        {"FD FF 00", "[Delay255]", 3},
        // FD consumes the following byte even when it is the terminator; the record goes on.
        {"FD 00 41 00", "[Delay0]A", 4},
        // Nor does a byte it consumes show for itself.
        {"FD 0D 41 00", "[Delay13]A", 4},
        {"FD 5D 5D 00", "[Delay93]]]", 4},
        {"FE 61 FE 00", "[Separator]a[Separator]", 4},
        {"01 7F 80 FF E0 F0 00", "\x01\x7F\x80\xFF\xE0\xF0", 7},
    };
    for (const RecordCase& c : cases) {
        const DecodedRecord record = DecodeRecord(ImageWithKeyArea(c.bytes), 0);
        EXPECT_EQ(record.text, c.text) << c.bytes;
        EXPECT_EQ(record.next, c.next) << c.bytes;
    }
}

TEST(DecodeRecord, ScanCodeRecords) {
    const RecordCase cases[] = {
        {"FF 2A 1E AA 00", "[Shift][A]", 5},
        {"FF E0 F0 1D 00", "[0E0][0F0][Ctrl]", 5},
        {"FF FF FF 00", "[ShiftLevel2]", 4},
        {"FF FF 00", "[ShiftLevel1]", 3},
        {"FF 00", "", 2},
        {"FF 1E FF 00", "[A][ShiftLevel1]", 4},
        {"FF 3B FE 3C 00", "[F1][Separator][F2]", 5},
        {"FF E0 1C E0 10 00", "[PADEnter][Backward]", 6},
        {"FF E0 2A E0 37 00", "[PrintScreen]", 6},
        {"FF E1 1D 45 00", "[PauseBreak]", 5},
        {"FF E0 20 00", "[Mute]", 4},
        {"FF F0 1E 00", "[0F0][A]", 4},
        {"FF 54 57 58 00", "[Alt+PrintScreen][F11][F12]", 5},
        // Delays: 0 shows as 1, above 250 as 249, FD FC as nothing.
        {"FF FD 00 1E 00", "[Delay1][A]", 5},
        {"FF FD FB 00", "[Delay249]", 4},
        {"FF FD FA 00", "[Delay250]", 4},
        {"FF FD FC 1E 00", "[A]", 5},
        // Bytes without a name are dropped.
        {"FF 55 56 59 DF E2 EF F1 FC 1E 00", "[A]", 11},
        {"FF 9E 81 1E 00", "[A]", 5},
        {"FF E0 2A 1E 1F 00", "[S]", 6}, // E0 2A 1E consumed as a whole
        {"FF E0 2A E0 38 1F 00", "[S]", 7},
        {"FF E0 99 1F 00", "[S]", 5},
        {"FF E1 1D 46 1F 00", "[S]", 6},
        {"FF E1 1E 1F 00", "[S]", 5},
        // A prefix swallows the terminator and the record runs on into the next one.
        {"FF E0 00 1E 00", "[A]", 5},
        {"FF E1 00 1E 00", "[A]", 5},
        {"FF E0 2A 00 1E 00", "[A]", 6},
        {"FF E1 1D 00 1E 00", "[A]", 6},
        {"FF FD 00 00", "[Delay1]", 4},
    };
    for (const RecordCase& c : cases) {
        const DecodedRecord record = DecodeRecord(ImageWithKeyArea(c.bytes), 0);
        EXPECT_EQ(record.text, c.text) << c.bytes;
        EXPECT_EQ(record.next, c.next) << c.bytes;
    }
}

// Plain characters are taken in runs; a run of any length ends at each byte with a meaning of
// its own, and not a byte earlier or later.
TEST(DecodeRecord, RunsOfPlainCharactersEndAtEveryByteWithAMeaning) {
    struct Stop {
        const char* bytes;
        std::string text;
    };
    const Stop stops[] = {
        {"00", ""},   {"0D", "[CR]"},        {"5B", "[["},
        {"5D", "]]"}, {"FD 07", "[Delay7]"}, {"FE", "[Separator]"},
    };
    for (std::size_t length = 1; length <= 40; ++length) {
        std::string hex;
        std::string run;
        for (std::size_t i = 0; i < length; ++i) {
            const char c = static_cast<char>('a' + i % 26);
            run += c;
            char byte[4];
            std::snprintf(byte, sizeof byte, "%02X ", static_cast<unsigned char>(c));
            hex += byte;
        }
        for (const Stop& stop : stops) {
            const std::string bytes = hex + stop.bytes + " 41 42 00";
            const DecodedRecord record = DecodeRecord(ImageWithKeyArea(bytes.c_str()), 0);
            const bool ends = stop.text.empty();
            EXPECT_EQ(record.text, run + stop.text + (ends ? "" : "AB")) << bytes;
        }
    }
}

TEST(DecodeRecord, RunsOnBehindTheKeyAreaButNeverPastTheImage) {
    // A key area without a single terminator: the record reads on through the MR fields of the
    // new image (all 0xFF) up to the first 0x00 behind them, at the record index.
    TemplateImage image = ImageWithKeyArea("", 0x41);
    DecodedRecord record = DecodeRecord(image, 0);
    EXPECT_EQ(record.text, std::string(kKeyAreaSize, 'A') + std::string(64, '\xFF'));
    EXPECT_EQ(record.next, offsets::kRecordIndex + 1);

    // An image without any terminator: the end of the image ends the record.
    image.fill(0x41);
    record = DecodeRecord(image, 0);
    EXPECT_EQ(record.text, std::string(kImageSize, 'A'));
    EXPECT_EQ(record.next, kImageSize);

    image[kImageSize - 1] = 0xFD; // consumes "the byte after" the image
    record = DecodeRecord(image, kImageSize - 1);
    EXPECT_EQ(record.text, "[Delay0]");
    EXPECT_EQ(record.next, kImageSize);

    image[kImageSize - 2] = 0xFF;
    image[kImageSize - 1] = 0xE0;
    record = DecodeRecord(image, kImageSize - 2);
    EXPECT_EQ(record.text, "");
    EXPECT_EQ(record.next, kImageSize);

    record = DecodeRecord(image, kImageSize);
    EXPECT_EQ(record.text, "");
    EXPECT_EQ(record.next, kImageSize);
}

TemplateData Decoded(const TemplateImage& image, int model = kModelRM0480) {
    TemplateData data;
    data.modelCode = model;
    data.image = image;
    std::fill(data.keyContents.begin(), data.keyContents.end(), "stale");
    DecodeImage(data);
    return data;
}

TEST(DecodeImage, AllZeroKeyAreaGivesEmptyContents) {
    for (int model = kModelRM0480; model <= kModelTK0530; ++model) {
        const TemplateData data = Decoded(MakeNewImage(model), model);
        for (const std::string& content : data.keyContents) {
            EXPECT_EQ(content, "");
        }
    }
}

TEST(DecodeImage, RecordsFollowTheRecordOrderWithOneRunningPosition) {
    // Every key's content names its record: a letter and a digit.
    const auto name = [](int r) {
        return std::string{static_cast<char>('A' + r % 26), static_cast<char>('0' + r / 26)};
    };
    std::string area;
    for (int r = 0; r < kKeyCount; ++r) {
        area += name(r);
        area += '\0';
    }
    TemplateImage image = MakeNewImage(kModelRM0410);
    std::copy(area.begin(), area.end(), image.begin());
    const TemplateData data = Decoded(image, kModelRM0410);
    for (int r = 0; r < kKeyCount; ++r) {
        EXPECT_EQ(data.keyContents[static_cast<std::size_t>(kRecordOrder[r] - 1)], name(r)) << r;
    }
    EXPECT_EQ(data.keyContents[120], "A0"); // key 121 holds the first record
    EXPECT_EQ(data.keyContents[127], "H0");
    EXPECT_EQ(data.keyContents[119], "I0"); // then 120 down to 113
    EXPECT_EQ(data.keyContents[0], "X4");   // key 1 is record 127
    EXPECT_EQ(data.keyContents[160], "T6"); // key 161 is the last one
}

// A scan-code record of any length, then ASCII records whose bytes with a meaning of their own
// (0xFD and the byte it consumes among them) fall on every position around the 64-byte steps
// in which the decoder looks for them.
TEST(DecodeImage, AsciiRecordsAfterScanCodeRecordsOfEveryLength) {
    for (int length = 0; length <= 140; ++length) {
        std::string hex = "FF ";
        std::string scanCodes;
        for (int i = 0; i < length; ++i) {
            hex += "1E ";
            scanCodes += "[A]";
        }
        hex += "00 61 FD 0D 62 0D 00 FD 00 63 00 64 5B 00";
        const TemplateData data = Decoded(ImageWithKeyArea(hex.c_str()), kModelRM0410);
        EXPECT_EQ(data.keyContents[kRecordOrder[0] - 1], scanCodes) << length;
        EXPECT_EQ(data.keyContents[kRecordOrder[1] - 1], "a[Delay13]b[CR]") << length;
        EXPECT_EQ(data.keyContents[kRecordOrder[2] - 1], "[Delay0]c") << length;
        EXPECT_EQ(data.keyContents[kRecordOrder[3] - 1], "d[[") << length;
        EXPECT_EQ(data.keyContents[kRecordOrder[4] - 1], "") << length;
    }
}

TEST(DecodeImage, SwallowedTerminatorShiftsTheFollowingRecords) {
    // The first record ends in E0, which takes the terminator with it: the second record's
    // bytes become part of the first and every later key moves up by one record.
    const TemplateData data = Decoded(ImageWithKeyArea("FF 1E E0 00 55 00 42 00"), kModelRM0410);
    EXPECT_EQ(data.keyContents[120], "[A]"); // E0 00 and 55 give nothing
    EXPECT_EQ(data.keyContents[121], "B");
}

TEST(DecodeImage, TheLastRecordsRunOnIntoTheFieldsBehindTheKeyArea) {
    // 175 terminators: the last record (key 161) has none in the key area and takes the MR
    // fields up to the record index with it.
    TemplateImage image = MakeNewImage(kModelRM0410);
    std::fill(image.begin(), image.begin() + kKeyCount - 1, 0x00);
    std::fill(image.begin() + kKeyCount - 1, image.begin() + kKeyAreaSize, 0x41);
    const TemplateData data = Decoded(image, kModelRM0410);
    EXPECT_EQ(data.keyContents[160],
              std::string(kKeyAreaSize - kKeyCount + 1, 'A') + std::string(64, '\xFF'));
    for (int r = 0; r + 1 < kKeyCount; ++r) {
        EXPECT_EQ(data.keyContents[static_cast<std::size_t>(kRecordOrder[r] - 1)], "") << r;
    }
}

TEST(DecodeImage, KeysWithoutARecordAreEmpty) {
    // Only three terminators in the whole image: a long first record, a short one, one that
    // runs over the end of the key area, and one ended by the end of the image; the rest of the
    // keys have no record at all.
    TemplateImage image;
    image.fill(0x41);
    image[1960] = 0x00;
    image[1962] = 0x00;
    image[2040] = 0x00;
    const TemplateData data = Decoded(image, kModelRM0410);
    EXPECT_EQ(data.keyContents[120], std::string(1960, 'A'));
    EXPECT_EQ(data.keyContents[121], "A");
    EXPECT_EQ(data.keyContents[122], std::string(2040 - 1963, 'A'));
    EXPECT_EQ(data.keyContents[123], std::string(kImageSize - 2041, 'A'));
    for (int r = 4; r < kKeyCount; ++r) {
        EXPECT_EQ(data.keyContents[static_cast<std::size_t>(kRecordOrder[r] - 1)], "") << r;
    }
}

// Key 122 is record 1; key 161 is the last record (175).
TemplateImage ImageWithKeys122And161(const std::string& key122, const std::string& key161) {
    std::string area = std::string(1, '\0') + key122 + '\0' + std::string(173, '\0') + key161;
    area += '\0';
    TemplateImage image = MakeNewImage(kModelRM0480);
    std::copy(area.begin(), area.end(), image.begin());
    return image;
}

TEST(DecodeImage, KeyLockKeyMirrorsKey122OnTheRM0480Only) {
    TemplateData data = Decoded(ImageWithKeys122And161("abc", ""), kModelRM0480);
    EXPECT_EQ(data.keyContents[121], "abc");
    EXPECT_EQ(data.keyContents[160], "abc");

    data = Decoded(ImageWithKeys122And161("abc", ""), kModelRM0410);
    EXPECT_EQ(data.keyContents[121], "abc");
    EXPECT_EQ(data.keyContents[160], "");

    data = Decoded(ImageWithKeys122And161("abc", "xy"), kModelRM0480);
    EXPECT_EQ(data.keyContents[121], "xy");
    EXPECT_EQ(data.keyContents[160], "xy");

    data = Decoded(ImageWithKeys122And161("abc", "xy"), kModelTK0530);
    EXPECT_EQ(data.keyContents[121], "abc");
    EXPECT_EQ(data.keyContents[160], "xy");
}

} // namespace
} // namespace zelt
