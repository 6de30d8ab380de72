// Finding the chapters of a 100 MiB text (as the reader holds it: 50 Mi code units), Korean and
// English, made at run time from the corpus, against a vectorised count of the same text's line
// feeds (the limit: every search of lines reads them all), on one part and in as many parts as
// there are hardware threads.
//   bench_chapters --list   prints instead the chapters found in each corpus document: how
//                           many and the first five, with their levels.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/RatioReporter.h"
#include "bench/Require.h"
#include "bench/VectorLimits.h"
#include "document/FindChapters.h"
#include "document/LoadDocument.h"
#include "platform/ParallelParts.h"
#include "platform/Utf8Text.h"
#include "resources/Format.h"
#include "tests/support/Corpus.h"

namespace sorna {
namespace {

constexpr size_t kTextUnits = size_t{50} << 20;

DocumentText LoadCorpusDocument(const std::string& path) {
    DocumentText document;
    Require(LoadDocument(document, Widen(path), nullptr), "load " + path);
    return document;
}

std::u16string CorpusText(const char* name) {
    const DocumentText document = LoadCorpusDocument(corpus::File(name).string());
    return {document.text.get(), size_t(document.length)};
}

// Korean: the novels of the corpus in turn, each after a heading line "N화" as a web novel has
// them, numbered through the whole text, with the constitution (장 and 절) among them.
std::u16string KoreanText() {
    const std::vector<std::u16string> sources = {
        CorpusText("ko-utf8-novel-01.txt"),        CorpusText("ko-utf8-novel-02.txt"),
        CorpusText("ko-utf8-novel-03.txt"),        CorpusText("ko-utf8bom-novel-04.txt"),
        CorpusText("ko-utf16le-bom-novel-05.txt"), CorpusText("ko-utf8-constitution.txt")};
    std::u16string text;
    for (size_t i = 0; text.size() < kTextUnits; ++i) {
        text += Widen(std::to_string(i + 1)) + u"화\r\n\r\n" + sources[i % sources.size()] +
                u"\r\n\r\n";
    }
    text.resize(kTextUnits);
    return text;
}

// English: War and Peace (books, chapters and a list of contents) and Moby Dick in turn.
std::u16string EnglishText() {
    const std::vector<std::u16string> sources = {CorpusText("en-gutenberg-01-large.txt"),
                                                 CorpusText("en-gutenberg-02-crlf.txt")};
    std::u16string text;
    for (size_t i = 0; text.size() < kTextUnits; ++i) {
        text += sources[i % sources.size()];
    }
    text.resize(kTextUnits);
    return text;
}

const std::u16string& TextOf(bool korean) {
    static const std::u16string ko = KoreanText();
    static const std::u16string en = EnglishText();
    return korean ? ko : en;
}

Parting PartingOf(bool threads) {
    return threads ? Parting::PerThread(kChapterPartLength) : Parting{};
}

void BM_FindChapters(benchmark::State& state, bool korean, bool threads) {
    const std::u16string& text = TextOf(korean);
    size_t found = 0;
    for (auto _ : state) {
        const std::vector<Chapter> chapters = FindChapters(text, PartingOf(threads));
        found = chapters.size();
        benchmark::DoNotOptimize(chapters.data());
    }
    state.counters["chapters"] = double(found);
    state.SetBytesProcessed(int64_t(state.iterations() * text.size() * 2));
}

void BM_CountLineFeeds(benchmark::State& state, bool korean, bool threads) {
    const std::u16string& text = TextOf(korean);
    const size_t parts = PartingOf(threads).PartsFor(int64_t(text.size()));
    std::vector<size_t> counts(parts);
    for (auto _ : state) {
        RunParts(parts, [&](size_t part) {
            const size_t from = text.size() * part / parts;
            const size_t to = text.size() * (part + 1) / parts;
            counts[part] = bench::CountLineFeeds(text.data() + from, to - from);
        });
        benchmark::DoNotOptimize(counts.data());
    }
    state.counters["lines"] = double(counts[0]);
    state.SetBytesProcessed(int64_t(state.iterations() * text.size() * 2));
}

std::string NameOf(const char* what, bool korean, bool threads) {
    return std::string(what) + (korean ? "/ko" : "/en") + (threads ? "/threads" : "/1part");
}

void RegisterBenchmarks() {
    for (const bool korean : {true, false}) {
        for (const bool threads : {false, true}) {
            benchmark::RegisterBenchmark(NameOf("BM_FindChapters", korean, threads).c_str(),
                                         BM_FindChapters, korean, threads)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
            benchmark::RegisterBenchmark(NameOf("BM_CountLineFeeds", korean, threads).c_str(),
                                         BM_CountLineFeeds, korean, threads)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
        }
    }
}

// The chapter list of every corpus document: an HTML page's from its load, a text's found.
void PrintChapterLists() {
    for (const auto& file : corpus::Documents()) {
        const DocumentText document = LoadCorpusDocument(file.string());
        const std::vector<Chapter> chapters =
            document.chapters ? *document.chapters
                              : FindChapters({document.text.get(), size_t(document.length)});
        std::printf("%s: %zu\n", file.filename().string().c_str(), chapters.size());
        for (size_t i = 0; i < chapters.size() && i < 5; ++i) {
            std::printf("    %d %s\n", chapters[i].level, ToUtf8(chapters[i].title).c_str());
        }
    }
}

}  // namespace
}  // namespace sorna

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--list") == 0) {
        sorna::PrintChapterLists();
        return 0;
    }
    sorna::RegisterBenchmarks();
    // Each ratio is the search's time over the count's: at least 1, and the nearer, the better.
    std::vector<sorna::BenchmarkRatio> ratios;
    for (const bool korean : {true, false}) {
        for (const bool threads : {false, true}) {
            ratios.push_back({std::string(korean ? "Korean" : "English") +
                                  " FindChapters time / line-feed count time (limit), " +
                                  (threads ? "all threads" : "one part"),
                              sorna::NameOf("BM_FindChapters", korean, threads),
                              sorna::NameOf("BM_CountLineFeeds", korean, threads)});
        }
    }
    return sorna::RunBenchmarksWithRatios(argc, argv, ratios);
}
