// Finding every occurrence of a common word in 100 MiB of an English book and of Korean novels,
// as the find dialog's list does, exactly and ignoring the spacing, against glibc's memmem
// counting the same occurrences over the same UTF-16 bytes. Then one search through the 100 MiB
// bench document for the marker at its end, forward and back, against std::u16string_view's
// find and rfind.
#include <benchmark/benchmark.h>
#include <string.h>

#include <string>
#include <string_view>

#include "bench/RatioReporter.h"
#include "bench/ViewDocument.h"
#include "view/FindAllScan.h"
#include "view/TextSearch.h"

namespace sorna {
namespace {

const std::u16string& EnglishText() {
    static const std::u16string text = HundredMegabytesOf({"en-gutenberg-01-large.txt"});
    return text;
}

const std::u16string& KoreanText() {
    static const std::u16string text = HundredMegabytesOf(
        {"ko-cp949-novel-01.txt", "ko-cp949-novel-02.txt", "ko-cp949-novel-03.txt",
         "ko-utf8bom-novel-04.txt", "ko-utf16le-bom-novel-05.txt"});
    return text;
}

// The bench document: the Korean Bible and an English novel in turn, closed by the marker.
const std::u16string& MarkedText() {
    static const std::u16string text =
        HundredMegabytesOf({"ko-cp949-bible-krv-large.txt", "en-gutenberg-01-large.txt"}) +
        std::u16string(kEndMarker);
    return text;
}

// Occurrences of `word` that memmem finds among the text's bytes, counting only those that
// start on a code unit and going on past each.
size_t MemmemCount(std::u16string_view text, std::u16string_view word) {
    const auto* bytes = reinterpret_cast<const char*>(text.data());
    const size_t size = text.size() * 2;
    size_t count = 0;
    for (size_t at = 0;;) {
        const void* hit = memmem(bytes + at, size - at, word.data(), word.size() * 2);
        if (hit == nullptr) {
            return count;
        }
        const auto offset = size_t(static_cast<const char*>(hit) - bytes);
        count += offset % 2 == 0;
        at = offset % 2 == 0 ? offset + word.size() * 2 : offset + 1;
    }
}

void Memmem(benchmark::State& state, const std::u16string& text, std::u16string_view word) {
    size_t count = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(count = MemmemCount(text, word));
    }
    state.counters["hits"] = double(count);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()) * 2);
}

// The scan run to the end a million units a step, keeping the first 10,000 hits for a list.
void FindAll(benchmark::State& state, const std::u16string& text, std::u16string_view word,
             SearchOptions options) {
    const size_t expected = MemmemCount(text, word);
    size_t count = 0;
    for (auto _ : state) {
        FindAllScan scan(TextSearch(word, options), text, 10'000);
        while (scan.Step(size_t{1} << 20)) {
        }
        benchmark::DoNotOptimize(count = scan.Count());
    }
    if (count != expected) {
        state.SkipWithError(
            ("found " + std::to_string(count) + ", memmem " + std::to_string(expected)).c_str());
    }
    state.counters["hits"] = double(count);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()) * 2);
}

constexpr std::u16string_view kEnglishWord = u"the";
// "the" ignoring the spacing also finds "with every", which memmem does not; "which" is spaced
// nowhere else in the book.
constexpr std::u16string_view kEnglishSpacedWord = u"which";
constexpr std::u16string_view kKoreanWord = u"것이";

void BM_MemmemEnglish(benchmark::State& state) {
    Memmem(state, EnglishText(), kEnglishWord);
}
BENCHMARK(BM_MemmemEnglish)->Unit(benchmark::kMillisecond);

void BM_FindAllEnglish(benchmark::State& state) {
    FindAll(state, EnglishText(), kEnglishWord, {});
}
BENCHMARK(BM_FindAllEnglish)->Unit(benchmark::kMillisecond);

void BM_MemmemEnglishSpaced(benchmark::State& state) {
    Memmem(state, EnglishText(), kEnglishSpacedWord);
}
BENCHMARK(BM_MemmemEnglishSpaced)->Unit(benchmark::kMillisecond);

void BM_FindAllEnglishIgnoringSpacing(benchmark::State& state) {
    FindAll(state, EnglishText(), kEnglishSpacedWord, {.ignoreSpacing = true});
}
BENCHMARK(BM_FindAllEnglishIgnoringSpacing)->Unit(benchmark::kMillisecond);

void BM_MemmemKorean(benchmark::State& state) {
    Memmem(state, KoreanText(), kKoreanWord);
}
BENCHMARK(BM_MemmemKorean)->Unit(benchmark::kMillisecond);

void BM_FindAllKorean(benchmark::State& state) {
    FindAll(state, KoreanText(), kKoreanWord, {});
}
BENCHMARK(BM_FindAllKorean)->Unit(benchmark::kMillisecond);

void BM_FindAllKoreanIgnoringSpacing(benchmark::State& state) {
    FindAll(state, KoreanText(), kKoreanWord, {.ignoreSpacing = true});
}
BENCHMARK(BM_FindAllKoreanIgnoringSpacing)->Unit(benchmark::kMillisecond);

// One search for the marker over the whole bench document: found at its end by `find` from
// its start, or from before it by `find` going backwards, not at all.
template <class Find>
void SearchTheMarker(benchmark::State& state, bool backwards, Find find) {
    const std::u16string& text = MarkedText();
    const size_t expected = backwards ? std::u16string_view::npos : text.size() - kEndMarker.size();
    for (auto _ : state) {
        if (find(std::u16string_view(text)) != expected) {
            state.SkipWithError("the marker was found elsewhere");
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()) * 2);
}

void BM_StringViewFind(benchmark::State& state) {
    SearchTheMarker(state, false, [](std::u16string_view text) { return text.find(kEndMarker); });
}
BENCHMARK(BM_StringViewFind)->Unit(benchmark::kMillisecond);

void BM_NextExact(benchmark::State& state) {
    const TextSearch search(kEndMarker, {});
    SearchTheMarker(state, false, [&](std::u16string_view text) {
        const auto hit = search.Next(text, 0);
        return hit ? size_t(hit->offset) : std::u16string_view::npos;
    });
}
BENCHMARK(BM_NextExact)->Unit(benchmark::kMillisecond);

void BM_NextIgnoringCase(benchmark::State& state) {
    const TextSearch search(kEndMarker, {.ignoreCase = true});
    SearchTheMarker(state, false, [&](std::u16string_view text) {
        const auto hit = search.Next(text, 0);
        return hit ? size_t(hit->offset) : std::u16string_view::npos;
    });
}
BENCHMARK(BM_NextIgnoringCase)->Unit(benchmark::kMillisecond);

void BM_StringViewRfind(benchmark::State& state) {
    SearchTheMarker(state, true, [](std::u16string_view text) {
        return text.rfind(kEndMarker, text.size() - kEndMarker.size() - 1);
    });
}
BENCHMARK(BM_StringViewRfind)->Unit(benchmark::kMillisecond);

void BM_PreviousExact(benchmark::State& state) {
    const TextSearch search(kEndMarker, {});
    SearchTheMarker(state, true, [&](std::u16string_view text) {
        const auto hit = search.Previous(text, text.size() - kEndMarker.size());
        return hit ? size_t(hit->offset) : std::u16string_view::npos;
    });
}
BENCHMARK(BM_PreviousExact)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sorna

int main(int argc, char** argv) {
    return sorna::RunBenchmarksWithRatios(
        argc, argv,
        {{"find all \"the\" / memmem", "BM_FindAllEnglish", "BM_MemmemEnglish"},
         {"find all \"which\" ignoring spacing / memmem", "BM_FindAllEnglishIgnoringSpacing",
          "BM_MemmemEnglishSpaced"},
         {"find all \"것이\" / memmem", "BM_FindAllKorean", "BM_MemmemKorean"},
         {"find all \"것이\" ignoring spacing / memmem", "BM_FindAllKoreanIgnoringSpacing",
          "BM_MemmemKorean"},
         {"Next exact / string_view find (peer)", "BM_NextExact", "BM_StringViewFind"},
         {"Next ignoring case / string_view find (peer)", "BM_NextIgnoringCase",
          "BM_StringViewFind"},
         {"Previous exact / string_view rfind (peer)", "BM_PreviousExact", "BM_StringViewRfind"}});
}
