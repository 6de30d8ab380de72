// Finding a word that occurs only at the end of a 100 MiB document, exactly and ignoring case,
// against std::u16string_view::find over the same text (the peer a programmer would reach for)
// and glibc's memmem over its bytes.
#include <benchmark/benchmark.h>
#include <string.h>

#include <algorithm>

#include "bench/RatioReporter.h"
#include "bench/ViewDocument.h"
#include "view/TextView.h"

namespace sorna {
namespace {

void BM_StringViewFind(benchmark::State& state) {
    const DocumentText& document = SharedBenchView().view.Document();
    const std::u16string_view text(document.text.get(), size_t(document.length));
    for (auto _ : state) {
        benchmark::DoNotOptimize(text.find(kEndMarker));
    }
    state.SetBytesProcessed(state.iterations() * int64_t{document.length} * 2);
}
BENCHMARK(BM_StringViewFind)->Unit(benchmark::kMillisecond);

// The marker's bytes found among the text's bytes, by the C library.
void BM_Memmem(benchmark::State& state) {
    const DocumentText& document = SharedBenchView().view.Document();
    for (auto _ : state) {
        benchmark::DoNotOptimize(memmem(document.text.get(), size_t(document.length) * 2,
                                        kEndMarker.data(), kEndMarker.size() * 2));
    }
    state.SetBytesProcessed(state.iterations() * int64_t{document.length} * 2);
}
BENCHMARK(BM_Memmem)->Unit(benchmark::kMillisecond);

void FindFromTheTop(benchmark::State& state, bool ignoreCase) {
    TextView& view = SharedBenchView().view;
    for (auto _ : state) {
        view.SetTopLine(0);
        if (!view.FindNext(TextSearch(kEndMarker, {ignoreCase}))) {
            state.SkipWithError("the marker was not found");
        }
    }
    state.SetBytesProcessed(state.iterations() * int64_t{view.Document().length} * 2);
}

void BM_FindNextExact(benchmark::State& state) {
    FindFromTheTop(state, false);
}
BENCHMARK(BM_FindNextExact)->Unit(benchmark::kMillisecond);

void BM_FindNextIgnoringCase(benchmark::State& state) {
    FindFromTheTop(state, true);
}
BENCHMARK(BM_FindNextIgnoringCase)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sorna

int main(int argc, char** argv) {
    return sorna::RunBenchmarksWithRatios(
        argc, argv,
        {{"FindNext exact / string_view find (peer)", "BM_FindNextExact", "BM_StringViewFind"},
         {"FindNext exact / glibc memmem", "BM_FindNextExact", "BM_Memmem"},
         {"FindNext ignoring case / string_view find (peer)", "BM_FindNextIgnoringCase",
          "BM_StringViewFind"},
         {"FindNext ignoring case / glibc memmem", "BM_FindNextIgnoringCase", "BM_Memmem"}});
}
