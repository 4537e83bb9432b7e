#include "ModelCode.h"
#include "TemplateImage.h"
#include "ZeltToolTest.h"

#include <gtest/gtest.h>

namespace zelt {
namespace {

using testing::ReadBytes;
using testing::RunZeltTool;
using testing::TempDir;

std::vector<std::uint8_t> NewImageBytes(int model) {
    const TemplateImage image = MakeNewImage(model);
    return {image.begin(), image.end()};
}

TEST(ZeltToolNew, WritesTheNewImageOfEveryModel) {
    TempDir dir;
    for (int model = kModelRM0480; model <= kModelTK0530; ++model) {
        const std::string out = dir / ("m" + std::to_string(model));
        const auto r = RunZeltTool({"new", "--model", std::to_string(model), "-o", out});
        EXPECT_EQ(r.exitStatus, 0) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(ReadBytes(out), NewImageBytes(model)) << model;
    }
}

TEST(ZeltToolNew, ModelDefaultsTo2013) {
    TempDir dir;
    const auto r = RunZeltTool({"new", "-o", dir / "t"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(ReadBytes(dir / "t"), NewImageBytes(kModelRM0480));
}

TEST(ZeltToolNew, OverwritesAnExistingFileWhole) {
    TempDir dir;
    testing::WriteBytes(dir / "t", std::vector<std::uint8_t>(5000, 0x41));
    const auto r = RunZeltTool({"new", "--model", "2018", "--output", dir / "t"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(ReadBytes(dir / "t"), NewImageBytes(kModelTK0530));
}

TEST(ZeltToolNew, UnwritableOutputIsAnIoError) {
    TempDir dir;
    const std::string out = dir / "missing-folder" / "t";
    const auto r = RunZeltTool({"new", "-o", out});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_EQ(r.err, "Cannot save \"" + out + "\": No such file or directory.\n");
}

TEST(ZeltToolNew, CodeOutsideTheCatalogueGetsTheRs232Defaults) {
    TempDir dir;
    for (const char* code : {"2099", "2012", "2019", "-1"}) {
        const std::string out = dir / (std::string("m") + code);
        const auto r = RunZeltTool({"new", "--model", code, "-o", out});
        EXPECT_EQ(r.exitStatus, 0) << code << r.err;
        EXPECT_EQ(ReadBytes(out), NewImageBytes(kModelTK0530)) << code;
    }
}

TEST(ZeltToolNew, ModelCodeIsDecimalWhateverItsLeadingZeros) {
    TempDir dir;
    const std::pair<const char*, int> codes[] = {
        {"02013", kModelRM0480}, {"002016", kModelTK0550}, {"+2014", kModelRM0410},
        {"08", kModelTK0530},    {"-0001", kModelTK0530},  {"0", kModelTK0530},
    };
    for (const auto& [code, model] : codes) {
        const std::string out = dir / (std::string("m") + code);
        const auto r = RunZeltTool({"new", "--model", code, "-o", out});
        EXPECT_EQ(r.exitStatus, 0) << code << r.err;
        EXPECT_EQ(ReadBytes(out), NewImageBytes(model)) << code;
    }
}

TEST(ZeltToolNew, MalformedModelOrMissingOutputIsAUsageError) {
    TempDir dir;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"new", "--model", "RM0480", "-o", dir / "t"},
          {"new", "--model", "4294967296", "-o", dir / "t"},
          {"new", "--model", "", "-o", dir / "t"},
          {"new", "--model", "0x7DD", "-o", dir / "t"},
          {"new", "--model", "2013 ", "-o", dir / "t"},
          {"new", "--model", "-", "-o", dir / "t"},
          {"new", "--model", "2013"}}) {
        const auto r = RunZeltTool(args);
        EXPECT_EQ(r.exitStatus, 2) << args[2];
        EXPECT_FALSE(r.err.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "t"));
}

} // namespace
} // namespace zelt
