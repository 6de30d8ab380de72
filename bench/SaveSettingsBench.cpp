// The cost of one save of a well-used reader's settings (it runs every minute on the interface
// thread) against its unavoidable part: replacing the file with the same bytes, durably.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "bench/RatioReporter.h"
#include "platform/registry/Registry.h"
#include "platform/registry/RegistryFile.h"
#include "resources/Format.h"
#include "settings/Settings.h"

namespace sorna {
namespace {

// A registry folder of its own, removed afterwards.
class BenchFolder {
public:
    BenchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "sorna-save-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
        LoadRegistry(path_);
    }
    ~BenchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// 30 recent files, 500 bookmarks and 20 searches, with Korean paths and labels.
Settings WellUsedSettings() {
    Settings settings;
    for (int n = 0; n < 30; ++n) {
        settings.recentFiles.RememberFile(
            FormatText(u"/home/reader/문서/소설/제%d권 - 긴 이야기.txt", {int64_t{n}}), n * 4711);
    }
    for (int n = 0; n < 500; ++n) {
        settings.bookmarks.AddBookmark(
            FormatText(u"/home/reader/문서/소설/제%d권 - 긴 이야기.txt", {int64_t{n % 30}}),
            n * 1234, FormatText(u"%d장 그날 밤 (%d%%)", {int64_t{n}, int64_t{n % 100}}));
    }
    for (int n = 0; n < 20; ++n) {
        settings.recentSearches.RememberSearch(FormatText(u"검색어 %d", {int64_t{n}}));
    }
    return settings;
}

void BM_SaveSettings(benchmark::State& state) {
    const BenchFolder folder;
    const Settings settings = WellUsedSettings();
    for (auto _ : state) {
        settings.SaveSettings();
    }
    state.counters["file bytes"] =
        static_cast<double>(std::filesystem::file_size(folder.Path() / "user.reg"));
}
BENCHMARK(BM_SaveSettings)->Unit(benchmark::kMillisecond);

// Baseline: the durable replacement of the same file with the bytes the save wrote.
void BM_ReplaceFileOnly(benchmark::State& state) {
    const BenchFolder folder;
    WellUsedSettings().SaveSettings();
    const std::filesystem::path file = folder.Path() / "user.reg";
    const std::string text(std::filesystem::file_size(file), 'x');
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReplaceRegistryFile(file, text));
    }
}
BENCHMARK(BM_ReplaceFileOnly)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sorna

int main(int argc, char** argv) {
    return sorna::RunBenchmarksWithRatios(
        argc, argv,
        {{"save settings / replace file only", "BM_SaveSettings", "BM_ReplaceFileOnly"}});
}
