#include "KeyArea.h"
#include "ModelCode.h"
#include "TemplateData.h"
#include "TemplateImage.h"
#include "ZeltToolTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zelt {
namespace {

using testing::ReadBytes;
using testing::ReadText;
using testing::RunZeltTool;
using testing::TempDir;
using testing::WriteBytes;
using testing::WriteImage;
using testing::WriteText;
using Bytes = std::vector<std::uint8_t>;

// A TK0517 template whose 17 keys hold the given contents, by layout position.
Bytes TK0517Template(const std::vector<std::string>& contents) {
    static const int kKeys[17] = {106, 107, 108, 109, 110, 111, 122, 123, 124,
                                  125, 126, 127, 128, 120, 119, 118, 117};
    TemplateData data;
    data.modelCode = kModelTK0517;
    data.image = MakeNewImage(kModelTK0517);
    for (std::size_t p = 0; p < contents.size() && p < 17; ++p) {
        data.keyContents[static_cast<std::size_t>(kKeys[p] - 1)] = contents[p];
    }
    BuildKeyArea(data);
    return Bytes(data.image.begin(), data.image.end());
}

TemplateImage ImageOf(const Bytes& bytes) {
    TemplateImage image{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), image.size()), image.begin());
    return image;
}

std::string TK0517Text(const std::vector<std::string>& escapedContents) {
    std::string text;
    for (std::size_t p = 0; p < 17; ++p) {
        text += (p < 9 ? "K0" : "K") + std::to_string(p + 1) + ",";
        text += p < escapedContents.size() ? escapedContents[p] : "";
        text += "\r\n";
    }
    return text;
}

const std::vector<std::string> kContents = {
    "abc[CR]", "1,2", "[F1][Separator][F2]", "\\", "[[x]]", "", "\xE9\xFC", "[Caps]"};
const std::vector<std::string> kEscaped = {
    "abc[CR]", "1\\,2", "[F1][Separator][F2]", "\\\\", "[[x]]", "", "\xE9\xFC", "[Caps]"};

TEST(ZeltToolExportText, PrintsOneCrLfRowPerKey) {
    TempDir dir;
    WriteBytes(dir / "t", TK0517Template(kContents));
    const auto r = RunZeltTool({"export-text", dir / "t", "--model", "2017"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, TK0517Text(kEscaped));

    const auto written =
        RunZeltTool({"export-text", dir / "t", "--model", "2017", "-o", dir / "out.txt"});
    EXPECT_EQ(written.exitStatus, 0) << written.err;
    EXPECT_EQ(written.out, "");
    EXPECT_EQ(ReadText(dir / "out.txt"), r.out);
}

TEST(ZeltToolExportText, DefaultModelIsRM0480) {
    TempDir dir;
    const TemplateImage image = MakeNewImage(kModelRM0480);
    WriteImage(dir / "t", image);
    const auto r = RunZeltTool({"export-text", dir / "t"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 8), "`,\r\n1,\r\n");
    EXPECT_EQ(r.out.substr(r.out.size() - 10), "KeyLock,\r\n");
}

TEST(ZeltToolExportText, DamagedTemplateIsReportedAndExported) {
    TempDir dir;
    Bytes bytes = TK0517Template(kContents);
    bytes[2047] = 0xD5;
    WriteBytes(dir / "t", bytes);
    const auto r = RunZeltTool({"export-text", dir / "t", "--model", "2017"});
    EXPECT_EQ(r.exitStatus, 0);
    EXPECT_EQ(r.err, std::string(kCorruptedTemplateMessage) + "\n");
    EXPECT_EQ(r.out, TK0517Text(kEscaped));
}

TEST(ZeltToolExportText, UnreadableTemplateOrOutputIsAnIoError) {
    TempDir dir;
    WriteBytes(dir / "short", Bytes(100, 0));
    auto r = RunZeltTool({"export-text", dir / "short"});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_NE(r.err.find("100 bytes"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");

    WriteBytes(dir / "t", TK0517Template({}));
    const std::string out = dir / "missing" / "out.txt";
    r = RunZeltTool({"export-text", dir / "t", "-o", out});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_EQ(r.err, "The text file: <" + out + "> can't be written !! Error code = 2\n");
}

TEST(ZeltToolImportText, BuildsTheTemplateFromTheRows) {
    TempDir dir;
    WriteText(dir / "in.txt", TK0517Text(kEscaped));
    const auto r = RunZeltTool({"import-text", dir / "in.txt", "--model", "2017", "-o", dir / "t"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(ReadBytes(dir / "t"), TK0517Template(kContents));
}

TEST(ZeltToolImportText, AppliesTheRowsOnTopOfABaseTemplate) {
    TempDir dir;
    Bytes base = TK0517Template({"old", "old"});
    base[offsets::kOptionA] = 0x13;
    base[offsets::kInterCharDelay] = 77;
    WriteBytes(dir / "base", base);
    WriteText(dir / "in.txt", TK0517Text({"new"}));
    const auto r = RunZeltTool({"import-text", dir / "in.txt", "--model", "2017", "--into",
                                dir / "base", "-o", dir / "t"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    Bytes expected = TK0517Template({"new"});
    expected[offsets::kOptionA] = 0x13;
    expected[offsets::kInterCharDelay] = 77;
    EXPECT_EQ(ReadBytes(dir / "t"), expected);
    EXPECT_EQ(ReadBytes(dir / "base"), base) << "the base is only read";
}

TEST(ZeltToolImportText, InvalidContentWritesNothing) {
    TempDir dir;
    WriteText(dir / "in.txt", TK0517Text({"ok", "[F1]x"}));
    auto r = RunZeltTool({"import-text", dir / "in.txt", "--model", "2017", "-o", dir / "t"});
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_EQ(r.err, "Wrong function word or scan code word!!\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "t"));

    const Bytes old = TK0517Template({"old"});
    WriteBytes(dir / "t", old);
    r = RunZeltTool({"import-text", dir / "in.txt", "--model", "2017", "-o", dir / "t"});
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_EQ(ReadBytes(dir / "t"), old);
    EXPECT_EQ(dir.Entries().size(), 2U) << "no temporary file is left behind";
}

TEST(ZeltToolImportText, ContentsThatDoNotFitWriteNothing) {
    TempDir dir;
    std::vector<std::string> rows(17, std::string(120, 'x'));
    WriteText(dir / "in.txt", TK0517Text(rows));
    const auto r = RunZeltTool({"import-text", dir / "in.txt", "--model", "2017", "-o", dir / "t"});
    EXPECT_EQ(r.exitStatus, 1);
    // 17 keys of 120 bytes and 176 terminators need 2216 bytes: 248 more than there are.
    EXPECT_NE(r.err.find("248 bytes too large"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "t"));
}

TEST(ZeltToolImportText, WrongRowCountWritesNothing) {
    TempDir dir;
    WriteText(dir / "in.txt", TK0517Text(kEscaped) + "extra,row\r\n");
    const auto r = RunZeltTool({"import-text", dir / "in.txt", "--model", "2017", "-o", dir / "t"});
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_EQ(r.err, "The number of rows in the text file is wrong\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "t"));
}

TEST(ZeltToolImportText, DamagedBaseIsMendedOrRefused) {
    TempDir dir;

    // Too few terminators in the key area: when the rows give every key its content, the
    // rebuilt key area is sound again.
    const TemplateImage tk0530 = MakeNewImage(kModelTK0530);
    Bytes base(tk0530.begin(), tk0530.end());
    std::fill(base.begin(), base.begin() + 1800, 0x41);
    WriteBytes(dir / "keys", base);
    std::string allKeys;
    for (int i = 0; i < 176; ++i) {
        allKeys += "k,x\r\n";
    }
    WriteText(dir / "all.txt", allKeys);
    auto r = RunZeltTool({"import-text", dir / "all.txt", "--model", "2018", "--into", dir / "keys",
                          "-o", dir / "t"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(ValidateImage(ImageOf(ReadBytes(dir / "t"))), std::nullopt);

    // A damaged trailer stays damaged: nothing is written.
    base = TK0517Template({});
    base[2047] = 0xD5;
    WriteText(dir / "in.txt", TK0517Text({"new"}));
    WriteBytes(dir / "trailer", base);
    r = RunZeltTool({"import-text", dir / "in.txt", "--model", "2017", "--into", dir / "trailer",
                     "-o", dir / "t2"});
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_EQ(r.err, std::string(kCorruptedTemplateMessage) + "\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "t2"));
}

TEST(ZeltToolImportText, MissingInputIsAnIoError) {
    TempDir dir;
    const std::string missing = dir / "missing.txt";
    auto r = RunZeltTool({"import-text", missing, "-o", dir / "t"});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_EQ(r.err,
              "The text file: <" + missing + "> is NOT in the directory !! Error code = 2\n");

    WriteText(dir / "in.txt", TK0517Text({}));
    r = RunZeltTool({"import-text", dir / "in.txt", "--model", "2017", "--into", dir / "nothing",
                     "-o", dir / "t"});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_FALSE(r.err.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "t"));
}

TEST(ZeltToolImportText, ExportThenImportGivesTheSameTemplate) {
    TempDir dir;
    // The RM0480 keeps "KeyLock" and key 122 as one key; the round trip must keep both.
    TemplateData data;
    data.image = MakeNewImage(kModelRM0480);
    data.keyContents[161 - 1] = "lock";
    data.keyContents[0] = "[PAD5][Delay7]";
    data.keyContents[13] = "a\\,b";
    BuildKeyArea(data);
    WriteImage(dir / "t", data.image);

    auto r = RunZeltTool({"export-text", dir / "t", "-o", dir / "t.txt"});
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    r = RunZeltTool({"import-text", dir / "t.txt", "--into", dir / "t", "-o", dir / "again"});
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(ReadBytes(dir / "again"), ReadBytes(dir / "t"));
}

TEST(ZeltToolLayout, PrintsEveryPositionOfTheModel) {
    const struct {
        int code;
        int rows;
        const char* first;
        const char* last;
    } models[] = {
        {2013, 124, "0\t14\t`\t55\t140\t27\t25\t119\t1\t77\t15",
         "123\t161\tKeyLock\t55\t50\t57\t25\t110\t95\t54\t77"},
        {2014, 122, "0\t12\t`\t80\t140\t27\t25\t82\t1\t83\t15",
         "121\t161\tKeyLock\t620\t50\t57\t25\t121\t121\t71\t120"},
        {2015, 134, "0\t141\t`\t52\t140\t27\t25\t88\t1\t89\t15",
         "133\t161\tKeyLock\t652\t50\t57\t25\t133\t133\t71\t132"},
        {2016, 67, "0\t58\tL11\t100\t95\t35\t30\t12\t1\t66\t13",
         "66\t114\tKeyLock\t100\t55\t75\t30\t66\t66\t53\t0"},
        {2017, 17, "0\t106\tK01\t100\t130\t69\t30\t5\t1\t6\t6",
         "16\t117\tK17\t600\t180\t35\t30\t15\t6\t5\t5"},
        {2018, 176, "0\t1\tA1\t50\t50\t25\t25\t168\t8\t7\t1",
         "175\t176\tV8\t680\t260\t25\t25\t167\t7\t174\t168"},
    };
    for (const auto& model : models) {
        const auto r = RunZeltTool({"layout", "--model", std::to_string(model.code)});
        EXPECT_EQ(r.exitStatus, 0) << r.err;
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t end = r.out.find('\n'); end != std::string::npos;
             start = end + 1, end = r.out.find('\n', start)) {
            lines.push_back(r.out.substr(start, end - start));
        }
        EXPECT_EQ(start, r.out.size());
        ASSERT_EQ(static_cast<int>(lines.size()), model.rows) << model.code;
        EXPECT_EQ(lines.front(), model.first);
        EXPECT_EQ(lines.back(), model.last);
    }
    EXPECT_EQ(RunZeltTool({"layout"}).out, RunZeltTool({"layout", "--model", "2013"}).out);
    // A code outside the catalogue is laid out as RM0480.
    const auto unknown = RunZeltTool({"layout", "--model", "2099"});
    EXPECT_EQ(unknown.exitStatus, 0);
    EXPECT_EQ(unknown.out, RunZeltTool({"layout", "--model", "2013"}).out);
}

} // namespace
} // namespace zelt
