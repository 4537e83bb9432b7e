#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace zelt {
namespace {

CommandLineResult Parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("zelt"));
    return ParseCommandLine(arguments);
}

TEST(CommandLine, NoArgumentsStartsWithANewTemplateAndAsksForThePort) {
    const CommandLineResult result = Parse({});
    ASSERT_TRUE(result.options);
    EXPECT_EQ(result.options->templateFile, std::nullopt);
    EXPECT_EQ(result.options->port, std::nullopt);
    EXPECT_FALSE(result.options->exitAfterFirstPaint);
}

TEST(CommandLine, PortAnsweredInAdvance) {
    const std::vector<std::pair<QStringList, CommPort>> cases = {
        {{QStringLiteral("--port"), QStringLiteral("usb")}, CommPort::Usb},
        {{QStringLiteral("--port=ps2")}, CommPort::Ps2},
        {{QStringLiteral("--port"), QStringLiteral("PS2")}, CommPort::Ps2},
        {{QStringLiteral("--port"), QStringLiteral("USB")}, CommPort::Usb},
    };
    for (const auto& [arguments, port] : cases) {
        const CommandLineResult result = Parse(arguments);
        ASSERT_TRUE(result.options) << arguments.join(' ').toStdString();
        EXPECT_EQ(result.options->port, port);
    }
}

TEST(CommandLine, TemplateFile) {
    const CommandLineResult result =
        Parse({QStringLiteral("--port"), QStringLiteral("usb"), QStringLiteral("/tmp/k.tpl")});
    ASSERT_TRUE(result.options);
    EXPECT_EQ(result.options->templateFile, "/tmp/k.tpl");
}

TEST(CommandLine, UsageErrorsEndWithStatusTwoAndSayWhy) {
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("--port"), QStringLiteral("serial")},
          QStringList{QStringLiteral("--port")}, QStringList{QStringLiteral("--colour")},
          QStringList{QStringLiteral("a.tpl"), QStringLiteral("b.tpl")}}) {
        const CommandLineResult result = Parse(arguments);
        EXPECT_FALSE(result.options) << arguments.join(' ').toStdString();
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.outputIsError);
        EXPECT_FALSE(result.output.empty());
    }
    EXPECT_NE(Parse({QStringLiteral("--port"), QStringLiteral("serial")}).output.find("serial"),
              std::string::npos);
}

TEST(CommandLine, HelpDescribesThePortOptionAndEndsWithStatusZero) {
    const CommandLineResult result = Parse({QStringLiteral("--help")});
    EXPECT_FALSE(result.options);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_FALSE(result.outputIsError);
    EXPECT_NE(result.output.find("--port <usb|ps2>"), std::string::npos);
    EXPECT_NE(result.output.find("Usage: zelt [options] [file]"), std::string::npos);
    EXPECT_NE(result.output.find("[file]"), std::string::npos);
    EXPECT_EQ(result.output.find("exit-after-first-paint"), std::string::npos);
}

TEST(CommandLine, ExitAfterFirstPaintForTimingRuns) {
    const CommandLineResult result = Parse({QStringLiteral("--exit-after-first-paint")});
    ASSERT_TRUE(result.options);
    EXPECT_TRUE(result.options->exitAfterFirstPaint);
}

} // namespace
} // namespace zelt
