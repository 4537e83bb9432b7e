#include "transfer/TransferProgressDisplay.h"

#include "FakeViewDocument.h"
#include "ModelCode.h"
#include "Renders.h"
#include "TransferObserver.h"
#include "transfer/ProgressGeometry.h"
#include "view/CZELTView.h"

#include <QImage>
#include <QPaintEvent>
#include <QProgressBar>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace zelt {
namespace {

using test::DarkPixels;
using test::FakeViewDocument;

const QRect kTitleArea(250, 360, 200, 16);
const QRect kWarningArea(200, 398, 280, 16);
const QRect kPercentArea(460, 380, 40, 16);

// Counts the paint events a widget received, and the area they covered.
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int paints = 0;
    QRegion painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return QObject::eventFilter(watched, event);
    }
};

class TransferProgressDisplayTest : public ::testing::Test {
protected:
    TransferProgressDisplayTest() : document(kModelRM0480), view(document, messages) {
        view.resize(view::kViewWidth, view::kViewHeight);
    }

    void ShowView() {
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    QProgressBar* FindBar() const {
        return view.findChild<QProgressBar*>(QStringLiteral("transferProgress"));
    }

    FakeViewDocument document;
    RecordingMessageSink messages;
    CZELTView view;
};

TEST_F(TransferProgressDisplayTest, PutsUpTitleWarningAndAnEmptyBar) {
    ShowView();
    TransferProgressDisplay display(view);
    display.TransferStarted(TransferDirection::Read);
    QProgressBar* bar = FindBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar, display.Bar());
    EXPECT_EQ(bar->parentWidget(), &view);
    EXPECT_EQ(bar->property("controlId").toInt(), 102);
    EXPECT_EQ(bar->geometry(), QRect(200, 380, 255, 15));
    EXPECT_EQ(bar->minimum(), 1);
    EXPECT_EQ(bar->maximum(), 64);
    // Below the range: nothing done yet.
    EXPECT_EQ(bar->value(), 0);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_FALSE(bar->isTextVisible());
    EXPECT_STREQ(display.Title(), "Reading data from keyboard");
    EXPECT_EQ(display.PercentText(), QString());

    const QImage image = view.Render();
    EXPECT_GT(DarkPixels(image, kTitleArea), 50);
    EXPECT_GT(DarkPixels(image, kWarningArea), 50);
    EXPECT_EQ(DarkPixels(image, kPercentArea), 0);
}

TEST_F(TransferProgressDisplayTest, WriteHasItsOwnTitle) {
    TransferProgressDisplay display(view);
    display.TransferStarted(TransferDirection::Write);
    EXPECT_STREQ(display.Title(), "Writing data into keyboard");
}

TEST_F(TransferProgressDisplayTest, BarAndPercentageFollowTheBlocks) {
    struct Step {
        int block;
        const char* percent;
    };
    TransferProgressDisplay display(view);
    display.TransferStarted(TransferDirection::Write);
    for (const Step& step :
         {Step{0, "1%"}, Step{1, "3%"}, Step{31, "50%"}, Step{62, "98%"}, Step{63, "100%"}}) {
        display.BlockTransferred(step.block, ProgressPercent(step.block));
        EXPECT_EQ(display.PercentText(), QString::fromLatin1(step.percent));
        EXPECT_EQ(display.Bar()->value(), step.block + 1) << step.block;
    }
    EXPECT_EQ(display.Bar()->value(), display.Bar()->maximum());
    EXPECT_GT(DarkPixels(view.Render(), kPercentArea), 10);
}

// The transfer keeps the event loop from running: what is only scheduled for painting would not
// be seen before the transfer ends.
TEST_F(TransferProgressDisplayTest, EveryBlockIsPaintedAtOnce) {
    ShowView();
    TransferProgressDisplay display(view);
    display.TransferStarted(TransferDirection::Read);
    PaintCounter barPaints(*display.Bar());
    PaintCounter viewPaints(view);
    QCoreApplication::processEvents();
    for (int block = 0; block < 3; ++block) {
        const int barBefore = barPaints.paints;
        viewPaints.painted = QRegion();
        display.BlockTransferred(block, ProgressPercent(block));
        EXPECT_GT(barPaints.paints, barBefore) << block;
        EXPECT_TRUE(viewPaints.painted.contains(display.PercentRect())) << block;
        // Only the percentage: the picture has not changed, and the bar paints its own
        // background.
        EXPECT_FALSE(viewPaints.painted.contains(QPoint(100, 100))) << block;
        EXPECT_FALSE(viewPaints.painted.intersects(display.Bar()->geometry())) << block;
    }
    EXPECT_GE(display.PercentRect().width(), 40);
}

TEST_F(TransferProgressDisplayTest, FinishingTakesEverythingAway) {
    ShowView();
    TransferProgressDisplay display(view);
    display.TransferStarted(TransferDirection::Read);
    display.BlockTransferred(0, 1);
    display.TransferFinished();
    EXPECT_EQ(FindBar(), nullptr);
    EXPECT_EQ(display.Bar(), nullptr);
    EXPECT_EQ(view.Overlay(), nullptr);
    EXPECT_EQ(display.Title(), nullptr);
    const QImage image = view.Render();
    EXPECT_EQ(DarkPixels(image, kTitleArea), 0);
    EXPECT_EQ(DarkPixels(image, kWarningArea), 0);
    EXPECT_EQ(DarkPixels(image, kPercentArea), 0);
}

TEST_F(TransferProgressDisplayTest, DisplayThatGoesAwayTakesItsPartsWithIt) {
    {
        TransferProgressDisplay display(view);
        display.TransferStarted(TransferDirection::Write);
        display.BlockTransferred(3, ProgressPercent(3));
    }
    EXPECT_EQ(FindBar(), nullptr);
    EXPECT_EQ(view.Overlay(), nullptr);
}

TEST_F(TransferProgressDisplayTest, NothingIsShownBeforeTheBlocks) {
    TransferProgressDisplay display(view);
    EXPECT_EQ(FindBar(), nullptr);
    EXPECT_EQ(view.Overlay(), nullptr);
    display.TransferFinished();
    EXPECT_EQ(FindBar(), nullptr);
}

TEST_F(TransferProgressDisplayTest, SecondTransferStartsAFreshDisplay) {
    TransferProgressDisplay first(view);
    first.TransferStarted(TransferDirection::Read);
    first.BlockTransferred(63, 100);
    first.TransferFinished();
    TransferProgressDisplay second(view);
    second.TransferStarted(TransferDirection::Write);
    ASSERT_NE(second.Bar(), nullptr);
    EXPECT_EQ(second.Bar()->value(), 0);
    EXPECT_EQ(second.PercentText(), QString());
    EXPECT_EQ(view.findChildren<QProgressBar*>().size(), 1);
}

} // namespace
} // namespace zelt
