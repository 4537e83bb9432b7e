#include "ZeltToolTest.h"

#include <gtest/gtest.h>

namespace zelt {
namespace {

using testing::RunZeltTool;

TEST(ZeltToolCommandLine, HelpListsEveryCommandAndSucceeds) {
    const auto r = RunZeltTool({"--help"});
    EXPECT_EQ(r.exitStatus, 0);
    for (const char* verb : {"new", "check"}) {
        EXPECT_NE(r.out.find(verb), std::string::npos) << verb;
    }
}

TEST(ZeltToolCommandLine, EveryOptionHasHelpText) {
    const auto r = RunZeltTool({"new", "--help"});
    EXPECT_EQ(r.exitStatus, 0);
    EXPECT_NE(r.out.find("Keyboard model code"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Template file to write"), std::string::npos) << r.out;
}

TEST(ZeltToolCommandLine, UsageErrorsExitWith2) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                                 {"frobnicate"},
                                                 {"check"},
                                                 {"check", "a", "b"},
                                                 {"check", "--no-such-option", "x"}}) {
        const auto r = RunZeltTool(args);
        EXPECT_EQ(r.exitStatus, 2) << (args.empty() ? "" : args[0]);
        EXPECT_FALSE(r.err.empty());
    }
}

TEST(ZeltToolCommandLine, FailingOutputStreamIsReported) {
    // /dev/full accepts the open but fails every write, like a full disk.
    const auto r =
        testing::RunProcess("/bin/sh", {"-c", std::string(ZELT_TOOL_PATH) + " --help > /dev/full"});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_EQ(r.err, "Cannot write the output.\n");
}

} // namespace
} // namespace zelt
