#include "dialogs/CProperty.h"

#include "ControlIdChecks.h"
#include "ModelCode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace zelt {
namespace {

template <typename T> T* Find(const QDialog& dialog, const char* name) {
    T* child = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

bool Checked(const QDialog& dialog, const char* name) {
    return Find<QCheckBox>(dialog, name)->isChecked();
}

// Opens the dialog on the values of an image, lets the test drive its controls, presses OK
// and writes the result back as the command does.
struct KbDialogRun {
    TemplateImage image;
    int model;
    CommPort port;

    template <typename Drive> bool Run(Drive drive) {
        CProperty dialog(ReadKbProperties(image, model, port));
        dialog.show();
        drive(dialog);
        QTest::mouseClick(Find<QPushButton>(dialog, "okButton"), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        return WriteKbProperties(image, model, dialog.Values());
    }
};

TEST(CProperty, CaptionsAndNames) {
    CProperty dialog(KbProperties{});
    EXPECT_EQ(dialog.windowTitle(), "Config KB properties");
    const std::vector<std::pair<const char*, const char*>> checks = {
        {"sendBreakCodeCheck", "Send break-code for scan code mode key"},
        {"beepWhenTypedCheck", "Enable beeping when a key typed"},
        {"noBeepUndefinedCheck", "No beeping if a key is not defined"},
        {"translateSet2Check", "Translate scan code set#2 for PC/AT"},
        {"typematicScanCheck", "Enable typematic for scan code"},
        {"typematicAsciiCheck", "Enable typematic for ASCII code"},
        {"altNumberCheck", "Use <Alt>+number key to make ASCII code"},
        {"oposJposCheck", "OPOS/JPOS"},
        {"usePortCheck", "Use port"},
    };
    for (const auto& [name, caption] : checks) {
        EXPECT_EQ(Find<QCheckBox>(dialog, name)->text(), caption);
    }
    EXPECT_EQ(Find<QGroupBox>(dialog, "keyboardFeaturesGroup")->title(), "Keyboard features");
    EXPECT_EQ(Find<QGroupBox>(dialog, "configGroup")->title(), "Config");
    EXPECT_EQ(Find<QGroupBox>(dialog, "rs232Group")->title(), "RS232 port");
    EXPECT_EQ(Find<QLabel>(dialog, "baudRateListLabel")->text(), "Baud rate:");
    EXPECT_EQ(Find<QLabel>(dialog, "parityListLabel")->text(), "Parity check:");
    EXPECT_EQ(Find<QLabel>(dialog, "dataBitsListLabel")->text(), "Bit number:");
    EXPECT_EQ(Find<QLabel>(dialog, "delayLabel")->text(), "Inter-character delay(mS)");

    const auto entries = [&](const char* name) {
        QStringList texts;
        const QComboBox* list = Find<QComboBox>(dialog, name);
        for (int i = 0; i < list->count(); ++i) {
            texts << list->itemText(i);
        }
        return texts;
    };
    EXPECT_EQ(entries("baudRateList"), (QStringList{"2400", "4800", "9600", "19200"}));
    EXPECT_EQ(entries("parityList"), (QStringList{"NONE", "EVEN", "ODD"}));
    EXPECT_EQ(entries("dataBitsList"), (QStringList{"7 Bits", "8 Bits"}));
    for (const QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_FALSE(child->objectName().isEmpty()) << child->metaObject()->className();
    }
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
        for (const QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            EXPECT_FALSE(child->objectName().isEmpty()) << child->metaObject()->className();
        }
    }
    const QSpinBox* delay = Find<QSpinBox>(dialog, "delaySpin");
    EXPECT_EQ(delay->minimum(), 1);
    EXPECT_EQ(delay->maximum(), 250);
}

// Each control carries its id; an id on the wrong control would pass the object name checks.
TEST(CProperty, ControlIds) {
    CProperty dialog(KbProperties{});
    const test::ControlIdTable ids = {
        {1001, "sendBreakCodeCheck"},  {1002, "beepWhenTypedCheck"}, {1003, "noBeepUndefinedCheck"},
        {1004, "translateSet2Check"},  {1006, "altNumberCheck"},     {1007, "typematicScanCheck"},
        {1008, "typematicAsciiCheck"}, {1012, "usePortCheck"},       {1013, "baudRateList"},
        {1014, "parityList"},          {1015, "dataBitsList"},       {1083, "oposJposCheck"},
        {1090, "rs232Group"},          {1091, "baudRateListLabel"},  {1092, "parityListLabel"},
        {1093, "dataBitsListLabel"},
    };
    test::ExpectControlIds(dialog, ids);
}

TEST(CProperty, NewMrImageShowsDefaultsAndOkChangesNothing) {
    KbDialogRun run{MakeNewImage(kModelRM0480), kModelRM0480, CommPort::Ps2};
    const TemplateImage before = run.image;
    const bool changed = run.Run([](CProperty& dialog) {
        EXPECT_TRUE(Checked(dialog, "sendBreakCodeCheck"));
        EXPECT_TRUE(Checked(dialog, "beepWhenTypedCheck"));
        EXPECT_TRUE(Checked(dialog, "noBeepUndefinedCheck"));
        EXPECT_TRUE(Checked(dialog, "translateSet2Check"));
        EXPECT_TRUE(Checked(dialog, "typematicScanCheck"));
        EXPECT_FALSE(Checked(dialog, "typematicAsciiCheck"));
        EXPECT_FALSE(Checked(dialog, "altNumberCheck"));
        EXPECT_FALSE(Checked(dialog, "oposJposCheck"));
        EXPECT_EQ(Find<QSpinBox>(dialog, "delaySpin")->value(), 2);
        const QGroupBox* rs232 = Find<QGroupBox>(dialog, "rs232Group");
        EXPECT_FALSE(rs232->isVisible());
        EXPECT_FALSE(rs232->isEnabled());
    });
    EXPECT_FALSE(changed);
    EXPECT_EQ(run.image, before);
}

TEST(CProperty, OddParityOnNewRs232Image) {
    KbDialogRun run{MakeNewImage(kModelTK0530), kModelTK0530, CommPort::Ps2};
    run.Run([](CProperty& dialog) {
        const QGroupBox* rs232 = Find<QGroupBox>(dialog, "rs232Group");
        EXPECT_TRUE(rs232->isVisible());
        EXPECT_TRUE(rs232->isEnabled());
        EXPECT_TRUE(Find<QLabel>(dialog, "parityListLabel")->isVisible());
        EXPECT_EQ(Find<QComboBox>(dialog, "baudRateList")->currentText(), "9600");
        EXPECT_EQ(Find<QComboBox>(dialog, "dataBitsList")->currentText(), "8 Bits");
        EXPECT_FALSE(Checked(dialog, "usePortCheck"));
        EXPECT_TRUE(Checked(dialog, "oposJposCheck"));
        EXPECT_FALSE(Checked(dialog, "typematicScanCheck"));
        EXPECT_FALSE(Checked(dialog, "typematicAsciiCheck"));
        QComboBox* parity = Find<QComboBox>(dialog, "parityList");
        EXPECT_EQ(parity->currentText(), "NONE");
        parity->setFocus();
        QTest::keyClick(parity, Qt::Key_End); // the last entry, "ODD"
        EXPECT_EQ(parity->currentText(), "ODD");
    });
    EXPECT_EQ(run.image[offsets::kOptionB], 0x9A);
    EXPECT_EQ(run.image[offsets::kOptionA], 0xE0);
}

TEST(CProperty, UsbHidesRs232GroupAndOkClearsUsePort) {
    TemplateImage image = MakeNewImage(kModelTK0530);
    image[offsets::kOptionA] = 0xF0;
    KbDialogRun run{image, kModelTK0530, CommPort::Usb};
    run.Run([](CProperty& dialog) {
        EXPECT_FALSE(Find<QGroupBox>(dialog, "rs232Group")->isVisible());
        EXPECT_FALSE(Find<QCheckBox>(dialog, "usePortCheck")->isEnabled());
        EXPECT_FALSE(Find<QLabel>(dialog, "baudRateListLabel")->isVisible());
    });
    EXPECT_EQ(run.image[offsets::kOptionA], 0xE0);
    EXPECT_EQ(run.image[offsets::kOptionB], 0x9E);
}

TEST(CProperty, OposJposClickChangesOnlyItsBit) {
    TemplateImage image = MakeNewImage(kModelRM0480);
    image[offsets::kOptionC] = 0xB7;
    KbDialogRun run{image, kModelRM0480, CommPort::Ps2};
    EXPECT_TRUE(run.Run([](CProperty& dialog) {
        // On the box itself: the control is wider than its caption.
        QCheckBox* box = Find<QCheckBox>(dialog, "oposJposCheck");
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }));
    EXPECT_EQ(run.image[offsets::kOptionC], 0x97);
    EXPECT_EQ(run.image[offsets::kOptionA], 0xEA);
    EXPECT_EQ(run.image[offsets::kOptionB], 0xD6);
}

TEST(CProperty, SwitchesKeepMrBits) {
    TemplateImage image = MakeNewImage(kModelRM0480);
    image[offsets::kOptionA] = 0x02; // MR error mode on, everything else off
    image[offsets::kOptionB] = 0xC0; // both MR beeps on
    KbDialogRun run{image, kModelRM0480, CommPort::Ps2};
    run.Run([](CProperty& dialog) {
        for (const char* name : {"sendBreakCodeCheck", "beepWhenTypedCheck", "noBeepUndefinedCheck",
                                 "translateSet2Check", "typematicScanCheck", "typematicAsciiCheck",
                                 "altNumberCheck"}) {
            Find<QCheckBox>(dialog, name)->click();
        }
    });
    // Every switch flipped (the break code bit is stored inverted, so it gets set as well).
    EXPECT_EQ(run.image[offsets::kOptionA], 0xFF);
    EXPECT_EQ(run.image[offsets::kOptionB], 0xC0);
}

TEST(CProperty, Rs232SwitchesAndListsKeepUnusedBits) {
    TemplateImage image = MakeNewImage(kModelTK0517);
    image[offsets::kOptionA] = 0x82;
    image[offsets::kOptionB] = 0x80;
    KbDialogRun run{image, kModelTK0517, CommPort::Ps2};
    run.Run([](CProperty& dialog) {
        for (const char* name :
             {"beepWhenTypedCheck", "typematicScanCheck", "typematicAsciiCheck", "usePortCheck"}) {
            Find<QCheckBox>(dialog, name)->click();
        }
        Find<QComboBox>(dialog, "baudRateList")->setCurrentIndex(3);
        Find<QComboBox>(dialog, "parityList")->setCurrentIndex(2);
        Find<QComboBox>(dialog, "dataBitsList")->setCurrentIndex(1);
    });
    EXPECT_EQ(run.image[offsets::kOptionA], 0x82 | 0x40 | 0x10);
    EXPECT_EQ(run.image[offsets::kOptionB], 0x80 | 0x40 | 0x20 | 0x10 | 0x08 | 0x03);
}

TEST(CProperty, DelayTypedOrStepped) {
    struct Case {
        const char* typed;
        int stored;
    };
    // Text the box cannot take leaves the last valid value.
    for (const Case& c : std::vector<Case>{{"77", 77}, {"250", 250}, {"", 2}, {"0", 2}}) {
        KbDialogRun run{MakeNewImage(kModelRM0480), kModelRM0480, CommPort::Ps2};
        run.Run([&c](CProperty& dialog) {
            QSpinBox* delay = Find<QSpinBox>(dialog, "delaySpin");
            delay->setFocus();
            QLineEdit* text = delay->findChild<QLineEdit*>();
            ASSERT_NE(text, nullptr);
            text->selectAll();
            QTest::keyClick(text, Qt::Key_Delete);
            QTest::keyClicks(text, QString::fromLatin1(c.typed));
        });
        EXPECT_EQ(run.image[offsets::kInterCharDelay], c.stored) << c.typed;
    }
    KbDialogRun run{MakeNewImage(kModelRM0480), kModelRM0480, CommPort::Ps2};
    run.Run([](CProperty& dialog) {
        QSpinBox* delay = Find<QSpinBox>(dialog, "delaySpin");
        QTest::keyClick(delay, Qt::Key_Up);
        QTest::keyClick(delay, Qt::Key_Up);
        QTest::keyClick(delay, Qt::Key_Down);
    });
    EXPECT_EQ(run.image[offsets::kInterCharDelay], 3);
}

TEST(CProperty, DamagedDelayOpensInRange) {
    TemplateImage image = MakeNewImage(kModelRM0480);
    image[offsets::kInterCharDelay] = 0;
    KbDialogRun run{image, kModelRM0480, CommPort::Ps2};
    EXPECT_TRUE(run.Run(
        [](CProperty& dialog) { EXPECT_EQ(Find<QSpinBox>(dialog, "delaySpin")->value(), 1); }));
    EXPECT_EQ(run.image[offsets::kInterCharDelay], 1);
}

TEST(CProperty, CancelLeavesValuesUntaken) {
    const KbProperties initial =
        ReadKbProperties(MakeNewImage(kModelTK0530), kModelTK0530, CommPort::Ps2);
    CProperty dialog(initial);
    dialog.show();
    Find<QCheckBox>(dialog, "altNumberCheck")->click();
    QTest::mouseClick(Find<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

} // namespace
} // namespace zelt
