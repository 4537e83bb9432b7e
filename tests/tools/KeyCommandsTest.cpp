#include "ImageBuilder.h"
#include "KeyArea.h"
#include "ModelCode.h"
#include "TemplateImage.h"
#include "ZeltToolTest.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zelt {
namespace {

using testing::ImageWithKeys;
using testing::RunZeltTool;
using testing::TempDir;
using testing::WriteBytes;
using testing::WriteImage;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(ZeltToolKeys, PrintsEveryKeyByKeyNumberWithEscapes) {
    TempDir dir;
    WriteImage(dir / "t", ImageWithKeys(kModelRM0410, {{1, "abc[CR]"},
                                                       {2, "[F1][Separator][F2]"},
                                                       {5, "a\\b\x01\x7F\xE9"},
                                                       {176, "[ShiftLevel3]"}}));
    const auto r = RunZeltTool({"keys", dir / "t", "--model", "2014"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 176u);
    EXPECT_EQ(lines[0], "1\tabc[CR]");
    EXPECT_EQ(lines[1], "2\t[F1][Separator][F2]");
    EXPECT_EQ(lines[2], "3\t");
    EXPECT_EQ(lines[4], "5\ta\\\\b\\x01\\x7F\\xE9");
    EXPECT_EQ(lines[175], "176\t[ShiftLevel3]");
}

TEST(ZeltToolKeys, ModelDecidesTheKeyLockMirror) {
    TempDir dir;
    // Written for a model without the mirror: key 122 holds text, key 161 is empty.
    WriteImage(dir / "t", ImageWithKeys(kModelRM0410, {{122, "abc"}}));
    auto lines = Lines(RunZeltTool({"keys", dir / "t"}).out);
    ASSERT_EQ(lines.size(), 176u);
    EXPECT_EQ(lines[160], "161\tabc"); // default model 2013 mirrors
    lines = Lines(RunZeltTool({"keys", dir / "t", "--model", "2014"}).out);
    ASSERT_EQ(lines.size(), 176u);
    EXPECT_EQ(lines[160], "161\t");
}

TEST(ZeltToolKeys, DamagedTemplateIsListedWithTheLoadMessage) {
    TempDir dir;
    TemplateImage image = ImageWithKeys(kModelRM0480, {{121, "x"}});
    image[2042] = 0;
    WriteImage(dir / "t", image);
    const auto r = RunZeltTool({"keys", dir / "t"});
    EXPECT_EQ(r.exitStatus, 0);
    EXPECT_EQ(r.err, std::string(kCorruptedTemplateMessage) + "\n");
    EXPECT_EQ(Lines(r.out).at(120), "121\tx");
}

TEST(ZeltToolKeys, ShortFileIsAnIoError) {
    TempDir dir;
    WriteBytes(dir / "t", std::vector<std::uint8_t>(2047, 0));
    const auto r = RunZeltTool({"keys", dir / "t"});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("2047 bytes long"), std::string::npos) << r.err;
}

TEST(ZeltToolEncode, OneLinePerText) {
    const auto r = RunZeltTool({"encode", "abc[CR]", "[F1][Separator][F2]", "[ShiftLevel3]", "",
                                "[Separator]ab", "[PrintScreen]", "[,]", "[CR]]]", "[Delay007]"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.out, "ascii 4 61 62 63 0D\n"
                     "scan 4 FF 3B FE 3C\n"
                     "shift 4 FF FF FF FF\n"
                     "ascii 0\n"
                     "ascii 3 FE 61 62\n"
                     "scan 5 FF E0 2A E0 37\n"
                     "scan 2 FF 33\n"
                     "ascii 2 0D 5D\n"
                     "ascii 2 FD 07\n");
}

TEST(ZeltToolEncode, InvalidTextsMakeExit1) {
    const auto r = RunZeltTool({"encode", "a", "[F1]a", "[0E0]", "[Delay0]", "b"});
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_EQ(r.out, "ascii 1 61\ninvalid\ninvalid\ninvalid\nascii 1 62\n");
}

TEST(ZeltToolEncode, EscapedTextsAndTextsLikeOptions) {
    auto r = RunZeltTool({"encode", "--escaped", "a\\x01\\\\", "\\xFD"});
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_EQ(r.out, "ascii 3 61 01 5C\ninvalid\n");

    r = RunZeltTool({"encode", "--escaped", "\\q"});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_EQ(r.err, "Not a valid escaped text: \\q\n");

    // A text may begin with "-"; from the first text on, everything is a text.
    r = RunZeltTool({"encode", "-x", "abc", "--escaped", "-5"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.out, "ascii 2 2D 78\nascii 3 61 62 63\nascii 9 2D 2D 65 73 63 61 70 65 64\n"
                     "ascii 2 2D 35\n");

    r = RunZeltTool({"encode"});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_EQ(r.err, "encode: at least one TEXT is required.\n");
}

TEST(ZeltToolSpace, PrintsTheSpaceLeft) {
    TempDir dir;
    WriteImage(dir / "empty", MakeNewImage(kModelRM0480));
    WriteImage(dir / "some", ImageWithKeys(kModelRM0480, {{1, "abc[CR]"}, {2, "[PrintScreen]"}}));
    auto r = RunZeltTool({"space", dir / "empty"});
    EXPECT_EQ(r.exitStatus, 0);
    EXPECT_EQ(r.out, "1792\n");
    r = RunZeltTool({"space", dir / "some", "--model", "2013"});
    EXPECT_EQ(r.out, "1783\n");
}

TEST(ZeltToolSpace, NegativeWhenTheKeysDoNotFit) {
    TempDir dir;
    // A key area of one long ASCII record per key, as a foreign tool could have written it.
    TemplateImage image = MakeNewImage(kModelRM0410);
    for (int r = 0; r < kKeyCount; ++r) {
        std::fill_n(image.begin() + r * 11, 10, 'x');
        image[static_cast<std::size_t>(r * 11 + 10)] = 0;
    }
    WriteImage(dir / "t", image);
    // 176 records cover 1936 bytes: 1968 - 1936 = 32 are left.
    EXPECT_EQ(RunZeltTool({"space", dir / "t", "--model", "2014"}).out, "32\n");
    for (int r = 0; r < kKeyCount; ++r) {
        image[static_cast<std::size_t>(r * 11 + 10)] = 'y';
    }
    std::fill(image.begin() + 1936, image.end(), 0);
    WriteImage(dir / "t", image);
    // Now the first record is 1936 bytes long and every other key is empty (those whose records
    // would begin past the end of the image have none).
    EXPECT_EQ(RunZeltTool({"space", dir / "t", "--model", "2014"}).out,
              std::to_string(1968 - 1937 - 175) + "\n");
}

TEST(ZeltToolCheck, ReportsKeysThatCouldNotBeSavedAgain) {
    TempDir dir;
    // Key 121 (the first record) ends in a prefix byte and swallows key 122's terminator.
    TemplateImage image = MakeNewImage(kModelRM0410);
    const std::uint8_t area[] = {0xFF, 0x1E, 0xE0, 0x00, 0x41, 0x00, 0xFD, 0x00, 0x00};
    std::copy(std::begin(area), std::end(area), image.begin());
    WriteImage(dir / "t", image);
    const auto r = RunZeltTool({"check", dir / "t", "--model", "2014"});
    EXPECT_EQ(r.exitStatus, 1);
    // Standard output holds the load check's messages only; this image passes that check.
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Key 122: Wrong function word or scan code word!!\n") << r.err;
}

} // namespace
} // namespace zelt
