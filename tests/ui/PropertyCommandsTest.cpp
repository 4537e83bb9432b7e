#include "commands/PropertyCommands.h"

#include "CZELTDoc.h"
#include "ModalAnswer.h"
#include "ModelCode.h"
#include "SettingsStore.h"
#include "seams/WidgetCommandDialogs.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace zelt {
namespace {

using test::AnswerNextModal;

// Answers the two property dialogs by script; the other dialogs are not expected here.
class ScriptedPropertyDialogs final : public CommandDialogs {
public:
    std::function<std::optional<KbProperties>(KbProperties)> kbAnswer;
    std::function<std::optional<MrProperties>(MrProperties)> mrAnswer;
    std::optional<KbProperties> kbShown;
    int opened = 0;

    std::optional<CommPort> ChoosePort() override { return std::nullopt; }
    std::optional<std::string> GetOpenTemplatePath(const std::string&) override { return {}; }
    std::optional<std::string> GetSaveTemplatePath(const std::string&) override { return {}; }
    bool ConfirmSelectKeyboard() override { return false; }
    void ShowAbout() override {}
    std::optional<std::string> GetTextTemplatePath(TextFileAction, const std::string&) override {
        return {};
    }
    std::optional<KbProperties> EditKbProperties(const KbProperties& values) override {
        ++opened;
        kbShown = values;
        return kbAnswer(values);
    }
    std::optional<MrProperties> EditMrProperties(const MrProperties& values,
                                                 MessageSink&) override {
        ++opened;
        return mrAnswer(values);
    }
    std::optional<int> AskDelayTime(MessageSink&) override { return {}; }
    std::optional<int> AskShiftLevel(MessageSink&) override { return {}; }
    std::optional<int> AskAsciiCode(MessageSink&) override { return {}; }
    std::optional<std::string> AskScanCode() override { return {}; }
    void ShowKeyWordList() override {}
};

struct PropertyCommandsTest : ::testing::Test {
    MemorySettingsStore settings;
    CZELTDoc doc{settings, "/nonexistent"};
    RecordingMessageSink messages;
    ScriptedPropertyDialogs dialogs;

    void UseModel(int model) {
        doc.ChangeModel(model);
        doc.SetModifiedFlag(false);
    }
};

TEST_F(PropertyCommandsTest, KbOkMarksModifiedEvenWithoutChanges) {
    const TemplateImage before = doc.image;
    dialogs.kbAnswer = [](KbProperties v) { return v; };
    EXPECT_TRUE(RunKbPropertiesCommand(doc, CommPort::Ps2, dialogs));
    EXPECT_EQ(doc.image, before);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(PropertyCommandsTest, KbCancelChangesNothing) {
    const TemplateImage before = doc.image;
    dialogs.kbAnswer = [](KbProperties) { return std::nullopt; };
    EXPECT_FALSE(RunKbPropertiesCommand(doc, CommPort::Ps2, dialogs));
    EXPECT_EQ(doc.image, before);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(PropertyCommandsTest, KbDialogGetsModelAndPortValues) {
    UseModel(kModelTK0530);
    doc.image[offsets::kOptionA] = 0xF0;
    dialogs.kbAnswer = [](KbProperties v) { return v; };
    EXPECT_TRUE(RunKbPropertiesCommand(doc, CommPort::Usb, dialogs));
    ASSERT_TRUE(dialogs.kbShown.has_value());
    EXPECT_FALSE(dialogs.kbShown->rs232Visible);
    EXPECT_EQ(doc.image[offsets::kOptionA], 0xE0);

    dialogs.kbAnswer = [](KbProperties v) {
        v.parityIndex = kParityOdd;
        return v;
    };
    EXPECT_TRUE(RunKbPropertiesCommand(doc, CommPort::Ps2, dialogs));
    EXPECT_TRUE(dialogs.kbShown->rs232Visible);
    EXPECT_EQ(doc.image[offsets::kOptionB], 0x9A);
}

TEST_F(PropertyCommandsTest, MrOkMarksModifiedOnlyWhenTheImageChanged) {
    dialogs.mrAnswer = [](MrProperties v) { return v; };
    EXPECT_TRUE(RunMrPropertiesCommand(doc, dialogs, messages));
    EXPECT_FALSE(doc.IsModified());

    dialogs.mrAnswer = [](MrProperties v) {
        v.tracks[0].prefix = "[CR]AB";
        return v;
    };
    EXPECT_TRUE(RunMrPropertiesCommand(doc, dialogs, messages));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.image[1968], 0x0D);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(PropertyCommandsTest, MrCancelChangesNothing) {
    const TemplateImage before = doc.image;
    dialogs.mrAnswer = [](MrProperties) { return std::nullopt; };
    EXPECT_FALSE(RunMrPropertiesCommand(doc, dialogs, messages));
    EXPECT_EQ(doc.image, before);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(PropertyCommandsTest, MrInvalidValuesAreNeverWritten) {
    const TemplateImage before = doc.image;
    dialogs.mrAnswer = [](MrProperties v) {
        v.beepsError = false;
        v.cardPrefix = "[TB][TB][TB][TB][TB]";
        return v;
    };
    EXPECT_FALSE(RunMrPropertiesCommand(doc, dialogs, messages));
    EXPECT_EQ(doc.image, before);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Card data prefix string error!"});
}

// The real dialogs, answered through their controls from their own event loops.
TEST_F(PropertyCommandsTest, RealKbDialogOddParity) {
    UseModel(kModelTK0530);
    WidgetCommandDialogs real;
    AnswerNextModal([](QWidget* modal) {
        modal->findChild<QComboBox*>(QStringLiteral("parityList"))->setCurrentIndex(2);
        QTest::keyClick(modal, Qt::Key_Return);
    });
    EXPECT_TRUE(RunKbPropertiesCommand(doc, CommPort::Ps2, real));
    EXPECT_EQ(doc.image[offsets::kOptionB], 0x9A);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(PropertyCommandsTest, RealMrDialogTypedPrefixAndEscape) {
    WidgetCommandDialogs real;
    AnswerNextModal([](QWidget* modal) {
        auto* prefix = modal->findChild<QLineEdit*>(QStringLiteral("track1PrefixEdit"));
        QTest::keyClicks(prefix, QStringLiteral("[CR]AB"));
        QTest::keyClick(prefix, Qt::Key_Return);
    });
    EXPECT_TRUE(RunMrPropertiesCommand(doc, real, messages));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.image[1968], 0x0D);
    EXPECT_EQ(doc.image[1970], 0x42);

    const TemplateImage before = doc.image;
    AnswerNextModal([](QWidget* modal) {
        auto* suffix = modal->findChild<QLineEdit*>(QStringLiteral("track2SuffixEdit"));
        QTest::keyClicks(suffix, QStringLiteral("XY"));
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    EXPECT_FALSE(RunMrPropertiesCommand(doc, real, messages));
    EXPECT_EQ(doc.image, before);
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
} // namespace zelt
