// Opening an EPUB book of 5 MiB and of 50 MiB, made at run time from the corpus by the test
// books' generator: the time to a loaded document, against the shell's way to the same text,
// `unzip -p` of the reading order's items piped through iconv to UTF-16 (the peer).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/RatioReporter.h"
#include "bench/Require.h"
#include "document/LoadDocument.h"
#include "platform/Utf8Text.h"

namespace sorna {
namespace {

const std::vector<int> kMebibytes = {5, 50};

// The books in a temporary folder of their own, removed at exit.
class Books {
public:
    Books() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "sorna-book-XXXXXX").string();
        Require(::mkdtemp(pattern.data()) != nullptr, "make a folder for the books");
        folder_ = pattern;
        for (const int mebibytes : kMebibytes) {
            const std::string make = std::string("python3 ") + SORNA_SOURCE_DIR +
                                     "/tests/support/MakeBooks.py " + SORNA_CORPUS_DIR + " " +
                                     folder_.string() + " --mib " + std::to_string(mebibytes);
            Require(std::system(make.c_str()) == 0, "make the books (" + make + ")");
        }
    }
    ~Books() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::filesystem::path Path(int mebibytes) const {
        return folder_ / ("big-" + std::to_string(mebibytes) + ".epub");
    }

private:
    std::filesystem::path folder_;
};

const Books& GetBooks() {
    static const Books books;
    return books;
}

void BM_LoadBook(benchmark::State& state, int mebibytes) {
    const std::filesystem::path path = GetBooks().Path(mebibytes);
    const std::u16string wide = FromUtf8(path.string()).value_or(u"");
    for (auto _ : state) {
        DocumentText document;
        if (!LoadDocument(document, wide, nullptr)) {
            state.SkipWithError("the book did not load");
            break;
        }
        benchmark::DoNotOptimize(document.text.get());
    }
    state.SetBytesProcessed(state.iterations() * std::filesystem::file_size(path));
}

// The generator numbers the items in reading order and writes them in that order.
void BM_UnzipIconv(benchmark::State& state, int mebibytes) {
    const std::filesystem::path path = GetBooks().Path(mebibytes);
    const std::string command = "unzip -p '" + path.string() +
                                "' 'OEBPS/c*.xhtml' | iconv -f UTF-8 -t UTF-16LE > /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("unzip or iconv failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * std::filesystem::file_size(path));
}

void RegisterBenchmarks(std::vector<BenchmarkRatio>& ratios) {
    for (const int mebibytes : kMebibytes) {
        const std::string size = std::to_string(mebibytes) + "MiB";
        benchmark::RegisterBenchmark(("BM_LoadBook/" + size).c_str(), BM_LoadBook, mebibytes)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark(("BM_UnzipIconv/" + size).c_str(), BM_UnzipIconv, mebibytes)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        // Above 1, the load is the faster.
        ratios.push_back({size + " book load speed / unzip | iconv (peer)", "BM_UnzipIconv/" + size,
                          "BM_LoadBook/" + size});
    }
}

}  // namespace
}  // namespace sorna

int main(int argc, char** argv) {
    std::vector<sorna::BenchmarkRatio> ratios;
    sorna::RegisterBenchmarks(ratios);
    return sorna::RunBenchmarksWithRatios(argc, argv, ratios);
}
