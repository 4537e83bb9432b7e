// What the editor's progress display adds to a transfer: the cost of showing one more block
// (the bar and the percentage painted at once) on a shown editor view, offscreen. A block takes
// at least 100 ms of protocol pauses, so this is the display's share of a transfer.

#include "FakeViewDocument.h"
#include "ModelCode.h"
#include "TransferObserver.h"
#include "transfer/TransferProgressDisplay.h"
#include "view/CZELTView.h"
#include "view/ViewGeometry.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace zelt {
namespace {

// A shown editor view of a new template, every key blank.
struct ShownView {
    test::FakeViewDocument document{kModelRM0480};
    RecordingMessageSink messages;
    CZELTView view{document, messages};

    ShownView() {
        view.resize(view::kViewWidth, view::kViewHeight);
        view.show();
        QCoreApplication::processEvents();
    }
};

void BM_ProgressStepPerBlock(benchmark::State& state) {
    ShownView shown;
    TransferProgressDisplay display(shown.view);
    display.TransferStarted(TransferDirection::Read);
    int block = 0;
    for (auto _ : state) {
        display.BlockTransferred(block, ProgressPercent(block));
        block = (block + 1) % 64;
    }
    display.TransferFinished();
}

// The display put up and taken down again, once per transfer.
void BM_ProgressDisplayUpAndDown(benchmark::State& state) {
    ShownView shown;
    for (auto _ : state) {
        TransferProgressDisplay display(shown.view);
        display.TransferStarted(TransferDirection::Write);
        display.TransferFinished();
        QCoreApplication::processEvents();
    }
}

BENCHMARK(BM_ProgressStepPerBlock)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProgressDisplayUpAndDown)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zelt
