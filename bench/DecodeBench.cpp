// Loading a 100 MiB document of each kind, made at run time from the corpus, against glibc's
// iconv converting the same mapped bytes to UTF-16 (the peer) and a vectorised widening copy of
// them (the limit: the speed of memory), into fresh pages as a load writes, on one thread and in
// as many parts as a load decodes in, and into warm ones;
// then the peak memory of each load beside its text buffer and mapping.
#include <benchmark/benchmark.h>
#include <iconv.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench/RatioReporter.h"
#include "bench/Require.h"
#include "bench/VectorLimits.h"
#include "document/DecodeInParts.h"
#include "document/LoadDocument.h"
#include "platform/MappedFile.h"
#include "platform/ParallelParts.h"
#include "platform/Utf8Text.h"
#include "tests/support/Corpus.h"

namespace sorna {
namespace {

constexpr size_t kDocumentBytes = size_t{100} << 20;

struct SampleDocument {
    const char* name;       // file name, which also decides HTML
    const char* iconvFrom;  // the same bytes' encoding for iconv
    std::vector<const char*> sources;
    size_t markBytes;        // a byte-order mark of the first source, left out of every body
    std::string_view space;  // pads the end to the size, so that no character is cut
    bool writesMark;         // the mark written once at the start; else the bytes must tell
};

const std::vector<SampleDocument> kKinds = {
    {"cp949.txt",
     "CP949",
     {"ko-cp949-bible-krv-large.txt", "ko-cp949-novel-03.txt"},
     0,
     " ",
     false},
    {"utf16.txt", "UTF-16", {"ko-utf16le-bom-novel-05.txt"}, 2, {" \0", 2}, true},
    {"utf16-nomark.txt", "UTF-16LE", {"ko-utf16le-bom-novel-05.txt"}, 2, {" \0", 2}, false},
    {"utf8.txt", "UTF-8", {"ko-utf8-novel-02.txt", "ko-utf8-constitution.txt"}, 0, " ", false},
    {"cp949.html",
     "CP949",
     {"ko-euckr-page-03-perftuning.html", "ko-euckr-page-05-quickref.html"},
     0,
     " ",
     false},
};

// The documents in a temporary folder of their own, removed at exit.
class Documents {
public:
    Documents() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "sorna-decode-XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data()) != nullptr ? pattern : "";
        for (const SampleDocument& kind : kKinds) {
            Write(kind);
        }
    }
    ~Documents() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::u16string Path(const SampleDocument& kind) const {
        return FromUtf8((folder_ / kind.name).string()).value_or(u"");
    }

private:
    void Write(const SampleDocument& kind) const {
        std::string bytes =
            corpus::Bytes(kind.sources.front()).substr(0, kind.writesMark ? kind.markBytes : 0);
        std::vector<std::string> bodies;
        for (const char* source : kind.sources) {
            bodies.push_back(corpus::Bytes(source).substr(kind.markBytes));
        }
        for (size_t i = 0; bytes.size() + bodies[i % bodies.size()].size() <= kDocumentBytes; ++i) {
            bytes += bodies[i % bodies.size()];
        }
        while (bytes.size() < kDocumentBytes) {
            bytes += kind.space;
        }
        std::ofstream(folder_ / kind.name, std::ios::binary) << bytes;
    }

    std::filesystem::path folder_;
};

const Documents& GetDocuments() {
    static const Documents documents;
    return documents;
}

void BM_Load(benchmark::State& state, const SampleDocument& kind) {
    const std::u16string path = GetDocuments().Path(kind);
    for (auto _ : state) {
        DocumentText document;
        if (!LoadDocument(document, path, nullptr)) {
            state.SkipWithError("the document did not load");
            break;
        }
        benchmark::DoNotOptimize(document.text.get());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kDocumentBytes));
}

// The loader's work shape with another converter: map the file, allocate the text, convert.
template <typename Convert>
void MapAndConvert(benchmark::State& state, const SampleDocument& kind, Convert convert) {
    const std::u16string path = GetDocuments().Path(kind);
    for (auto _ : state) {
        MappedFile file;
        if (!file.Open(path) || !file.CreateMapping() || !file.MapView()) {
            state.SkipWithError("the document did not map");
            break;
        }
        std::unique_ptr<char16_t[]> text(new char16_t[file.Size() + 1]);
        convert(file.Bytes(), text.get());
        benchmark::DoNotOptimize(text.get());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kDocumentBytes));
}

void BM_Iconv(benchmark::State& state, const SampleDocument& kind) {
    const iconv_t converter = iconv_open("UTF-16LE", kind.iconvFrom);
    MapAndConvert(state, kind, [&](std::span<const uint8_t> bytes, char16_t* out) {
        char* in = const_cast<char*>(reinterpret_cast<const char*>(bytes.data()));
        size_t inLeft = bytes.size();
        char* to = reinterpret_cast<char*>(out);
        size_t outLeft = bytes.size() * 2;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        iconv(converter, &in, &inLeft, &to, &outLeft);
    });
    iconv_close(converter);
}

void BM_WidenFresh(benchmark::State& state, const SampleDocument& kind) {
    MapAndConvert(state, kind, [](std::span<const uint8_t> bytes, char16_t* out) {
        bench::WidenBytes(bytes.data(), bytes.size(), out);
    });
}

// The same copy in as many parts at once as the loader decodes a long text in, each part into
// its own stretch of the fresh buffer.
void BM_WidenFreshParts(benchmark::State& state, const SampleDocument& kind) {
    MapAndConvert(state, kind, [](std::span<const uint8_t> bytes, char16_t* out) {
        const size_t parts =
            Parting::PerThread(kDecodePartBytes).PartsFor(static_cast<int64_t>(bytes.size()));
        RunParts(parts, [&](size_t part) {
            const size_t from = bytes.size() * part / parts;
            const size_t to = bytes.size() * (part + 1) / parts;
            bench::WidenBytes(bytes.data() + from, to - from, out + from);
        });
    });
}

// The same copy with the mapping and the text buffer mapped in and warm before timing.
void BM_WidenWarm(benchmark::State& state, const SampleDocument& kind) {
    MappedFile file;
    if (!file.Open(GetDocuments().Path(kind)) || !file.CreateMapping() || !file.MapView()) {
        state.SkipWithError("the document did not map");
        return;
    }
    const std::span<const uint8_t> bytes = file.Bytes();
    std::vector<char16_t> text(bytes.size());
    bench::WidenBytes(bytes.data(), bytes.size(), text.data());
    for (auto _ : state) {
        bench::WidenBytes(bytes.data(), bytes.size(), text.data());
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kDocumentBytes));
}

int64_t StatusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with(field)) {
            return std::atoll(line.c_str() + std::char_traits<char>::length(field));
        }
    }
    return -1;
}

// Resets the kernel's high-water mark of resident memory, loads, and compares its growth with
// the text buffer and the mapping: nothing else of document size may be held on the way.
void PrintPeakMemory(const SampleDocument& kind) {
    std::ofstream("/proc/self/clear_refs") << "5";
    const int64_t before = StatusKilobytes("VmRSS:");
    DocumentText document;
    Require(LoadDocument(document, GetDocuments().Path(kind), nullptr),
            std::string("load the ") + kind.name + " document");
    const double peak = (StatusKilobytes("VmHWM:") - before) / 1024.0;
    const double text = (document.length + 1) * 2 / 1048576.0;
    const double mapping = kDocumentBytes / 1048576.0;
    std::printf(
        "%s peak memory: %.1f MiB; text buffer %.1f MiB + mapping %.1f MiB = %.1f MiB "
        "(peak / both %.2f)\n",
        kind.name, peak, text, mapping, text + mapping, peak / (text + mapping));
}

struct Variant {
    const char* prefix;
    void (*function)(benchmark::State&, const SampleDocument&);
};

void RegisterBenchmarks() {
    const Variant variants[] = {{"BM_Load/", BM_Load},
                                {"BM_Iconv/", BM_Iconv},
                                {"BM_WidenFresh/", BM_WidenFresh},
                                {"BM_WidenFreshParts/", BM_WidenFreshParts},
                                {"BM_WidenWarm/", BM_WidenWarm}};
    for (const SampleDocument& kind : kKinds) {
        for (const Variant& variant : variants) {
            const std::string name = std::string(variant.prefix) + kind.name;
            benchmark::RegisterBenchmark(name.c_str(), variant.function, kind)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
        }
    }
}

}  // namespace
}  // namespace sorna

int main(int argc, char** argv) {
    sorna::RegisterBenchmarks();
    // Each ratio is the other run's time over the load's: above 1, the load is the faster; the
    // limits are at most 1.
    std::vector<sorna::BenchmarkRatio> ratios;
    for (const auto& [kind, label] : {std::pair{"cp949.txt", "CP949 text"},
                                      {"utf16.txt", "UTF-16 text"},
                                      {"utf16-nomark.txt", "UTF-16 text without a mark"},
                                      {"utf8.txt", "UTF-8 text"},
                                      {"cp949.html", "CP949 HTML"}}) {
        const std::string load = std::string("BM_Load/") + kind;
        for (const auto& [baseline, name] :
             {std::pair{"BM_Iconv/", "iconv (peer)"},
              {"BM_WidenFresh/", "vectorised widening into fresh memory on one thread"},
              {"BM_WidenFreshParts/",
               "vectorised widening into fresh memory in as many parts (limit)"},
              {"BM_WidenWarm/", "vectorised widening into warm memory"}}) {
            ratios.push_back(
                {std::string(label) + " speed / " + name, baseline + std::string(kind), load});
        }
    }
    ratios.push_back(
        {"CP949 HTML speed / CP949 text speed", "BM_Load/cp949.txt", "BM_Load/cp949.html"});
    const int result = sorna::RunBenchmarksWithRatios(argc, argv, ratios);
    for (const sorna::SampleDocument& kind : sorna::kKinds) {
        sorna::PrintPeakMemory(kind);
    }
    return result;
}
