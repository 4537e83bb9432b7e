// What one key press costs the editor before it repaints: the translation of the Qt event and
// the typing rules, on a template whose every key holds text (so that the space-left count,
// done before every insertion, walks real contents).

#include "FilledDocument.h"
#include "ModelCode.h"
#include "input/KeyEventMapping.h"
#include "typing/KeyTyping.h"
#include "view/ViewController.h"

#include <QKeyEvent>
#include <benchmark/benchmark.h>

namespace zelt {
namespace {

// The typing rules over a filled template, with no lock key on.
struct Typing {
    test::FakeViewDocument document = bench::FilledDocument(kModelRM0480);
    RecordingMessageSink messages;
    ViewController controller{document, messages};
    KeyTyping typing{controller};
    const LockKeys locks;

    void Press(pc::KeyCode key) { typing.KeyDown(key, locks); }
};

// A letter typed and taken out again, so the content stays the same size.
void TypeAndDelete(benchmark::State& state) {
    Typing editor;
    for (auto _ : state) {
        editor.Press({'A', 0x1E});
        editor.Press({8, 0x0E});
    }
    benchmark::DoNotOptimize(editor.document.Data().keyContents);
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(TypeAndDelete);

// Caret movements need no space count.
void CaretRightAndLeft(benchmark::State& state) {
    Typing editor;
    for (auto _ : state) {
        editor.Press({39, 0x14D});
        editor.Press({37, 0x14B});
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(CaretRightAndLeft);

void MapNativeKeyEvent(benchmark::State& state) {
    const QKeyEvent event(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 30 + 8, 0, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(MapKeyEvent(event, true, NativeKeyCodes::Evdev));
    }
}
BENCHMARK(MapNativeKeyEvent);

void MapSynthesizedKeyEvent(benchmark::State& state) {
    const QKeyEvent event(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    for (auto _ : state) {
        benchmark::DoNotOptimize(MapKeyEvent(event, true, NativeKeyCodes::None));
    }
}
BENCHMARK(MapSynthesizedKeyEvent);

} // namespace
} // namespace zelt
