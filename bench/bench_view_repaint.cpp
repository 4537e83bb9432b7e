// How long a full repaint of the editor view takes, offscreen, for the model with the most keys
// and for the one with the L-shaped Enter key.

#include "ModelCode.h"
#include "ModelLayout.h"
#include "view/ViewController.h"
#include "view/ViewDocument.h"
#include "view/ViewFont.h"
#include "view/ViewGeometry.h"
#include "view/ViewPainter.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <string>

namespace {

class FilledDocument final : public zelt::ViewDocument {
public:
    explicit FilledDocument(int modelCode) : layout_(zelt::LayoutForModel(modelCode)) {
        data_.modelCode = modelCode;
        for (std::size_t k = 0; k < zelt::kKeyCount; ++k) {
            data_.keyContents[k] = "Key " + std::to_string(k + 1) + "[CR]";
            data_.blankKeyFlags[k] = 0;
            data_.definedKeyFlags[k] = k % 3 == 0 ? 0 : 1;
        }
    }
    zelt::TemplateData& Data() override { return data_; }
    const zelt::TemplateData& Data() const override { return data_; }
    const zelt::ModelLayout& Layout() const override { return layout_; }
    const std::array<std::string, zelt::kKeyCount>& Labels() const override {
        return layout_.labels;
    }
    void SetModifiedFlag() override {}

private:
    zelt::TemplateData data_;
    zelt::ModelLayout layout_;
};

void FullRepaint(benchmark::State& state, int modelCode) {
    FilledDocument document(modelCode);
    zelt::RecordingMessageSink messages;
    zelt::ViewController controller(document, messages);
    const zelt::ViewPainter painter(zelt::MakeViewFont());
    QImage image(zelt::view::kViewWidth, zelt::view::kViewHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter target(&image);
        painter.Paint(target, controller, image.rect());
        target.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_FullRepaintTK0530(benchmark::State& state) {
    FullRepaint(state, zelt::kModelTK0530);
}
void BM_FullRepaintRM0480(benchmark::State& state) {
    FullRepaint(state, zelt::kModelRM0480);
}

BENCHMARK(BM_FullRepaintTK0530)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullRepaintRM0480)->Unit(benchmark::kMicrosecond);

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
