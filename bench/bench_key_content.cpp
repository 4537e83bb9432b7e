// Speed of the key content language over whole templates: decoding the key area, building it,
// counting the space left, and the decode + build round trip that loading and saving costs.

#include "KeyArea.h"
#include "KeyContent.h"
#include "KeyContentDecoder.h"
#include "ModelCode.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {
namespace {

// Contents as a point-of-sale layout has them: digits and words with Enter, function and
// navigation keys, modifier combinations, shift levels and delays.
constexpr std::array<std::string_view, 24> kTypicalContents = {
    "1",
    "00",
    "Cash[CR]",
    "Subtotal[CR]",
    "PLU[Delay5]0815[CR]",
    "void[Separator]VOID[Separator]Void",
    "[F1]",
    "[Ctrl][Shift][A]",
    "[PAD5]",
    "[ArrowUp]",
    "[Shift][a][Separator][a]",
    "[PrintScreen]",
    "[ShiftLevel2]",
    "Qty x [[kg]][CR]",
    "[Alt][PAD1][PAD2][PAD8]",
    "[Home][Delay10][End]",
    "Discount 10%[CR]",
    "[0E0][0F0][Ctrl]",
    "[Mute]",
    "Card[Caps][CR]",
    "[ESC]",
    "[Enter]",
    "[PageDown][PageDown]",
    "Total[Separator]TOTAL[CR]",
};

// Each key's typical content, repeated while it stays short, so that the 176 keys fill the
// key area almost to the last byte.
TemplateData FullTemplate(std::span<const std::string_view> contents, int shortest) {
    TemplateData data;
    data.modelCode = kModelRM0410;
    data.image = MakeNewImage(data.modelCode);
    for (std::size_t k = 0; k < kKeyCount; ++k) {
        const std::string_view typical = contents[k % contents.size()];
        std::string& content = data.keyContents[k];
        content = typical;
        while (GetEncodedSize(content) < shortest &&
               IsValidContent(std::string(content) += typical)) {
            content += typical;
        }
        if (!IsValidContent(content)) {
            std::fprintf(stderr, "not a valid content: %s\n", content.c_str());
            std::abort();
        }
    }
    BuildKeyArea(data);
    DecodeImage(data);
    return data;
}

// Mixed: about half the keys send scan codes, so keywords are dense.
TemplateData FullTemplate() {
    return FullTemplate(kTypicalContents, 9);
}

// Text keys only, as on a keyboard that types product codes and words.
constexpr std::array<std::string_view, 8> kTextContents = {
    "0815[CR]", "Cash", "Subtotal[CR]", "PLU ", "Qty[Separator]QTY", "Void[CR]", "7", "Total",
};

TemplateData FullTextTemplate() {
    return FullTemplate(kTextContents, 9);
}

// The time per iteration is the time per template; a rate counter is left out, because the
// fastest of the repeated runs would show the lowest rate beside it.
void ReportTemplate(benchmark::State& state, TemplateData& data) {
    state.counters["space_left"] = GetSpaceLeft(data);
}

// The clock of a shared machine varies from run to run by a third and more, so every benchmark
// here runs twenty short times: beside the mean and median, the fastest run is the figure that
// the code itself decides, and the one to compare between two versions.
double Fastest(const std::vector<double>& runs) {
    return *std::min_element(runs.begin(), runs.end());
}

void Repeated(benchmark::internal::Benchmark* b) {
    b->Repetitions(20)
        ->MinTime(0.05)
        ->ComputeStatistics("min", Fastest)
        ->DisplayAggregatesOnly(true);
}

void BM_DecodeImage(benchmark::State& state) {
    TemplateData data = FullTemplate();
    for (auto _ : state) {
        DecodeImage(data);
        benchmark::DoNotOptimize(data.keyContents.data());
        benchmark::ClobberMemory();
    }
    ReportTemplate(state, data);
}
BENCHMARK(BM_DecodeImage)->Apply(Repeated);

void BM_BuildKeyArea(benchmark::State& state) {
    TemplateData data = FullTemplate();
    for (auto _ : state) {
        BuildKeyArea(data);
        benchmark::DoNotOptimize(data.image.data());
        benchmark::ClobberMemory();
    }
    ReportTemplate(state, data);
}
BENCHMARK(BM_BuildKeyArea)->Apply(Repeated);

void BM_GetSpaceLeft(benchmark::State& state) {
    TemplateData data = FullTemplate();
    for (auto _ : state) {
        benchmark::DoNotOptimize(GetSpaceLeft(data));
    }
    ReportTemplate(state, data);
}
BENCHMARK(BM_GetSpaceLeft)->Apply(Repeated);

// Loading decodes the image, saving builds it again.
void DecodeBuildRoundTrip(benchmark::State& state, TemplateData data) {
    for (auto _ : state) {
        DecodeImage(data);
        BuildKeyArea(data);
        benchmark::DoNotOptimize(data.image.data());
        benchmark::ClobberMemory();
    }
    ReportTemplate(state, data);
}

// A key area that is one long run of characters, the densest text.
TemplateData OneLongKeyTemplate() {
    TemplateData data;
    data.modelCode = kModelRM0410;
    data.image = MakeNewImage(data.modelCode);
    data.keyContents[120] = std::string(1792, 'x');
    BuildKeyArea(data);
    return data;
}

void BM_DecodeBuildRoundTrip(benchmark::State& state) {
    DecodeBuildRoundTrip(state, FullTemplate());
}
BENCHMARK(BM_DecodeBuildRoundTrip)->Apply(Repeated);

void BM_DecodeBuildRoundTripTextKeys(benchmark::State& state) {
    DecodeBuildRoundTrip(state, FullTextTemplate());
}
BENCHMARK(BM_DecodeBuildRoundTripTextKeys)->Apply(Repeated);

void BM_DecodeBuildRoundTripOneLongKey(benchmark::State& state) {
    DecodeBuildRoundTrip(state, OneLongKeyTemplate());
}
BENCHMARK(BM_DecodeBuildRoundTripOneLongKey)->Apply(Repeated);

// What saving checks before it builds: every key through both content checks.
void BM_ValidateAllKeys(benchmark::State& state) {
    TemplateData data = FullTemplate();
    RecordingMessageSink sink;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ValidateAllKeys(data, sink));
    }
    ReportTemplate(state, data);
}
BENCHMARK(BM_ValidateAllKeys)->Apply(Repeated);

} // namespace
} // namespace zelt
