#include "ModelCode.h"
#include "TemplateImage.h"
#include "ZeltToolTest.h"

#include <gtest/gtest.h>

namespace zelt {
namespace {

using testing::RunZeltTool;
using testing::TempDir;
using testing::WriteBytes;
using testing::WriteImage;

TEST(ZeltToolCheck, SoundTemplatePrintsNothing) {
    TempDir dir;
    WriteImage(dir / "t", MakeNewImage(kModelRM0480));
    const auto r = RunZeltTool({"check", dir / "t"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.out, "");
}

TEST(ZeltToolCheck, DamagedTemplatePrintsTheLoadMessage) {
    TempDir dir;
    TemplateImage image = MakeNewImage(kModelRM0480);
    image[2047] = 0xD5;
    WriteImage(dir / "trailer", image);
    image = MakeNewImage(kModelRM0480);
    std::fill(image.begin(), image.begin() + 1968, 0x41);
    WriteImage(dir / "keys", image);

    auto r = RunZeltTool({"check", dir / "trailer"});
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_EQ(r.out, std::string(kCorruptedTemplateMessage) + "\n");
    r = RunZeltTool({"check", dir / "keys"});
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_EQ(r.out, std::string(kWrongKeyNumberMessage) + "\n");
}

TEST(ZeltToolCheck, KeysThatCannotBeSavedDoNotMixWithTheLoadMessage) {
    TempDir dir;
    // One long run of 0xFF: too few terminators, and the first key decodes to a shift level
    // no key can hold. So does the last one, whose record runs on into the MR fields (all
    // 0xFF), and the KeyLock key's copy in key 122.
    TemplateImage image = MakeNewImage(kModelRM0480);
    std::fill(image.begin(), image.begin() + 1793, 0xFF);
    WriteImage(dir / "t", image);
    const auto r = RunZeltTool({"check", dir / "t"});
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_EQ(r.out, std::string(kWrongKeyNumberMessage) + "\n");
    EXPECT_EQ(r.err, "Key 121: Wrong function word or scan code word!!\n"
                     "Key 122: Wrong function word or scan code word!!\n"
                     "Key 161: Wrong function word or scan code word!!\n");
}

TEST(ZeltToolCheck, UnreadableInputIsAnIoError) {
    TempDir dir;
    WriteBytes(dir / "short", std::vector<std::uint8_t>(100, 0));
    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {dir / "short", "\"" + (dir / "short").string() +
                            "\" is not a template file: it is 100 bytes long, a template file "
                            "is 2048 bytes.\n"},
        {dir / "none",
         "Cannot open \"" + (dir / "none").string() + "\": No such file or directory.\n"},
        {dir.Path(), "Cannot open \"" + dir.Path().string() + "\": it is a folder.\n"},
    };
    for (const auto& c : cases) {
        const auto r = RunZeltTool({"check", c.path});
        EXPECT_EQ(r.exitStatus, 2) << c.path;
        EXPECT_EQ(r.err, c.message);
        EXPECT_EQ(r.out, "");
    }
}

TEST(ZeltToolCheck, LongerFileIsCheckedByItsFirst2048Bytes) {
    TempDir dir;
    const TemplateImage image = MakeNewImage(kModelTK0517);
    std::vector<std::uint8_t> bytes(image.begin(), image.end());
    bytes.resize(3000, 0x99);
    WriteBytes(dir / "t", bytes);
    const auto r = RunZeltTool({"check", dir / "t"});
    EXPECT_EQ(r.exitStatus, 0) << r.out << r.err;
}

} // namespace
} // namespace zelt
