#include "ModelCode.h"
#include "TemplateImage.h"
#include "ZeltToolTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelt {
namespace {

using testing::RunZeltTool;
using testing::TempDir;

std::string WriteImage(const TempDir& dir, const TemplateImage& image,
                       const std::string& name = "in") {
    const std::string path = dir / name;
    testing::WriteImage(path, image);
    return path;
}

const char* const kRs232Lines = "use_port=0\nbaud_rate=9600\nparity=NONE\ndata_bits=8\n";

std::string MrLines(const std::string& track1Prefix = "", const std::string& cardPrefix = "") {
    std::string lines;
    for (int t = 1; t <= 3; ++t) {
        const std::string n = "track" + std::to_string(t) + "_";
        lines += n + "prefix=" + (t == 1 ? track1Prefix : "") + "\n" + n + "suffix=\n" + n +
                 "terminator=\n" + n + "data=1\n" + n + "start_sentinel=1\n" + n +
                 "end_sentinel=1\n" + n + "separator=1\n" + n + "lrc=0\n";
    }
    return lines + "card_prefix=" + cardPrefix +
           "\ncard_suffix=\nerror_mode=skip\nbeep_good_read=1\nbeeps_error=1\n";
}

TEST(ZeltToolProps, NewMrModelImage) {
    TempDir dir;
    const std::string in = WriteImage(dir, MakeNewImage(kModelRM0480));
    const std::string kb = "send_break_code=1\nbeep_when_typed=1\nno_beep_undefined=1\n"
                           "translate_set2=1\ntypematic_scan=1\ntypematic_ascii=0\n"
                           "alt_number=0\nopos_jpos=0\ndelay=2\n";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"props", in},
          {"props", in, "--port", "usb"},
          {"props", in, "--model", "2016", "--port", "ps2"}}) {
        const auto r = RunZeltTool(args);
        EXPECT_EQ(r.exitStatus, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, kb + MrLines());
    }
}

TEST(ZeltToolProps, NewRs232ModelImageShowsPortSettingsOnlyOnPs2) {
    TempDir dir;
    const std::string in = WriteImage(dir, MakeNewImage(kModelTK0530));
    const std::string head = "send_break_code=1\nbeep_when_typed=1\nno_beep_undefined=0\n"
                             "translate_set2=1\ntypematic_scan=0\ntypematic_ascii=0\n"
                             "alt_number=0\nopos_jpos=1\n";
    auto r = RunZeltTool({"props", in, "--model", "2018"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.out, head + kRs232Lines + "delay=2\n");
    r = RunZeltTool({"props", in, "--model", "2018", "--port", "USB"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.out, head + "delay=2\n");
}

TEST(ZeltToolProps, StringsInTheirTextForm) {
    TempDir dir;
    TemplateImage image = MakeNewImage(kModelRM0480);
    image[1968] = 0x0D;
    image[1969] = 'A';
    image[1970] = 'B';
    image[2024] = '[';
    const auto r = RunZeltTool({"props", WriteImage(dir, image)});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_NE(r.out.find(MrLines("[CR]AB", "[[")), std::string::npos) << r.out;
}

TEST(ZeltToolProps, DamagedTemplateIsShownWithTheLoadWarning) {
    TempDir dir;
    TemplateImage image = MakeNewImage(kModelRM0480);
    image[offsets::kInterCharDelay] = 0;
    const auto r = RunZeltTool({"props", WriteImage(dir, image)});
    EXPECT_EQ(r.exitStatus, 0);
    EXPECT_EQ(r.err, std::string(kCorruptedTemplateMessage) + "\n");
    // The delay control cannot show 0: it shows, and would store, the nearest valid value.
    EXPECT_NE(r.out.find("\ndelay=1\n"), std::string::npos) << r.out;
}

TEST(ZeltToolProps, UsageAndInputErrors) {
    TempDir dir;
    const std::string in = WriteImage(dir, MakeNewImage(kModelRM0480));
    for (const std::vector<std::string>& args : {std::vector<std::string>{"props"},
                                                 {"props", in, "--port", "com1"},
                                                 {"props", in, "--model", "x2013"},
                                                 {"props", dir / "missing"}}) {
        const auto r = RunZeltTool(args);
        EXPECT_EQ(r.exitStatus, 2) << args.back();
        EXPECT_FALSE(r.err.empty());
        EXPECT_EQ(r.out, "");
    }
}

TEST(ZeltToolProps, HelpNamesThePortRule) {
    const auto r = RunZeltTool({"props", "--help"});
    EXPECT_EQ(r.exitStatus, 0);
    EXPECT_NE(r.out.find("only for TK0517 and TK0530 (2017, 2018) on the ps2 port"),
              std::string::npos)
        << r.out;
}

} // namespace
} // namespace zelt
