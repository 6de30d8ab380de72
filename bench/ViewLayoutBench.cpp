// Laying out a 100 MiB document against a loop that only looks up and sums the width of every
// code unit, the least any layout must do, and against a vectorised sum of those widths looked
// up beforehand, the speed of reading the text once (the limit); then the first layout of a
// document, with the line table growing from nothing, with one width for all wide code units
// and with one for each. The layout breaks a long text in parts on all hardware threads, so
// the limit sums in as many parts; both are also measured in one part.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <vector>

#include "bench/RatioReporter.h"
#include "bench/VectorLimits.h"
#include "bench/ViewDocument.h"
#include "platform/ParallelParts.h"
#include "view/LineBreaker.h"
#include "view/TextView.h"

namespace sorna {
namespace {

const DocumentText& Document() {
    return SharedBenchView().view.Document();
}

// The least any layout must do: the width of every code unit by the width rule, added up. The
// rule's two cases are one table and four code units are summed at a time, as in the breaker,
// so that neither mispredicted branches on mixed Korean and Latin text nor loop overhead count
// against the layout; a lookup per unit keeps the loop from vectorising.
int64_t SumWidths(const DocumentText& document, const std::array<int64_t, 257>& widths) {
    const auto width = [&widths](char16_t c) { return widths[std::min<char16_t>(c, 256)]; };
    const char16_t* const text = document.text.get();
    int64_t sum = 0;
    int32_t i = 0;
    for (; i + 4 <= document.length; i += 4) {
        sum += width(text[i]) + width(text[i + 1]) + width(text[i + 2]) + width(text[i + 3]);
    }
    for (; i < document.length; ++i) {
        sum += width(text[i]);
    }
    return sum;
}

void BM_SumWidths(benchmark::State& state) {
    const CharMetrics& metrics = SharedBenchView().device.metrics;
    std::array<int64_t, 257> widths{};
    for (char16_t c = 0; c <= 256; ++c) {
        widths[c] = metrics.Width(c);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(SumWidths(Document(), widths));
    }
    state.SetBytesProcessed(state.iterations() * int64_t{Document().length} * 2);
}
BENCHMARK(BM_SumWidths)->Unit(benchmark::kMillisecond);

// Widths of 16 bits each: signed 16-bit lanes hold them as long as a glyph is narrower than 32768.
// Summed in as many parts at once as the layout breaks the text into, or in one.
void SumWidthsVector(benchmark::State& state, Parting parting) {
    const CharMetrics& metrics = SharedBenchView().device.metrics;
    const DocumentText& document = Document();
    std::vector<uint16_t> widths(size_t(document.length));
    for (int32_t i = 0; i < document.length; ++i) {
        widths[size_t(i)] = uint16_t(metrics.Width(document.text[i]));
    }
    const size_t parts = parting.PartsFor(document.length);
    std::vector<int64_t> sums(parts);
    for (auto _ : state) {
        RunParts(parts, [&](size_t part) {
            const size_t from = widths.size() * part / parts;
            const size_t to = widths.size() * (part + 1) / parts;
            sums[part] = bench::SumWidths(widths.data() + from, to - from);
        });
        benchmark::DoNotOptimize(sums.data());
    }
    state.SetBytesProcessed(state.iterations() * int64_t{document.length} * 2);
}

void BM_SumWidthsVector(benchmark::State& state) {
    SumWidthsVector(state, {});
}
BENCHMARK(BM_SumWidthsVector)->Unit(benchmark::kMillisecond);

void BM_SumWidthsVectorParts(benchmark::State& state) {
    SumWidthsVector(state, Parting::PerThread(kBreakPartLength));
}
BENCHMARK(BM_SumWidthsVectorParts)->Unit(benchmark::kMillisecond)->UseRealTime();

// The line table is rebuilt in place, as after a change of settings.
void BM_Layout(benchmark::State& state) {
    TextView& view = SharedBenchView().view;
    int32_t spacing = 4;
    for (auto _ : state) {
        view.SetLineSpacing(spacing ^= 1);  // asks for a new layout
        benchmark::DoNotOptimize(view.Layout(nullptr));
    }
    state.SetBytesProcessed(state.iterations() * int64_t{Document().length} * 2);
    state.counters["lines"] = view.Lines().Count() - 1;
}
BENCHMARK(BM_Layout)->Unit(benchmark::kMillisecond)->UseRealTime();

void FirstLayouts(benchmark::State& state, const CharMetrics& metrics,
                  Parting parting = Parting::PerThread(kBreakPartLength)) {
    for (auto _ : state) {
        LineTable lines;
        benchmark::DoNotOptimize(BreakLines(Document().text.get(), Document().length, metrics,
                                            {1057, true}, lines, parting));
        benchmark::DoNotOptimize(lines.Count());
    }
    state.SetBytesProcessed(state.iterations() * int64_t{Document().length} * 2);
}

void BM_FirstLayout(benchmark::State& state) {
    FirstLayouts(state, SharedBenchView().device.metrics);
}
BENCHMARK(BM_FirstLayout)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same on one thread.
void BM_FirstLayoutOnePart(benchmark::State& state) {
    FirstLayouts(state, SharedBenchView().device.metrics, {});
}
BENCHMARK(BM_FirstLayoutOnePart)->Unit(benchmark::kMillisecond);

// The same with a width for each code unit above U+0100, as a face without Hangul is measured.
void BM_FirstLayoutEachWide(benchmark::State& state) {
    CharMetrics metrics = SharedBenchView().device.metrics;
    metrics.wideWidths.assign(0x10000 - CharMetrics::kWideFrom, metrics.wideWidth);
    FirstLayouts(state, metrics);
}
BENCHMARK(BM_FirstLayoutEachWide)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace sorna

int main(int argc, char** argv) {
    std::printf("document: %d code units\n", sorna::Document().length);
    return sorna::RunBenchmarksWithRatios(
        argc, argv,
        {{"layout / sum of widths", "BM_Layout", "BM_SumWidths"},
         {"layout / vectorised sum of widths in as many parts (limit)", "BM_Layout",
          "BM_SumWidthsVectorParts"},
         {"layout / vectorised sum of widths in one part", "BM_Layout", "BM_SumWidthsVector"},
         {"first layout / vectorised sum of widths in as many parts (limit)", "BM_FirstLayout",
          "BM_SumWidthsVectorParts"},
         {"first layout in one part / vectorised sum of widths in one part (limit)",
          "BM_FirstLayoutOnePart", "BM_SumWidthsVector"},
         {"first layout, each wide width / vectorised sum of widths in as many parts (limit)",
          "BM_FirstLayoutEachWide", "BM_SumWidthsVectorParts"}});
}
