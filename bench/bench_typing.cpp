// What one key press costs the editor before it repaints: the translation of the Qt event and
// the typing rules, on a template whose every key holds text (so that the space-left count,
// done before every insertion, walks real contents).

#include "ModelCode.h"
#include "ModelLayout.h"
#include "input/KeyEventMapping.h"
#include "typing/KeyTyping.h"
#include "view/ViewController.h"
#include "view/ViewDocument.h"

#include <QKeyEvent>
#include <benchmark/benchmark.h>

#include <string>

namespace {

class FilledDocument final : public zelt::ViewDocument {
public:
    FilledDocument() : layout_(zelt::LayoutForModel(zelt::kModelRM0480)) {
        data_.modelCode = zelt::kModelRM0480;
        for (std::size_t k = 0; k < zelt::kKeyCount; ++k) {
            data_.keyContents[k] = "Key " + std::to_string(k + 1) + "[CR]";
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

// A letter typed and taken out again, so the content stays the same size.
void TypeAndDelete(benchmark::State& state) {
    FilledDocument document;
    zelt::RecordingMessageSink messages;
    zelt::ViewController controller(document, messages);
    zelt::KeyTyping typing(controller);
    const zelt::LockKeys locks;
    for (auto _ : state) {
        typing.KeyDown({'A', 0x1E}, locks);
        typing.KeyDown({8, 0x0E}, locks);
    }
    benchmark::DoNotOptimize(document.Data().keyContents);
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(TypeAndDelete);

// Caret movements need no space count.
void CaretRightAndLeft(benchmark::State& state) {
    FilledDocument document;
    zelt::RecordingMessageSink messages;
    zelt::ViewController controller(document, messages);
    zelt::KeyTyping typing(controller);
    const zelt::LockKeys locks;
    for (auto _ : state) {
        typing.KeyDown({39, 0x14D}, locks);
        typing.KeyDown({37, 0x14B}, locks);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(CaretRightAndLeft);

void MapNativeKeyEvent(benchmark::State& state) {
    const QKeyEvent event(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 30 + 8, 0, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(zelt::MapKeyEvent(event, true, zelt::NativeKeyCodes::Evdev));
    }
}
BENCHMARK(MapNativeKeyEvent);

void MapSynthesizedKeyEvent(benchmark::State& state) {
    const QKeyEvent event(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    for (auto _ : state) {
        benchmark::DoNotOptimize(zelt::MapKeyEvent(event, true, zelt::NativeKeyCodes::None));
    }
}
BENCHMARK(MapSynthesizedKeyEvent);

} // namespace
