#include "TemplateImage.h"

#include "ModelCode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace zelt {
namespace {

TEST(NewImage, MrModelDefaults) {
    const TemplateImage image = MakeNewImage(kModelRM0480);
    for (std::size_t i = 0; i < kImageSize; ++i) {
        if (i >= 1968 && i <= 2031) {
            EXPECT_EQ(image[i], 0xFF) << "offset " << i;
        } else if (i < 2042) {
            EXPECT_EQ(image[i], 0x00) << "offset " << i;
        }
    }
    EXPECT_EQ(image[2042], 0x02);
    EXPECT_EQ(image[2043], 0xEA);
    EXPECT_EQ(image[2044], 0xD6);
    EXPECT_EQ(image[2045], 0x55);
    EXPECT_EQ(image[2046], 0xAA);
    EXPECT_EQ(image[2047], 0xD6);
}

TEST(NewImage, Rs232ModelAndUnknownCodesGetRs232Defaults) {
    for (int code : {kModelTK0530, kModelTK0517, 2099, 0, -1}) {
        const TemplateImage image = MakeNewImage(code);
        EXPECT_TRUE(std::all_of(image.begin(), image.begin() + 2042, [](auto b) { return b == 0; }))
            << code;
        EXPECT_EQ(image[2042], 0x02);
        EXPECT_EQ(image[2043], 0xE0) << code;
        EXPECT_EQ(image[2044], 0x9E) << code;
        EXPECT_EQ(image[2045], 0x55);
    }
    for (int code : {kModelRM0410, kModelRM0420, kModelTK0550}) {
        EXPECT_EQ(MakeNewImage(code)[2043], 0xEA) << code;
    }
}

TEST(ValidateImage, NewImagesPass) {
    for (int code = 2013; code <= 2018; ++code) {
        EXPECT_FALSE(ValidateImage(MakeNewImage(code)).has_value()) << code;
    }
}

TEST(ValidateImage, TrailerAndDelayRuleComesFirst) {
    TemplateImage image = MakeNewImage(kModelRM0480);
    image[2047] = 0xD5;
    EXPECT_EQ(ValidateImage(image), std::string(kCorruptedTemplateMessage));

    image = MakeNewImage(kModelRM0480);
    image[2042] = 0x00;
    std::fill(image.begin(), image.begin() + kKeyAreaSize, 0x41); // also too few terminators
    EXPECT_EQ(ValidateImage(image), std::string(kCorruptedTemplateMessage));

    image = MakeNewImage(kModelRM0480);
    image[2042] = 251;
    EXPECT_EQ(ValidateImage(image), std::string(kCorruptedTemplateMessage));
    image[2042] = 250;
    EXPECT_FALSE(ValidateImage(image).has_value());
    image[2042] = 1;
    EXPECT_FALSE(ValidateImage(image).has_value());
}

TEST(ValidateImage, CountsTerminatorsInKeyArea) {
    TemplateImage image = MakeNewImage(kModelRM0480);
    std::fill(image.begin(), image.begin() + kKeyAreaSize, 0x41);
    std::fill(image.begin() + 1000, image.begin() + 1176, 0x00); // exactly 176
    EXPECT_FALSE(ValidateImage(image).has_value());
    image[1000] = 0x41; // 175
    EXPECT_EQ(ValidateImage(image), std::string(kWrongKeyNumberMessage));
}

TEST(ValidateImage, MessagesAreExact) {
    EXPECT_STREQ(kCorruptedTemplateMessage,
                 "The template data file is corrupted !\nDownloading this template will make "
                 "keyboard malfunction.\nUse Import/Export function to recover the file,");
    EXPECT_STREQ(kWrongKeyNumberMessage,
                 "The key number is wrong in the template data file !\nDownloading this template "
                 "will make keyboard malfunction.\nRe-edit the template file please.");
}

TEST(RecordOrder, IsAPermutationOfAllKeys) {
    const std::set<int> keys(kRecordOrder.begin(), kRecordOrder.end());
    EXPECT_EQ(keys.size(), 176u);
    EXPECT_EQ(*keys.begin(), 1);
    EXPECT_EQ(*keys.rbegin(), 176);
    EXPECT_EQ(kRecordOrder[0], 121);
    EXPECT_EQ(kRecordOrder[8], 120);
    EXPECT_EQ(kRecordOrder[127], 1);
    EXPECT_EQ(kRecordOrder[128], 137);
    EXPECT_EQ(kRecordOrder[175], 161);
}

TEST(RecordIndex, EmptyKeyAreaGivesMultiplesOf32) {
    TemplateImage image = MakeNewImage(kModelRM0480);
    ComputeRecordIndex(image);
    EXPECT_EQ(ReadUint16(image, 2032), 32);
    EXPECT_EQ(ReadUint16(image, 2034), 64);
    EXPECT_EQ(ReadUint16(image, 2036), 96);
    EXPECT_EQ(ReadUint16(image, 2038), 128);
    EXPECT_EQ(ReadUint16(image, 2040), 160);
}

TEST(RecordIndex, FollowsRecordLengthsLittleEndian) {
    TemplateImage image = MakeNewImage(kModelRM0480);
    // 32 records of 10 bytes each (9 bytes + terminator), then empty records.
    std::size_t at = 0;
    for (int r = 0; r < 32; ++r) {
        std::fill(image.begin() + at, image.begin() + at + 9, 0x41);
        at += 10;
    }
    ComputeRecordIndex(image);
    EXPECT_EQ(image[2032], 0x40); // 320 = 0x0140
    EXPECT_EQ(image[2033], 0x01);
    EXPECT_EQ(ReadUint16(image, 2034), 352);
    EXPECT_EQ(RecordOffset(image, 32), 320u);
    EXPECT_EQ(RecordOffset(image, 1), 10u);
    EXPECT_EQ(RecordOffset(image, 0), 0u);
}

TEST(RecordIndex, NeverRunsPastKeyArea) {
    TemplateImage image = MakeNewImage(kModelRM0480);
    std::fill(image.begin(), image.begin() + kKeyAreaSize, 0x41);
    ComputeRecordIndex(image);
    EXPECT_EQ(ReadUint16(image, 2032), kKeyAreaSize);
    EXPECT_EQ(RecordOffset(image, 175), kKeyAreaSize);
    EXPECT_EQ(image[2042], 0x02); // the index stays inside its ten bytes
}

} // namespace
} // namespace zelt
