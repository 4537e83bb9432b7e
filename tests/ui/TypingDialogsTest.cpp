#include "ModalAnswer.h"
#include "dialogs/CDelayTime.h"
#include "dialogs/CInputASCIICode.h"
#include "dialogs/CInputSCanCode.h"
#include "dialogs/CKeyWordTable.h"
#include "dialogs/CShiftLevel.h"
#include "seams/WidgetCommandDialogs.h"
#include "text/KeywordListText.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelt {
namespace {

using test::AnswerNextModal;

QString LabelText(const QWidget& dialog, const char* name) {
    const auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
    return label != nullptr ? label->text() : QStringLiteral("<missing>");
}

// Replaces the text of an edit box the way a user does: select all, type.
void TypeInto(QWidget* edit, const QString& text) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

TEST(CDelayTime, AsksForTenthsOfASecondFrom1To100) {
    RecordingMessageSink messages;
    CDelayTime dialog(messages);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Put Delay Time"));
    EXPECT_EQ(LabelText(dialog, "label"), QStringLiteral("Time:"));
    EXPECT_EQ(LabelText(dialog, "unitLabel"), QStringLiteral(" x 0.1 second"));
    QSpinBox* spin = dialog.SpinBox();
    EXPECT_EQ(spin->minimum(), 1);
    EXPECT_EQ(spin->maximum(), 100);
    EXPECT_EQ(spin->value(), 1);
    spin->setValue(15);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Value(), 15);
    EXPECT_TRUE(messages.messages.empty());
}

TEST(CDelayTime, TypedTextOutsideTheRangeIsNeverTheResult) {
    RecordingMessageSink messages;
    CDelayTime dialog(messages);
    QSpinBox* spin = dialog.SpinBox();
    // A digit that would leave the range is not taken.
    TypeInto(spin, QStringLiteral("150"));
    EXPECT_EQ(spin->text(), QStringLiteral("15"));
    // A number below the range can be typed, but OK refuses it and the dialog stays open.
    TypeInto(spin, QStringLiteral("0"));
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], "Enter an integer between 1 and 100.");
    TypeInto(spin, QStringLiteral("abc"));
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    TypeInto(spin, QStringLiteral("42"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Value(), 42);
}

TEST(CShiftLevel, AsksForALevelFrom1To9) {
    RecordingMessageSink messages;
    CShiftLevel dialog(messages);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Put Shift Level Code"));
    EXPECT_EQ(LabelText(dialog, "label"), QStringLiteral("Level No:"));
    EXPECT_EQ(LabelText(dialog, "unitLabel"), QStringLiteral("(1--9)"));
    QSpinBox* spin = dialog.SpinBox();
    EXPECT_EQ(spin->minimum(), 1);
    EXPECT_EQ(spin->maximum(), 9);
    EXPECT_EQ(spin->value(), 1);
    TypeInto(spin, QStringLiteral("0"));
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Enter an integer between 1 and 9."});
    spin->setValue(9);
    dialog.accept();
    EXPECT_EQ(dialog.Value(), 9);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(CInputASCIICode, ShowsItsLabelsAndStartsOn32) {
    RecordingMessageSink messages;
    CInputASCIICode dialog(messages);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Input ASCII Code"));
    EXPECT_EQ(LabelText(dialog, "label"), QStringLiteral("ASCII code:"));
    EXPECT_EQ(LabelText(dialog, "rangeLabel"), QStringLiteral("(1--240)"));
    EXPECT_EQ(dialog.CodeEdit()->text(), QStringLiteral("32"));
    EXPECT_EQ(dialog.Value(), 32);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Value(), 32);
}

TEST(CInputASCIICode, RefusesWhatIsNoCodeAndStaysOpen) {
    struct Case {
        const char* text;
        const char* message; // nullptr: accepted
        int value;
    };
    const Case cases[] = {
        {"241", "Enter an integer between 1 and 240.", 0},
        {"0", "Enter an integer between 1 and 240.", 0},
        {"255", "Enter an integer between 1 and 240.", 0},
        {"256", "Enter an integer between 0 and 255.", 0},
        {"abc", "Enter an integer between 0 and 255.", 0},
        {"", "Enter an integer between 0 and 255.", 0},
        {"-5", "Enter an integer between 0 and 255.", 0},
        {"6 5", "Enter an integer between 0 and 255.", 0},
        {"99999999999", "Enter an integer between 0 and 255.", 0},
        {"65", nullptr, 65},
        {" +7 ", nullptr, 7},
        {"0240", nullptr, 240},
        {"1", nullptr, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        RecordingMessageSink messages;
        CInputASCIICode dialog(messages);
        TypeInto(dialog.CodeEdit(), QString::fromLatin1(c.text));
        dialog.accept();
        if (c.message == nullptr) {
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
            EXPECT_EQ(dialog.Value(), c.value);
            EXPECT_TRUE(messages.messages.empty());
        } else {
            EXPECT_NE(dialog.result(), QDialog::Accepted);
            EXPECT_EQ(messages.messages, std::vector<std::string>{c.message});
            // The text stays for correcting.
            EXPECT_EQ(dialog.CodeEdit()->text(), QString::fromLatin1(c.text));
        }
    }
}

const std::vector<std::string> kScanCodeList = {
    "[F1]",
    "[F2]",
    "[F3]",
    "[F4]",
    "[F5]",
    "[F6]",
    "[F7]",
    "[F8]",
    "[F9]",
    "[F10]",
    "[F11]",
    "[F12]",
    "[ESC]",
    "[Backspace]",
    "[Tab]",
    "[CapsLock]",
    "[Enter]",
    "[Shift]",
    "[RightShift]",
    "[Ctrl]",
    "[RightCtrl]",
    "[Alt]",
    "[RightAlt]",
    "[Space]",
    "[Insert]",
    "[Delete]",
    "[Home]",
    "[End]",
    "[PageUp]",
    "[PageDown]",
    "[ArrowUp]",
    "[ArrowLeft]",
    "[ArrowRight]",
    "[ArrowDown]",
    "[NumLock]",
    "[ScrollLk]",
    "[PrintScreen]",
    "[PauseBreak]",
    "[Win]",
    "[RightWin]",
    "[Menu]",
    "[Ctrl+PauseBreak]",
    "[Ctrl+PrintScreen]",
    "[Alt+PrintScreen]",
    "[PAD0]",
    "[PAD1]",
    "[PAD2]",
    "[PAD3]",
    "[PAD4]",
    "[PAD5]",
    "[PAD6]",
    "[PAD7]",
    "[PAD8]",
    "[PAD9]",
    "[PAD+]",
    "[PAD-]",
    "[PAD*]",
    "[PAD/]",
    "[PAD.]",
    "[PADEnter]",
    "",
    "[SystemPower]",
    "[SystemSleep]",
    "[SystemWake]",
    "[Stop]",
    "[PlayPause]",
    "[Mute]",
    "[VolumeUp]",
    "[VolumeDown]",
    "[MediaSelect]",
    "[Mail]",
    "[Calculator]",
    "[MyComputer]",
    "[WWWSearch]",
    "[WWWHome]",
    "[WWWBack]",
    "[WWWForward]",
    "[WWWStop]",
    "[WWWRefresh]",
    "[WWWFavorites]",
};

TEST(CInputSCanCode, OffersTheEightyEntriesAndStartsOnF6) {
    CInputSCanCode dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Input Scan Code"));
    EXPECT_EQ(LabelText(dialog, "label"), QStringLiteral("Scan Code:"));
    QComboBox* list = dialog.List();
    EXPECT_TRUE(list->isEditable());
    ASSERT_EQ(list->count(), 80);
    ASSERT_EQ(kScanCodeList.size(), 80u);
    for (int i = 0; i < list->count(); ++i) {
        EXPECT_EQ(list->itemText(i).toStdString(), kScanCodeList[static_cast<std::size_t>(i)])
            << "entry " << i;
    }
    EXPECT_EQ(list->currentText(), QStringLiteral("[F6]"));
    EXPECT_EQ(dialog.Text(), "[F6]");
}

TEST(CInputSCanCode, GivesTheChosenOrTypedTextAsItIs) {
    CInputSCanCode dialog;
    QComboBox* list = dialog.List();
    list->setCurrentIndex(0);
    EXPECT_EQ(dialog.Text(), "[F1]");
    list->setCurrentIndex(60);
    EXPECT_EQ(dialog.Text(), "");
    TypeInto(list->lineEdit(), QStringLiteral("[A][Nonsense"));
    EXPECT_EQ(dialog.Text(), "[A][Nonsense");
    // Characters of the code page become its bytes; others cannot be typed at all.
    QLineEdit* edit = list->lineEdit();
    edit->clear();
    edit->insert(QString::fromUtf8("[\xC3\xA9]"));
    EXPECT_EQ(dialog.Text(), "[\xE9]");
    edit->clear();
    edit->insert(QStringLiteral("x"));
    edit->insert(QString::fromUtf8("\xC5\x82"));
    edit->insert(QStringLiteral("y"));
    EXPECT_EQ(dialog.Text(), "xy");
    // Typed texts are not added to the list.
    QTest::keyClick(list->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(list->count(), 80);
}

TEST(CKeyWordTable, ShowsTheReferenceReadOnly) {
    CKeyWordTable dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Special Function Key Word Table"));
    QTextEdit* text = dialog.Text();
    ASSERT_EQ(dialog.findChild<QTextEdit*>(QStringLiteral("keyWordText")), text);
    EXPECT_EQ(text->property("controlId").toInt(), 111);
    EXPECT_EQ(text->geometry(), QRect(QPoint(10, 10), QPoint(599, 479)));
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(text->toPlainText().toStdString(), KeywordListText());
}

TEST(CKeyWordTable, LongLinesWrapInsteadOfScrollingSideways) {
    CKeyWordTable dialog;
    dialog.show();
    QTextEdit* text = dialog.Text();
    EXPECT_EQ(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(text->horizontalScrollBar()->maximum(), 0);
    // The longest rows end inside the control, so nothing of them is out of sight.
    EXPECT_LE(text->document()->idealWidth(), text->viewport()->width());
}

// Where the text after a line's last leading-run tab starts, in pixels; -1 without a tab.
qreal TextAfterTabsX(const QTextBlock& block) {
    const QString line = block.text();
    qsizetype at = line.indexOf(QLatin1Char('\t'));
    if (at < 0) {
        return -1;
    }
    while (at < line.size() && line[at] == QLatin1Char('\t')) {
        ++at;
    }
    return block.layout()
        ->lineForTextPosition(static_cast<int>(at))
        .cursorToX(static_cast<int>(at));
}

TEST(CKeyWordTable, DescriptionsAndNoteLinesStartInColumns) {
    CKeyWordTable dialog;
    dialog.show();
    QTextDocument* document = dialog.Text()->document();
    // Lay the text out before asking where its characters are.
    document->size();
    std::vector<qreal> descriptions;
    std::vector<qreal> notes;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const qreal x = TextAfterTabsX(block);
        if (x < 0) {
            continue;
        }
        const bool note = block.text().startsWith(QLatin1Char('\t')) ||
                          block.text().startsWith(QStringLiteral(" Note:"));
        (note ? notes : descriptions).push_back(x);
    }
    // The heading and the 83 keyword rows, and the three lines of the note.
    ASSERT_EQ(descriptions.size(), 84u);
    ASSERT_EQ(notes.size(), 3u);
    for (const qreal x : descriptions) {
        EXPECT_NEAR(x, descriptions.front(), 0.5);
    }
    for (const qreal x : notes) {
        EXPECT_NEAR(x, notes.front(), 0.5);
    }
    // The keywords stay clear of their descriptions.
    EXPECT_GT(descriptions.front(), QFontMetricsF(dialog.Text()->font())
                                        .horizontalAdvance(QStringLiteral(" [Ctrl+PrintScreen]")));
    EXPECT_EQ(dialog.Text()->toPlainText().toStdString(), KeywordListText());
}

TEST(CKeyWordTable, TypingChangesNothingAndReturnDoesNotClose) {
    CKeyWordTable dialog;
    dialog.show();
    QTextEdit* text = dialog.Text();
    const QString before = text->toPlainText();
    text->setFocus();
    QTest::keyClicks(text, QStringLiteral("abc"));
    QTest::keyClick(text, Qt::Key_Delete);
    QTest::keyClick(text, Qt::Key_Backspace);
    QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(text->toPlainText(), before);
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(text, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(CKeyWordTable, TheScrollBarReachesTheNote) {
    CKeyWordTable dialog;
    dialog.show();
    QTextEdit* text = dialog.Text();
    QScrollBar* bar = text->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    const QWidget* viewport = text->viewport();
    const QTextBlock bottom = text->cursorForPosition(QPoint(5, viewport->height() - 5)).block();
    const QTextBlock note = text->document()->findBlockByNumber(text->document()->blockCount() - 2);
    EXPECT_TRUE(note.text().startsWith(QStringLiteral("\t[1] [2] [3]")));
    EXPECT_GE(bottom.blockNumber(), note.blockNumber() - 1);
}

TEST(WidgetCommandDialogs, ValueDialogsReturnOnlyConfirmedValues) {
    WidgetCommandDialogs dialogs;
    RecordingMessageSink messages;
    AnswerNextModal([](QWidget* modal) {
        modal->findChild<QSpinBox*>(QStringLiteral("value"))->setValue(25);
        static_cast<QDialog*>(modal)->accept();
    });
    EXPECT_EQ(dialogs.AskDelayTime(messages), 25);
    AnswerNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(dialogs.AskDelayTime(messages), std::nullopt);

    AnswerNextModal([](QWidget* modal) {
        modal->findChild<QSpinBox*>(QStringLiteral("value"))->setValue(3);
        static_cast<QDialog*>(modal)->accept();
    });
    EXPECT_EQ(dialogs.AskShiftLevel(messages), 3);
    AnswerNextModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_EQ(dialogs.AskShiftLevel(messages), std::nullopt);

    // The refused 241 keeps the dialog open for the 65 that follows.
    AnswerNextModal([](QWidget* modal) {
        auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("code"));
        edit->setText(QStringLiteral("241"));
        static_cast<QDialog*>(modal)->accept();
        edit->setText(QStringLiteral("65"));
        static_cast<QDialog*>(modal)->accept();
    });
    EXPECT_EQ(dialogs.AskAsciiCode(messages), 65);
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Enter an integer between 1 and 240."});
    AnswerNextModal([](QWidget* modal) { modal->close(); });
    EXPECT_EQ(dialogs.AskAsciiCode(messages), std::nullopt);

    AnswerNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
    EXPECT_EQ(dialogs.AskScanCode(), "[F6]");
    AnswerNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(dialogs.AskScanCode(), std::nullopt);

    bool shown = false;
    AnswerNextModal([&shown](QWidget* modal) {
        shown = modal->windowTitle() == QStringLiteral("Special Function Key Word Table");
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    dialogs.ShowKeyWordList();
    EXPECT_TRUE(shown);
}

} // namespace
} // namespace zelt
