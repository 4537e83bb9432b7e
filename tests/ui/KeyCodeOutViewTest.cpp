// The keyboard output test window in the running editor: how it is made, opened and closed,
// what it draws, and the keys it writes from each of the three places they can come from.

#include "EditorTest.h"
#include "Renders.h"
#include "app/CZELTApp.h"
#include "keytest/CKeyCodeOutEdit.h"
#include "keytest/CKeyCodeOutView.h"
#include "keytest/ChildWindowFrame.h"
#include "shell/CMainFrame.h"
#include "shell/CommandIds.h"
#include "view/CZELTView.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace zelt {
namespace {

using test::DarkPixels;
using test::SaveRender;

class KeyCodeOutViewTest : public test::EditorTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(EditorTest::SetUp());
        ASSERT_NO_FATAL_FAILURE(StartWith(CommPort::Ps2));
        app->MainFrame().showNormal();
        app->MainFrame().resize(800, 560);
        QApplication::setActiveWindow(&app->MainFrame());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&app->MainFrame()));
    }

    CZELTView& View() { return app->View(); }
    CKeyCodeOutView& Test() {
        CKeyCodeOutView* test = View().KeyCodeOut();
        EXPECT_NE(test, nullptr);
        return *test;
    }
    CKeyCodeOutEdit& Edit() { return Test().Edit(); }
    std::string Text() { return Edit().Output().Text(); }
    QString Shown() { return Edit().toPlainText(); }

    void Open() {
        app->Commands().Action(cmd::kKeyboardOutput)->trigger();
        ASSERT_EQ(Test().VisibleFlag(), 1);
    }

    // A point of the test window's client area, in the window's coordinates.
    QPoint Client(int x, int y) { return Test().ClientRect().topLeft() + QPoint(x, y); }

    void ClickClient(int x, int y) { QTest::mouseClick(&Test(), Qt::LeftButton, {}, Client(x, y)); }

    static void Send(QWidget* target, QEvent::Type type, Qt::Key key, bool autoRepeat,
                     Qt::KeyboardModifiers modifiers = {}, const QString& text = {}) {
        QKeyEvent event(type, key, modifiers, text, autoRepeat);
        QApplication::sendEvent(target, &event);
    }
};

TEST_F(KeyCodeOutViewTest, MadeHiddenAsAChildOfTheView) {
    CKeyCodeOutView& test = Test();
    EXPECT_EQ(test.parentWidget(), &View());
    EXPECT_FALSE(test.isVisible());
    EXPECT_EQ(test.VisibleFlag(), 0);
    EXPECT_EQ(test.windowTitle(), QStringLiteral("KeyCodeTest"));
    EXPECT_EQ(test.geometry(), QRect(50, 50, 650, 300));
    EXPECT_EQ(test.property("controlId").toInt(), 1087);
    CKeyCodeOutEdit& edit = Edit();
    EXPECT_EQ(edit.parentWidget(), &test);
    EXPECT_EQ(edit.property("controlId").toInt(), 1091);
    EXPECT_EQ(edit.geometry(), QRect(Client(10, 30), QSize(620, 245)));
    EXPECT_TRUE(edit.isReadOnly());
    EXPECT_EQ(edit.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(Text(), "");
    // The whole text rectangle fits into the client area.
    EXPECT_TRUE(test.ClientRect().contains(edit.geometry()));
    EXPECT_TRUE(test.ClientRect().contains(QRect(Client(550, 5), Client(630, 25))));
}

TEST_F(KeyCodeOutViewTest, LaterInitialUpdatesReuseTheWindowAndHideIt) {
    CKeyCodeOutView* first = View().KeyCodeOut();
    Open();
    QTest::keyClick(&Edit(), Qt::Key_A);
    ASSERT_EQ(Text(), "a");
    app->Commands().Action(cmd::kNew)->trigger();
    EXPECT_EQ(View().KeyCodeOut(), first);
    EXPECT_EQ(View().findChildren<CKeyCodeOutView*>().size(), 1);
    EXPECT_FALSE(Test().isVisible());
    EXPECT_EQ(Test().VisibleFlag(), 0);
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(Shown(), QString());
    EXPECT_TRUE(View().hasFocus());
}

TEST_F(KeyCodeOutViewTest, KeyboardOutputShowsAnEmptyTestWithTheFocusOnItsText) {
    Open();
    EXPECT_TRUE(Test().isVisible());
    EXPECT_TRUE(Edit().hasFocus());
    QTest::keyClicks(&Edit(), QStringLiteral("ab"));
    QTest::keyClick(&Edit(), Qt::Key_Return);
    EXPECT_EQ(Text(), "ab, [Enter]");
    EXPECT_EQ(Shown(), QStringLiteral("ab, [Enter]"));
    // Opening again starts over.
    Open();
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(Shown(), QString());
}

TEST_F(KeyCodeOutViewTest, KeysFromTheViewGoToTheTestAndTypeNothing) {
    Open();
    const std::string content = app->Document().keyContents[0];
    View().setFocus();
    QTest::keyClick(&View(), Qt::Key_B);
    QTest::keyClick(&View(), Qt::Key_Tab);
    QTest::keyClick(&View(), Qt::Key_Escape);
    EXPECT_EQ(Text(), "b, [Tab], [ESC]");
    EXPECT_EQ(Shown(), QStringLiteral("b, [Tab], [ESC]"));
    EXPECT_EQ(app->Document().keyContents[0], content);
    EXPECT_FALSE(app->Document().IsModified());
    // Tab did not take the focus anywhere else.
    EXPECT_TRUE(View().hasFocus());
}

TEST_F(KeyCodeOutViewTest, KeysFromTheTestWindowItselfAreWrittenToo) {
    Open();
    Test().setFocus();
    QTest::keyClick(&Test(), Qt::Key_C);
    QTest::keyClick(&Test(), Qt::Key_F1);
    EXPECT_EQ(Text(), "c, [F1]");
    EXPECT_EQ(Shown(), QStringLiteral("c, [F1]"));
}

TEST_F(KeyCodeOutViewTest, TabAndCursorKeysInTheTextAreTestInput) {
    Open();
    QTest::keyClick(&Edit(), Qt::Key_Tab);
    QTest::keyClick(&Edit(), Qt::Key_Left);
    QTest::keyClick(&Edit(), Qt::Key_PageDown);
    EXPECT_EQ(Text(), ", [Tab], [ArrowLeft], [PageDown]");
    EXPECT_TRUE(Edit().hasFocus());
}

TEST_F(KeyCodeOutViewTest, HeldLetterRepeatsAndHeldDigitCountsOnce) {
    Open();
    for (const bool repeat : {false, true, true}) {
        Send(&Edit(), QEvent::KeyPress, Qt::Key_A, repeat, {}, QStringLiteral("a"));
    }
    Send(&Edit(), QEvent::KeyRelease, Qt::Key_A, false);
    for (const bool repeat : {false, true, true}) {
        Send(&Edit(), QEvent::KeyPress, Qt::Key_7, repeat, {}, QStringLiteral("7"));
    }
    Send(&Edit(), QEvent::KeyRelease, Qt::Key_7, false);
    EXPECT_EQ(Text(), "aaa7");
}

TEST_F(KeyCodeOutViewTest, ShiftAndCapsLockCombinations) {
    struct Case {
        bool capsLock;
        bool shift;
        const char* expected;
    };
    for (const Case& c : {Case{false, false, "x"}, Case{false, true, ", [Shift]X"},
                          Case{true, false, "X"}, Case{true, true, ", [Shift]x"}}) {
        locks.capsLock = c.capsLock;
        Open();
        // With a modifier, QTest presses and releases the Shift key around the key itself.
        QTest::keyClick(&Edit(), Qt::Key_X, c.shift ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_EQ(Text(), c.expected) << c.capsLock << c.shift;
        EXPECT_EQ(Edit().Output().ShiftDown(), 0);
    }
}

TEST_F(KeyCodeOutViewTest, ShiftedCharactersUseTheTestsOwnShiftState) {
    Open();
    QTest::keyPress(&Edit(), Qt::Key_Shift);
    EXPECT_EQ(Edit().Output().ShiftDown(), 1);
    // Sent as they come from the keyboard: QTest would press Shift again for the modifier.
    Send(&Edit(), QEvent::KeyPress, Qt::Key_Exclam, false, Qt::ShiftModifier, QStringLiteral("!"));
    Send(&Edit(), QEvent::KeyRelease, Qt::Key_Exclam, false, Qt::ShiftModifier);
    QTest::keyRelease(&Edit(), Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_EQ(Edit().Output().ShiftDown(), 0);
    QTest::keyClick(&Edit(), Qt::Key_1);
    EXPECT_EQ(Text(), ", [Shift]!1");
    // The right Shift key, as a keyboard with native scan codes reports it.
    Test().KeyDown(16, 0x36);
    Test().KeyDown('2', 0x03);
    Test().KeyUp(0xC036);
    Test().KeyDown('2', 0x03);
    EXPECT_EQ(Text(), ", [Shift]!1, [RightShift]@2");
}

TEST_F(KeyCodeOutViewTest, F6WritesNothing) {
    Open();
    QTest::keyClick(&Edit(), Qt::Key_F6);
    Test().KeyDown(117, 0x40);
    Test().KeyDown(117, 0x4040);
    EXPECT_EQ(Text(), "");
}

TEST_F(KeyCodeOutViewTest, QuitOnlyFromStrictlyInsideItsButton) {
    struct Case {
        int x;
        int y;
        bool closes;
    };
    for (const Case& c : {Case{550, 15, false}, Case{630, 15, false}, Case{590, 5, false},
                          Case{590, 25, false}, Case{549, 15, false}, Case{10, 5, false},
                          Case{551, 6, true}, Case{629, 24, true}, Case{590, 15, true}}) {
        Open();
        QTest::keyClick(&Edit(), Qt::Key_Q);
        ClickClient(c.x, c.y);
        EXPECT_EQ(Test().VisibleFlag() == 0, c.closes) << c.x << "," << c.y;
        EXPECT_EQ(Test().isVisible(), !c.closes) << c.x << "," << c.y;
        if (c.closes) {
            EXPECT_TRUE(View().hasFocus());
        }
    }
}

TEST_F(KeyCodeOutViewTest, OtherButtonsDoNotQuit) {
    Open();
    QTest::mouseClick(&Test(), Qt::RightButton, {}, Client(590, 15));
    EXPECT_EQ(Test().VisibleFlag(), 1);
}

TEST_F(KeyCodeOutViewTest, AfterQuitTheViewTypesAgain) {
    Open();
    ClickClient(590, 15);
    ASSERT_EQ(Test().VisibleFlag(), 0);
    const std::string before = Text();
    QTest::keyClick(&View(), Qt::Key_Z);
    EXPECT_EQ(Text(), before);
}

TEST_F(KeyCodeOutViewTest, CaptionDragsTheWindowWithinTheView) {
    Open();
    const QPoint grab(100, childframe::kBorder + 5);
    QTest::mousePress(&Test(), Qt::LeftButton, {}, grab);
    QMouseEvent move(QEvent::MouseMove, QPointF(grab + QPoint(30, 40)),
                     Test().mapToGlobal(QPointF(grab + QPoint(30, 40))), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(&Test(), &move);
    QTest::mouseRelease(&Test(), Qt::LeftButton, {}, grab + QPoint(30, 40));
    EXPECT_EQ(Test().pos(), QPoint(80, 90));
    // A click in the caption is no click on the Quit button.
    EXPECT_EQ(Test().VisibleFlag(), 1);
}

TEST_F(KeyCodeOutViewTest, DrawsHeadingAndQuitButtonAndShowsTheOutput) {
    Open();
    QTest::keyClicks(&Edit(), QStringLiteral("hello"));
    QTest::keyClick(&Edit(), Qt::Key_Return);
    QTest::keyClick(&Edit(), Qt::Key_Exclam, Qt::ShiftModifier);
    QTest::keyClick(&Edit(), Qt::Key_F5);
    QTest::keyClick(&Edit(), Qt::Key_Up);
    const QImage window = Test().grab().toImage();
    const QPoint origin = Test().ClientRect().topLeft();
    const auto at = [&](int x, int y) { return window.pixelColor(origin + QPoint(x, y)); };
    EXPECT_GT(DarkPixels(window, QRect(origin + QPoint(10, 5), QSize(150, 14))), 50);
    EXPECT_GT(DarkPixels(window, QRect(origin + QPoint(580, 7), QSize(30, 14))), 10);
    EXPECT_EQ(at(550, 15), QColor(Qt::white));
    EXPECT_EQ(at(590, 5), QColor(Qt::white));
    EXPECT_EQ(at(630, 15), QColor(Qt::black));
    EXPECT_EQ(at(590, 25), QColor(Qt::black));
    EXPECT_EQ(at(300, 20), QColor(220, 220, 220));
    EXPECT_EQ(Shown(), QStringLiteral("hello, [Enter], [Shift]!, [F5], [ArrowUp]"));

    EXPECT_TRUE(SaveRender(app->MainFrame().grab().toImage(), QStringLiteral("keycode-test.png")));
}

TEST_F(KeyCodeOutViewTest, LongOutputStaysScrolledToItsEnd) {
    Open();
    for (int i = 0; i < 400; ++i) {
        Test().KeyDown(0, 0x39);
    }
    QScrollBar* bar = Edit().verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(Shown().size(), static_cast<qsizetype>(Text().size()));
}

} // namespace
} // namespace zelt
