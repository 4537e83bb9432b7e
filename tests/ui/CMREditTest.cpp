#include "dialogs/CMREdit.h"

#include "ControlIdChecks.h"
#include "ModelCode.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace zelt {
namespace {

template <typename T> T* Find(const QDialog& dialog, const QString& name) {
    T* child = dialog.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
}

QLineEdit* Edit(const QDialog& dialog, const char* name) {
    return Find<QLineEdit>(dialog, QString::fromLatin1(name));
}

QCheckBox* Check(const QDialog& dialog, const QString& name) {
    return Find<QCheckBox>(dialog, name);
}

std::vector<std::uint8_t> Bytes(const TemplateImage& image, std::size_t offset, std::size_t n) {
    return {image.begin() + static_cast<std::ptrdiff_t>(offset),
            image.begin() + static_cast<std::ptrdiff_t>(offset + n)};
}

void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Characters beyond ASCII arrive as composed input rather than as key presses.
void Compose(QLineEdit* edit, const QString& text) {
    edit->insert(text);
}

// The edit loses the focus the way tabbing away does.
void Leave(QLineEdit* edit, Qt::FocusReason reason = Qt::TabFocusReason) {
    QFocusEvent focusOut(QEvent::FocusOut, reason);
    QApplication::sendEvent(edit, &focusOut);
}

struct MrDialogRun {
    TemplateImage image = MakeNewImage(kModelRM0480);
    RecordingMessageSink messages;

    // Opens the dialog, lets the test drive it, presses OK and, when the dialog closed,
    // writes the values back as the command does.
    template <typename Drive> MrWriteResult Run(Drive drive, bool expectAccepted = true) {
        CMREdit dialog(ReadMrProperties(image), messages);
        dialog.show();
        drive(dialog);
        QTest::mouseClick(Find<QPushButton>(dialog, QStringLiteral("okButton")), Qt::LeftButton);
        EXPECT_EQ(dialog.result() == QDialog::Accepted, expectAccepted);
        if (dialog.result() != QDialog::Accepted) {
            return {};
        }
        return WriteMrProperties(image, dialog.Values());
    }
};

TEST(CMREdit, CaptionsAndLimits) {
    RecordingMessageSink messages;
    CMREdit dialog(MrProperties{}, messages);
    EXPECT_EQ(dialog.windowTitle(), "Config MR properties");
    const char* separators[] = {"Enable separator", "Enable seperator", "Enable seperator"};
    for (int t = 1; t <= 3; ++t) {
        const QString track = QStringLiteral("track%1").arg(t);
        EXPECT_EQ(Find<QGroupBox>(dialog, track + "Group")->title(),
                  QStringLiteral("Track%1 Properties").arg(t));
        EXPECT_EQ(Check(dialog, track + "DataCheck")->text(), "Enable data");
        EXPECT_EQ(Check(dialog, track + "StartSentinelCheck")->text(), "Enable start sentinel");
        EXPECT_EQ(Check(dialog, track + "EndSentinelCheck")->text(), "Enable end sentinel");
        EXPECT_EQ(Check(dialog, track + "SeparatorCheck")->text(), separators[t - 1]);
        EXPECT_EQ(Check(dialog, track + "LrcCheck")->text(), "Enable LRC output");
        // Room for the longest text that fits the bytes: a keyword per byte.
        EXPECT_EQ(Find<QLineEdit>(dialog, track + "PrefixEdit")->maxLength(), 32);
        EXPECT_EQ(Find<QLineEdit>(dialog, track + "SuffixEdit")->maxLength(), 32);
        EXPECT_EQ(Find<QLineEdit>(dialog, track + "TerminatorEdit")->maxLength(), 4);
    }
    EXPECT_EQ(Edit(dialog, "cardPrefixEdit")->maxLength(), 16);
    EXPECT_EQ(Edit(dialog, "cardSuffixEdit")->maxLength(), 16);
    EXPECT_EQ(Check(dialog, "beepGoodReadCheck")->text(), "Enable beep at good read");
    EXPECT_EQ(Check(dialog, "beepsErrorCheck")->text(), "Enable 3 beepsat card read error");
    EXPECT_EQ(Find<QRadioButton>(dialog, "skipTrackRadio")->text(),
              "Skip output of track with error");
    EXPECT_EQ(Find<QRadioButton>(dialog, "noOutputRadio")->text(), "No data output with any error");

    for (int t = 1; t <= 3; ++t) {
        const QString track = QStringLiteral("track%1").arg(t);
        EXPECT_EQ(Find<QLabel>(dialog, track + "PrefixLabel")->text(), "Prefix:");
        EXPECT_EQ(Find<QLabel>(dialog, track + "SuffixLabel")->text(), "Suffix:");
        EXPECT_EQ(Find<QLabel>(dialog, track + "TerminatorLabel")->text(), "Field Terminator:");
    }
    EXPECT_EQ(Find<QLabel>(dialog, "cardPrefixLabel")->text(), "Card Data Prefix:");
    EXPECT_EQ(Find<QLabel>(dialog, "cardSuffixLabel")->text(), "Card Data Suffix:");
    // Every control can be found by tests and tools.
    for (const QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_FALSE(child->objectName().isEmpty()) << child->metaObject()->className();
    }
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
        for (const QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            EXPECT_FALSE(child->objectName().isEmpty()) << child->metaObject()->className();
        }
    }
}

// Each control carries its id; an id on the wrong control would pass the object name checks.
TEST(CMREdit, ControlIds) {
    RecordingMessageSink messages;
    CMREdit dialog(MrProperties{}, messages);
    const test::ControlIdTable ids = {
        {1027, "track1PrefixEdit"},     {1028, "track1SuffixEdit"},
        {1094, "track1TerminatorEdit"}, {1030, "track1DataCheck"},
        {1031, "track1SeparatorCheck"}, {1034, "track1StartSentinelCheck"},
        {1036, "track1LrcCheck"},       {1038, "track1EndSentinelCheck"},
        {1041, "track2PrefixEdit"},     {1042, "track2SuffixEdit"},
        {1043, "track2TerminatorEdit"}, {1044, "track2DataCheck"},
        {1045, "track2SeparatorCheck"}, {1048, "track2StartSentinelCheck"},
        {1050, "track2LrcCheck"},       {1052, "track2EndSentinelCheck"},
        {1055, "track3PrefixEdit"},     {1056, "track3SuffixEdit"},
        {1057, "track3TerminatorEdit"}, {1058, "track3DataCheck"},
        {1059, "track3SeparatorCheck"}, {1062, "track3StartSentinelCheck"},
        {1064, "track3LrcCheck"},       {1066, "track3EndSentinelCheck"},
        {1060, "cardSuffixEdit"},       {1065, "cardPrefixEdit"},
        {1069, "beepGoodReadCheck"},    {1070, "beepsErrorCheck"},
        {1079, "skipTrackRadio"},       {1080, "noOutputRadio"},
    };
    test::ExpectControlIds(dialog, ids);
}

TEST(CMREdit, NewImageDefaultsAndOkChangesNothing) {
    MrDialogRun run;
    const TemplateImage before = run.image;
    const MrWriteResult result = run.Run([](CMREdit& dialog) {
        for (const MrField field : kAllMrFields) {
            EXPECT_TRUE(dialog.Edit(field)->text().isEmpty());
        }
        for (int t = 1; t <= 3; ++t) {
            const QString track = QStringLiteral("track%1").arg(t);
            EXPECT_TRUE(Check(dialog, track + "DataCheck")->isChecked());
            EXPECT_TRUE(Check(dialog, track + "StartSentinelCheck")->isChecked());
            EXPECT_TRUE(Check(dialog, track + "EndSentinelCheck")->isChecked());
            EXPECT_TRUE(Check(dialog, track + "SeparatorCheck")->isChecked());
            EXPECT_FALSE(Check(dialog, track + "LrcCheck")->isChecked());
        }
        EXPECT_TRUE(Find<QRadioButton>(dialog, "skipTrackRadio")->isChecked());
        EXPECT_FALSE(Find<QRadioButton>(dialog, "noOutputRadio")->isChecked());
        EXPECT_TRUE(Check(dialog, "beepGoodReadCheck")->isChecked());
        EXPECT_TRUE(Check(dialog, "beepsErrorCheck")->isChecked());
    });
    EXPECT_FALSE(result.changed);
    EXPECT_EQ(run.image, before);
    EXPECT_TRUE(run.messages.messages.empty());
}

TEST(CMREdit, TypedPrefixIsStoredAsBytes) {
    MrDialogRun run;
    EXPECT_TRUE(run.Run([](CMREdit& dialog) {
                       Type(Edit(dialog, "track1PrefixEdit"), QStringLiteral("[CR]AB"));
                   })
                    .changed);
    EXPECT_EQ(Bytes(run.image, 1968, 8),
              (std::vector<std::uint8_t>{0x0D, 0x41, 0x42, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(CMREdit, LiteralBracketInCardPrefixShownAgain) {
    MrDialogRun run;
    run.Run([](CMREdit& dialog) { Type(Edit(dialog, "cardPrefixEdit"), QStringLiteral("[[")); });
    EXPECT_EQ(Bytes(run.image, 2024, 4), (std::vector<std::uint8_t>{0x5B, 0xFF, 0xFF, 0xFF}));
    run.Run([](CMREdit& dialog) { EXPECT_EQ(Edit(dialog, "cardPrefixEdit")->text(), "[["); });
}

TEST(CMREdit, FieldCheckOnLeavingTrack2Suffix) {
    RecordingMessageSink messages;
    CMREdit dialog(ReadMrProperties(MakeNewImage(kModelRM0480)), messages);
    QLineEdit* suffix = Edit(dialog, "track2SuffixEdit");

    Type(suffix, QStringLiteral("[XY]"));
    Leave(suffix);
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Track2 suffix string error!"});
    EXPECT_EQ(suffix->text(), "[XY]"); // the text stays as typed

    Type(suffix, QStringLiteral("[LF][LF]"));
    Leave(suffix);
    EXPECT_EQ(messages.messages.size(), 1U);

    // Switching windows or opening the edit's context menu is not leaving the field.
    Type(suffix, QStringLiteral("[LF"));
    Leave(suffix, Qt::ActiveWindowFocusReason);
    Leave(suffix, Qt::PopupFocusReason);
    EXPECT_EQ(messages.messages.size(), 1U);
    Leave(suffix, Qt::MouseFocusReason);
    EXPECT_EQ(messages.messages.size(), 2U);
}

TEST(CMREdit, EveryFieldHasItsMessage) {
    const std::vector<std::pair<const char*, const char*>> fields = {
        {"cardPrefixEdit", "Card data prefix string error!"},
        {"cardSuffixEdit", "Card data suffix string error!"},
        {"track1PrefixEdit", "Track1 prefix string error!"},
        {"track1SuffixEdit", "Track1 suffix string error!"},
        {"track1TerminatorEdit", "Track1 field terminator error!"},
        {"track2PrefixEdit", "Track2 prefix string error!"},
        {"track2SuffixEdit", "Track2 suffix string error!"},
        {"track2TerminatorEdit", "Track2 field terminator error!"},
        {"track3PrefixEdit", "Track3 prefix string error!"},
        {"track3SuffixEdit", "Track3 suffix string error!"},
        {"track3TerminatorEdit", "Track3 field terminator error!"},
    };
    for (const auto& [name, message] : fields) {
        RecordingMessageSink messages;
        CMREdit dialog(MrProperties{}, messages);
        Type(Edit(dialog, name), QStringLiteral("[C"));
        Leave(Edit(dialog, name));
        EXPECT_EQ(messages.messages, std::vector<std::string>{message}) << name;
    }
}

TEST(CMREdit, KeywordTerminatorCanBeConfirmed) {
    MrDialogRun run;
    run.image[2016] = 0x0D;
    const MrWriteResult result = run.Run([](CMREdit& dialog) {
        QLineEdit* terminator = Edit(dialog, "track1TerminatorEdit");
        EXPECT_EQ(terminator->text(), "[CR]");
        Leave(terminator);
        // A second keyword does not fit: the control already holds the longest text that can.
        terminator->end(false);
        QTest::keyClicks(terminator, QStringLiteral("[LF]"));
        EXPECT_EQ(terminator->text(), "[CR]");
        Type(Edit(dialog, "track3TerminatorEdit"), QStringLiteral("[TB]"));
    });
    EXPECT_TRUE(run.messages.messages.empty());
    EXPECT_TRUE(result.changed);
    EXPECT_EQ(Bytes(run.image, 2016, 3), (std::vector<std::uint8_t>{0x0D, 0xFF, 0x09}));
}

TEST(CMREdit, OkRefusedWhileAFieldIsBad) {
    MrDialogRun run;
    const TemplateImage before = run.image;
    CMREdit dialog(ReadMrProperties(run.image), run.messages);
    dialog.show();
    Type(Edit(dialog, "cardSuffixEdit"), QStringLiteral("12345"));
    Type(Edit(dialog, "track2SuffixEdit"), QStringLiteral("[XY]"));
    Check(dialog, QStringLiteral("track1DataCheck"))->click();
    QPushButton* ok = Find<QPushButton>(dialog, QStringLiteral("okButton"));

    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_FALSE(run.messages.messages.empty());
    EXPECT_EQ(run.messages.messages.back(), "Track2 suffix string error!");

    Type(Edit(dialog, "track2SuffixEdit"), QStringLiteral("]"));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(run.messages.messages.back(), "Card data suffix string error!");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(run.image, before);

    Type(Edit(dialog, "cardSuffixEdit"), QStringLiteral("1234"));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const MrProperties values = dialog.Values();
    EXPECT_EQ(values.tracks[1].suffix, "]");
    EXPECT_EQ(values.cardSuffix, "1234");
    EXPECT_FALSE(values.tracks[0].data);
}

// Clicking OK straight from a bad field is one act of the user: leaving the field and the
// refused OK must not show the same message twice in a row.
TEST(CMREdit, OkClickedFromBadFieldShowsOneMessage) {
    MrDialogRun run;
    CMREdit dialog(ReadMrProperties(run.image), run.messages);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QLineEdit* suffix = Edit(dialog, "track2SuffixEdit");
    suffix->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(suffix->hasFocus());
    Type(suffix, QStringLiteral("[XY]"));
    QPushButton* ok = Find<QPushButton>(dialog, QStringLiteral("okButton"));

    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(run.messages.messages, std::vector<std::string>{"Track2 suffix string error!"});
    EXPECT_TRUE(suffix->hasFocus());

    // Each further click is again one message.
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(run.messages.messages.size(), 2U);

    // Leaving the field for another one still reports it there and then.
    QTest::mouseClick(Edit(dialog, "track1PrefixEdit"), Qt::LeftButton);
    EXPECT_EQ(run.messages.messages.size(), 3U);
    Type(suffix, QStringLiteral("[LF]"));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(run.messages.messages.size(), 3U);
}

TEST(CMREdit, CharacterOutsideCodePageIsRefused) {
    MrDialogRun run;
    const MrWriteResult result = run.Run(
        [](CMREdit& dialog) {
            Compose(Edit(dialog, "track3PrefixEdit"), QString::fromUtf8("A\u03A9"));
            Leave(Edit(dialog, "track3PrefixEdit"));
        },
        false);
    EXPECT_EQ(run.messages.messages, (std::vector<std::string>{"Track3 prefix string error!",
                                                               "Track3 prefix string error!"}));
    EXPECT_FALSE(result.changed);
}

TEST(CMREdit, HighBytesShownAndStoredAsWindows1252) {
    MrDialogRun run;
    run.image[2000] = 0x80; // euro sign
    run.image[2001] = 0xE9; // e acute
    run.Run([](CMREdit& dialog) {
        QLineEdit* prefix = Edit(dialog, "track3PrefixEdit");
        EXPECT_EQ(prefix->text(), QString::fromUtf8("\u20AC\u00E9"));
        prefix->end(false);
        Compose(prefix, QString::fromUtf8("\u00FC"));
    });
    EXPECT_EQ(Bytes(run.image, 2000, 4), (std::vector<std::uint8_t>{0x80, 0xE9, 0xFC, 0xFF}));
}

// Whatever bytes the fields hold, opening the dialog and pressing OK stores them unchanged.
TEST(CMREdit, EveryByteSurvivesOk) {
    int next = 0;
    while (next < 0xFF) {
        MrDialogRun run;
        for (const MrField field : kAllMrFields) {
            for (std::size_t i = 0; i < MrFieldSize(field) && next < 0xFF; ++i) {
                run.image[MrFieldOffset(field) + i] = static_cast<std::uint8_t>(next++);
            }
        }
        const TemplateImage before = run.image;
        EXPECT_FALSE(run.Run([](CMREdit&) {}).changed) << next;
        EXPECT_EQ(run.image, before);
        EXPECT_TRUE(run.messages.messages.empty());
    }
}

TEST(CMREdit, LrcOfTrack3KeepsUnusedFlagBits) {
    MrDialogRun run;
    run.image[2021] = 0x5F; // bits 4 and 6 set, LRC output on
    run.Run([](CMREdit& dialog) {
        QCheckBox* lrc = Check(dialog, QStringLiteral("track3LrcCheck"));
        EXPECT_TRUE(lrc->isChecked());
        lrc->click();
    });
    EXPECT_EQ(run.image[2021], 0xDF);
}

TEST(CMREdit, ErrorModeAndBeepsThroughTheirControls) {
    MrDialogRun run;
    run.Run([](CMREdit& dialog) {
        Find<QRadioButton>(dialog, QStringLiteral("noOutputRadio"))->click();
        Check(dialog, QStringLiteral("beepsErrorCheck"))->click();
    });
    EXPECT_EQ(run.image[offsets::kOptionA], 0xE8);
    EXPECT_EQ(run.image[offsets::kOptionB], 0x56);
    run.Run([](CMREdit& dialog) {
        EXPECT_TRUE(Find<QRadioButton>(dialog, QStringLiteral("noOutputRadio"))->isChecked());
        EXPECT_FALSE(Check(dialog, QStringLiteral("beepsErrorCheck"))->isChecked());
    });
}

TEST(CMREdit, CancelTakesNothing) {
    RecordingMessageSink messages;
    const MrProperties initial = ReadMrProperties(MakeNewImage(kModelRM0480));
    CMREdit dialog(initial, messages);
    dialog.show();
    Type(Edit(dialog, "track1PrefixEdit"), QStringLiteral("[XY]"));
    QTest::mouseClick(Find<QPushButton>(dialog, QStringLiteral("cancelButton")), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
} // namespace zelt
