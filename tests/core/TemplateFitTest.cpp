#include "TemplateFit.h"

#include "KeyArea.h"
#include "ModelCode.h"
#include "TemplateData.h"

#include <gtest/gtest.h>

#include <string>

namespace zelt {
namespace {

TemplateData Data(int model) {
    TemplateData data;
    data.modelCode = model;
    data.image = MakeNewImage(model);
    return data;
}

std::string& Key(TemplateData& data, int keyNumber) {
    return data.keyContents[static_cast<std::size_t>(keyNumber - 1)];
}

TEST(TemplateFitTest, CountsEncodedBytesAndTerminators) {
    TemplateData data = Data(kModelRM0410);
    EXPECT_EQ(KeyAreaBytesNeeded(data), 176);
    Key(data, 1) = "abc[CR]";       // 4 bytes
    Key(data, 2) = "[PrintScreen]"; // FF E0 2A E0 37
    Key(data, 3) = "[ShiftLevel3]"; // four times FF
    Key(data, 161) = "xyz";         // no mirror outside the RM0480
    EXPECT_EQ(KeyAreaBytesNeeded(data), 176 + 4 + 5 + 4 + 3);
}

TEST(TemplateFitTest, CountsTheRM0480KeyLockCopy) {
    TemplateData data = Data(kModelRM0480);
    Key(data, 161) = "abc";
    EXPECT_EQ(KeyAreaBytesNeeded(data), 176 + 3 + 3);
    Key(data, 161) = "";
    Key(data, 122) = "wxyz";
    EXPECT_EQ(KeyAreaBytesNeeded(data), 176 + 4 + 4);
    EXPECT_EQ(Key(data, 161), "") << "measuring changes no content";
}

TEST(TemplateFitTest, RefusesContentsBeyondTheKeyArea) {
    TemplateData data = Data(kModelTK0530);
    Key(data, 1) = std::string(1792, 'a');
    EXPECT_EQ(KeyAreaBytesNeeded(data), 1968);
    EXPECT_EQ(CheckKeyAreaFits(data), std::nullopt);

    Key(data, 2) = "b";
    ASSERT_TRUE(CheckKeyAreaFits(data).has_value());
    EXPECT_EQ(*CheckKeyAreaFits(data),
              "The template is 1 byte too large for the keyboard's memory and cannot be "
              "written.\nShorten or clear some keys and try again.");
    Key(data, 3) = "[F1][F2]";
    EXPECT_NE(CheckKeyAreaFits(data)->find("is 4 bytes too large"), std::string::npos);
}

// The space left counts the RM0480's "KeyLock" once, but the builder writes it twice: the
// check must go by what will be written.
TEST(TemplateFitTest, KeyLockCopyCanTipTheBalance) {
    TemplateData data = Data(kModelRM0480);
    Key(data, 1) = std::string(1777, 'a');
    Key(data, 161) = std::string(10, 'k');
    EXPECT_EQ(GetSpaceLeft(data), 5);
    ASSERT_TRUE(CheckKeyAreaFits(data).has_value());
    EXPECT_NE(CheckKeyAreaFits(data)->find("is 5 bytes too large"), std::string::npos);
}

TEST(TemplateFitTest, CanBuildKeyAreaShowsTheFirstProblem) {
    RecordingMessageSink messages;
    TemplateData data = Data(kModelTK0530);
    EXPECT_TRUE(CanBuildKeyArea(data, messages));
    EXPECT_TRUE(messages.messages.empty());

    Key(data, 1) = std::string(2000, 'a');
    Key(data, 5) = "[F1]x";
    EXPECT_FALSE(CanBuildKeyArea(data, messages));
    ASSERT_EQ(messages.messages.size(), 1U);
    EXPECT_EQ(messages.messages[0], "Wrong function word or scan code word!!");

    Key(data, 5) = "";
    EXPECT_FALSE(CanBuildKeyArea(data, messages));
    ASSERT_EQ(messages.messages.size(), 2U);
    EXPECT_NE(messages.messages[1].find("208 bytes too large"), std::string::npos);
}

} // namespace
} // namespace zelt
