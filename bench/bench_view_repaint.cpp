// How long a full repaint of the editor view takes, offscreen, for the model with the most keys
// and for the one with the L-shaped Enter key.

#include "FilledDocument.h"
#include "ModelCode.h"
#include "view/ViewController.h"
#include "view/ViewFont.h"
#include "view/ViewGeometry.h"
#include "view/ViewPainter.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cstddef>

namespace zelt {
namespace {

void FullRepaint(benchmark::State& state, int modelCode) {
    test::FakeViewDocument document = bench::FilledDocument(modelCode);
    // Two keys in three as loaded, the third edited since.
    for (std::size_t k = 0; k < kKeyCount; ++k) {
        document.data.definedKeyFlags[k] = k % 3 == 0 ? 0 : 1;
    }
    RecordingMessageSink messages;
    ViewController controller(document, messages);
    const ViewPainter painter(MakeViewFont());
    QImage image(view::kViewWidth, view::kViewHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter target(&image);
        painter.Paint(target, controller, image.rect());
        target.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_FullRepaintTK0530(benchmark::State& state) {
    FullRepaint(state, kModelTK0530);
}
void BM_FullRepaintRM0480(benchmark::State& state) {
    FullRepaint(state, kModelRM0480);
}

BENCHMARK(BM_FullRepaintTK0530)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullRepaintRM0480)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zelt
