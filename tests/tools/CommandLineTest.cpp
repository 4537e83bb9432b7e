#include "ZeltToolTest.h"

#include <gtest/gtest.h>

namespace zelt {
namespace {

using testing::RunZeltTool;

TEST(ZeltToolCommandLine, HelpListsEveryCommandAndSucceeds) {
    const auto r = RunZeltTool({"--help"});
    EXPECT_EQ(r.exitStatus, 0);
    for (const char* verb : {"new", "check", "keys", "encode", "space"}) {
        EXPECT_NE(r.out.find(verb), std::string::npos) << verb;
    }
}

TEST(ZeltToolCommandLine, EveryOptionHasHelpText) {
    const std::pair<const char*, std::vector<const char*>> verbs[] = {
        {"new", {"Keyboard model code", "Template file to write"}},
        {"check", {"Keyboard model code", "Template file to check"}},
        {"keys", {"Keyboard model code", "Template file to read"}},
        {"space", {"Keyboard model code", "Template file to read"}},
        {"encode", {"--escaped", "TEXT..."}},
    };
    for (const auto& [verb, texts] : verbs) {
        const auto r = RunZeltTool({verb, "--help"});
        EXPECT_EQ(r.exitStatus, 0) << verb;
        for (const char* text : texts) {
            EXPECT_NE(r.out.find(text), std::string::npos) << verb << ": " << text;
        }
    }
}

TEST(ZeltToolCommandLine, FailingOutputOfACommandIsReported) {
    const auto r = testing::RunProcess(
        "/bin/sh", {"-c", std::string(ZELT_TOOL_PATH) + " encode abc > /dev/full"});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_EQ(r.err, "Cannot write the output.\n");
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
