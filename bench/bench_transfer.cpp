// One full read and one full write of a template against the simulator process, with the
// protocol's real pauses, over USB and over the PS/2 stand-in. The transfer's time is its
// pauses plus the program's own work (sockets, the simulator, encoding, decoding); the
// "overhead_pct" counter is that work as a share of the pauses.

#include "KeyArea.h"
#include "KeyContentDecoder.h"
#include "KeyboardConnection.h"
#include "ModelCode.h"
#include "SimHidBackend.h"
#include "SocketKbPortDriver.h"
#include "TimedProcess.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace zelt {
namespace {

// Real pauses, adding up what was asked for.
class CountingSleeper final : public Sleeper {
public:
    void Sleep(std::chrono::milliseconds duration) override {
        requested += duration;
        real_.Sleep(duration);
    }
    std::chrono::milliseconds requested{0};

private:
    RealSleeper real_;
};

class QuietMessages final : public MessageSink {
public:
    void ShowMessage(std::string_view text, MessageIcon) override {
        std::fprintf(stderr, "unexpected message: %.*s\n", static_cast<int>(text.size()),
                     text.data());
        failed = true;
    }
    bool failed = false;
};

TemplateData FullTemplate() {
    TemplateData data;
    data.image = MakeNewImage(kModelRM0480);
    DecodeImage(data);
    for (std::size_t k = 0; k < data.keyContents.size(); ++k) {
        data.keyContents[k] = "key" + std::to_string(k);
    }
    return data;
}

testing::KbsimProcess& Simulator() {
    static testing::KbsimProcess sim(ZELT_KBSIM_PATH);
    static const bool started = sim.Start();
    if (!started) {
        std::fprintf(stderr, "zelt-kbsim did not start: %s\n", sim.Stderr().c_str());
        std::exit(1);
    }
    return sim;
}

void RunTransfer(benchmark::State& state, PortKind port, TransferDirection direction) {
    auto& sim = Simulator();
    QuietMessages messages;
    NoProgress progress;
    NullTrace trace;
    auto sleeperOwned = std::make_unique<CountingSleeper>();
    CountingSleeper& sleeper = *sleeperOwned;
    auto started =
        port == PortKind::Usb
            ? KeyboardConnection::ConnectUsb(std::make_unique<SimHidBackend>(sim.hidSocket), 0,
                                             std::move(sleeperOwned), trace, messages)
            : KeyboardConnection::ConnectPs2(
                  std::make_unique<SocketKbPortDriver>(sim.kbportSocket),
                  [] { return std::optional<int>(2); }, std::move(sleeperOwned), messages);
    if (!started.connection || started.connection->NoKeyboard()) {
        state.SkipWithError("no keyboard");
        return;
    }
    KeyboardConnection& keyboard = *started.connection;
    std::chrono::duration<double> elapsed{0};
    std::chrono::milliseconds pauses{0};
    for (auto _ : state) {
        TemplateData document = FullTemplate();
        sleeper.requested = std::chrono::milliseconds{0};
        const auto begin = std::chrono::steady_clock::now();
        const TransferResult result =
            direction == TransferDirection::Read
                ? keyboard.ReadFromKeyboard(document, messages, progress)
                : keyboard.WriteIntoKeyboard(document, std::nullopt, messages, progress);
        const auto end = std::chrono::steady_clock::now();
        if (!result.succeeded || messages.failed) {
            state.SkipWithError("transfer failed");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - begin).count());
        elapsed += end - begin;
        pauses += sleeper.requested;
    }
    const double pauseSeconds = std::chrono::duration<double>(pauses).count();
    state.counters["pauses_s"] = pauseSeconds / static_cast<double>(state.iterations());
    state.counters["overhead_ms"] =
        (elapsed.count() - pauseSeconds) * 1000.0 / static_cast<double>(state.iterations());
    state.counters["overhead_pct"] = (elapsed.count() - pauseSeconds) / pauseSeconds * 100.0;
}

void BM_UsbRead(benchmark::State& state) {
    RunTransfer(state, PortKind::Usb, TransferDirection::Read);
}
void BM_UsbWrite(benchmark::State& state) {
    RunTransfer(state, PortKind::Usb, TransferDirection::Write);
}
void BM_Ps2Read(benchmark::State& state) {
    RunTransfer(state, PortKind::Ps2, TransferDirection::Read);
}
void BM_Ps2Write(benchmark::State& state) {
    RunTransfer(state, PortKind::Ps2, TransferDirection::Write);
}

// Each transfer lasts seconds; one of each is the measurement.
BENCHMARK(BM_UsbRead)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UsbWrite)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Ps2Read)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Ps2Write)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zelt
