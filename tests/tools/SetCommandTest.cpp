#include "ModelCode.h"
#include "TemplateImage.h"
#include "ZeltToolTest.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace zelt {
namespace {

using testing::ReadBytes;
using testing::RunZeltTool;
using testing::TempDir;

using Bytes = std::vector<std::uint8_t>;

// A template file in a temporary folder, changed with zelt-tool set into "out".
struct SetRun {
    TempDir dir;
    TemplateImage image;
    std::string in;
    std::string out;

    explicit SetRun(const TemplateImage& initial) : image(initial) {
        in = dir / "in";
        out = dir / "out";
        testing::WriteImage(in, image);
    }

    testing::ProcessResult Set(int model, std::vector<std::string> assignments,
                               const std::string& port = "ps2") {
        std::vector<std::string> args = {"set",    in,   "--model", std::to_string(model),
                                         "--port", port, "-o",      out};
        args.insert(args.end(), assignments.begin(), assignments.end());
        return RunZeltTool(args);
    }

    // The written image, or the input's when nothing was written.
    Bytes Result() const { return ReadBytes(out); }
    Bytes Expected(const std::vector<std::pair<std::size_t, std::uint8_t>>& changes) const {
        Bytes bytes(image.begin(), image.end());
        for (const auto& [offset, value] : changes) {
            bytes[offset] = value;
        }
        return bytes;
    }
    bool Written() const { return std::filesystem::exists(out); }
};

TEST(ZeltToolSet, OddParityOnRs232Model) {
    SetRun run(MakeNewImage(kModelTK0530));
    const auto r = run.Set(kModelTK0530, {"parity=ODD"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    EXPECT_EQ(run.Result(), run.Expected({{offsets::kOptionB, 0x9A}}));
    const auto props = RunZeltTool({"props", run.out, "--model", "2018"});
    EXPECT_NE(props.out.find("\nparity=ODD\n"), std::string::npos) << props.out;
}

TEST(ZeltToolSet, UsbTurnsRs232PortOffAsTheDialogDoes) {
    TemplateImage image = MakeNewImage(kModelTK0530);
    image[offsets::kOptionA] = 0xF0;
    SetRun run(image);
    auto r = run.Set(kModelTK0530, {"delay=9"}, "usb");
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(run.Result(),
              run.Expected({{offsets::kOptionA, 0xE0}, {offsets::kInterCharDelay, 9}}));

    r = run.Set(kModelTK0530, {"use_port=1"}, "usb");
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_EQ(r.err, "use_port does not apply on the USB port: the RS232 port settings of "
                     "TK0530 are available only on the PS/2 port\n");
}

TEST(ZeltToolSet, OposJposChangesOnlyItsBit) {
    TemplateImage image = MakeNewImage(kModelRM0480);
    image[offsets::kOptionC] = 0xA5;
    SetRun run(image);
    const auto r = run.Set(kModelRM0480, {"opos_jpos=1"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(run.Result(), run.Expected({{offsets::kOptionC, 0x85}}));
}

TEST(ZeltToolSet, KbValuesKeepMrBitsAndMrValuesLeaveKbBytesAlone) {
    TemplateImage image = MakeNewImage(kModelRM0480);
    image[offsets::kOptionA] = 0x02;
    image[offsets::kOptionB] = 0xE0; // MR beeps on, and the use-port bit these models clear
    SetRun run(image);
    auto r = run.Set(kModelRM0480, {"track1_data=0"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(run.Result(), run.Expected({{2019, 0xFE}}));

    r = run.Set(kModelRM0480, {"alt_number=1", "typematic_scan=1"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(run.Result(), run.Expected({{offsets::kOptionA, 0x83}, {offsets::kOptionB, 0xC0}}));
}

TEST(ZeltToolSet, MrStrings) {
    SetRun run(MakeNewImage(kModelRM0480));
    const auto r = run.Set(kModelRM0480, {"track1_prefix=[CR]AB", "card_prefix=[[",
                                          "track2_suffix=[LF][LF]", "track3_terminator=[CR]"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(run.Result(), run.Expected({{1968, 0x0D},
                                          {1969, 0x41},
                                          {1970, 0x42},
                                          {2024, 0x5B},
                                          {1992, 0x0A},
                                          {1993, 0x0A},
                                          {2018, 0x0D}}));
    const auto props = RunZeltTool({"props", run.out});
    for (const char* line : {"\ntrack1_prefix=[CR]AB\n", "\ncard_prefix=[[\n",
                             "\ntrack2_suffix=[LF][LF]\n", "\ntrack3_terminator=[CR]\n"}) {
        EXPECT_NE(props.out.find(line), std::string::npos) << line;
    }
}

TEST(ZeltToolSet, LrcOfTrack3KeepsUnusedFlagBits) {
    TemplateImage image = MakeNewImage(kModelRM0480);
    image[2021] = 0x5F;
    SetRun run(image);
    const auto r = run.Set(kModelRM0480, {"track3_lrc=0"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(run.Result(), run.Expected({{2021, 0xDF}}));
}

TEST(ZeltToolSet, ErrorModeAndBeeps) {
    SetRun run(MakeNewImage(kModelRM0480));
    const auto r = run.Set(kModelRM0480, {"error_mode=none", "beeps_error=0"});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(run.Result(), run.Expected({{offsets::kOptionA, 0xE8}, {offsets::kOptionB, 0x56}}));
}

TEST(ZeltToolSet, OutputMayReplaceTheInput) {
    SetRun run(MakeNewImage(kModelRM0480));
    const auto r = RunZeltTool({"set", run.in, "delay=250", "-o", run.in});
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(ReadBytes(run.in), run.Expected({{offsets::kInterCharDelay, 250}}));
}

TEST(ZeltToolSet, BadValuesAreRefusedAndNothingIsWritten) {
    struct Case {
        int model;
        std::string assignment;
        std::string message;
    };
    const std::vector<Case> cases = {
        {kModelRM0480, "track2_suffix=[XY]", "Track2 suffix string error!"},
        {kModelRM0480, "track1_terminator=AB", "Track1 field terminator error!"},
        {kModelRM0480, "card_suffix=12345", "Card data suffix string error!"},
        {kModelRM0480, "track3_prefix=[", "Track3 prefix string error!"},
        {kModelRM0480, "send_break_code=2", "send_break_code must be 0 or 1, not \"2\""},
        {kModelRM0480, "track1_lrc=", "track1_lrc must be 0 or 1, not \"\""},
        {kModelRM0480, "delay=0", "delay must be a whole number from 1 to 250, not \"0\""},
        {kModelRM0480, "delay=251", "delay must be a whole number from 1 to 250, not \"251\""},
        {kModelRM0480, "delay=2x", "delay must be a whole number from 1 to 250, not \"2x\""},
        {kModelRM0480, "error_mode=Skip", "error_mode must be skip or none, not \"Skip\""},
        {kModelTK0517, "parity=odd", "parity must be one of NONE, EVEN, ODD, not \"odd\""},
        {kModelTK0517, "baud_rate=1200",
         "baud_rate must be one of 2400, 4800, 9600, 19200, not \"1200\""},
        {kModelTK0517, "data_bits=9", "data_bits must be one of 7, 8, not \"9\""},
        {kModelRM0480, "baud_rate=9600",
         "baud_rate does not apply to RM0480: it has no RS232 port"},
        {kModelTK0530, "track1_prefix=A",
         "track1_prefix does not apply to TK0530: it has no magnetic stripe reader"},
    };
    for (const Case& c : cases) {
        SetRun run(MakeNewImage(c.model));
        // A valid change first: it must not be written either.
        const auto r = run.Set(c.model, {"alt_number=1", c.assignment});
        EXPECT_EQ(r.exitStatus, 1) << c.assignment;
        EXPECT_EQ(r.err, c.message + "\n");
        EXPECT_FALSE(run.Written()) << c.assignment;
    }
}

TEST(ZeltToolSet, MalformedAssignmentsAreUsageErrors) {
    struct Case {
        std::vector<std::string> assignments;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"delay"}, "\"delay\" is not of the form name=value\n"},
        {{"colour=red"}, "unknown property \"colour\"\n"},
        {{"delay=3", "delay=4"}, "property \"delay\" is given more than once\n"},
    };
    for (const Case& c : cases) {
        SetRun run(MakeNewImage(kModelRM0480));
        const auto r = run.Set(kModelRM0480, c.assignments);
        EXPECT_EQ(r.exitStatus, 2);
        EXPECT_EQ(r.err, c.message);
        EXPECT_FALSE(run.Written());
    }
    SetRun run(MakeNewImage(kModelRM0480));
    const auto r = RunZeltTool({"set", run.in, "-o", run.out});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_FALSE(run.Written());
}

} // namespace
} // namespace zelt
