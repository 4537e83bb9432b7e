// What the editor's progress display adds to a transfer: the cost of showing one more block
// (the bar and the percentage painted at once) on a shown editor view, offscreen. A block takes
// at least 100 ms of protocol pauses, so this is the display's share of a transfer.

#include "ModelCode.h"
#include "ModelLayout.h"
#include "TransferObserver.h"
#include "transfer/TransferProgressDisplay.h"
#include "view/CZELTView.h"
#include "view/ViewDocument.h"
#include "view/ViewGeometry.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

class NewDocument final : public zelt::ViewDocument {
public:
    NewDocument() : layout_(zelt::LayoutForModel(zelt::kModelRM0480)) {
        data_.modelCode = zelt::kModelRM0480;
    }
    zelt::TemplateData& Data() override { return data_; }
    const zelt::TemplateData& Data() const override { return data_; }
    const zelt::ModelLayout& Layout() const override { return layout_; }
    const std::array<std::string, zelt::kKeyCount>& Labels() const override {
        return layout_.labels;
    }

private:
    zelt::TemplateData data_;
    zelt::ModelLayout layout_;
};

void BM_ProgressStepPerBlock(benchmark::State& state) {
    NewDocument document;
    zelt::RecordingMessageSink messages;
    zelt::CZELTView view(document, messages);
    view.resize(zelt::view::kViewWidth, zelt::view::kViewHeight);
    view.show();
    QCoreApplication::processEvents();
    zelt::TransferProgressDisplay display(view);
    display.TransferStarted(zelt::TransferDirection::Read);
    int block = 0;
    for (auto _ : state) {
        display.BlockTransferred(block, zelt::ProgressPercent(block));
        block = (block + 1) % 64;
    }
    display.TransferFinished();
}

// The display put up and taken down again, once per transfer.
void BM_ProgressDisplayUpAndDown(benchmark::State& state) {
    NewDocument document;
    zelt::RecordingMessageSink messages;
    zelt::CZELTView view(document, messages);
    view.resize(zelt::view::kViewWidth, zelt::view::kViewHeight);
    view.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        zelt::TransferProgressDisplay display(view);
        display.TransferStarted(zelt::TransferDirection::Write);
        display.TransferFinished();
        QCoreApplication::processEvents();
    }
}

BENCHMARK(BM_ProgressStepPerBlock)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProgressDisplayUpAndDown)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
