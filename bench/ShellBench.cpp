// The reader's start with a 100 MiB most recent file, from the window's construction to its first
// painted page of the document, against loading and laying out that file alone; one page-turn
// command through the main window at 1080 x 1920, to the end of its paint, against repainting
// the same page alone; page turns and a close while a 1 GiB book is read behind its first page;
// and a drag of the window's edge over that book.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "app/qt/MainWindow.h"
#include "app/qt/PageWidget.h"
#include "bench/RatioReporter.h"
#include "bench/Require.h"
#include "document/LoadDocument.h"
#include "platform/registry/Registry.h"
#include "resources/CommandIds.h"
#include "resources/Format.h"
#include "tests/support/Corpus.h"
#include "view/TextView.h"
#include "view/qt/PageCanvas.h"

namespace sorna {
namespace {

// The test screen of a phone, through the offscreen platform's configuration.
constexpr char kScreenConfig[] =
    R"({"screens": [{"name": "phone", "x": 0, "y": 0, "width": 1080, "height": 1920,)"
    R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";

// Registry files and the document live in one folder of this run.
QTemporaryDir& RunFolder() {
    static QTemporaryDir folder;
    return folder;
}

// The Korean Bible and an English novel in turn up to `mebibytes`, read as code page 949.
std::u16string BookFile(const char* name, size_t mebibytes) {
    const std::string parts[] = {corpus::Bytes("ko-cp949-bible-krv-large.txt"),
                                 corpus::Bytes("en-gutenberg-01-large.txt")};
    const std::filesystem::path file =
        std::filesystem::path(RunFolder().path().toStdString()) / name;
    std::ofstream out(file, std::ios::binary);
    for (size_t written = 0, n = 0; written < (mebibytes << 20); ++n) {
        out << parts[n % 2];
        written += parts[n % 2].size();
    }
    return file.u16string();
}

const std::u16string& HundredMegabyteFile() {
    static const std::u16string path = BookFile("large.txt", 100);
    return path;
}

const std::u16string& GigabyteFile() {
    static const std::u16string path = BookFile("gigabyte.txt", 1024);
    return path;
}

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

Settings ReaderSettings(const std::u16string& recentFile, int32_t position) {
    Settings settings;
    settings.sFontFaceName = u"NanumGothic";
    settings.recentFiles.RememberFile(recentFile, position);
    return settings;
}

// Counts the paints of a window's page that show a laid-out document.
class PagePaints : public QObject {
public:
    PagePaints(MainWindow& window) : window_(window) { PageOfWindow().installEventFilter(this); }

    PageWidget& PageOfWindow() { return *window_.findChild<PageWidget*>(); }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && window_.Session().View().Lines().Count() > 1) {
            ++paints;
        }
        return false;
    }

    int paints = 0;

private:
    MainWindow& window_;
};

// Also how long after the start the whole book's lines are in, as counter whole_ms.
void BM_StartToFirstPage(benchmark::State& state) {
    const std::u16string& file = HundredMegabyteFile();
    double whole = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        Settings settings = ReaderSettings(file, int32_t(state.range(0)));
        auto window = std::make_unique<MainWindow>(settings);
        PagePaints paints(*window);
        window->show();
        while (paints.paints == 0) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        state.PauseTiming();
        while (window->Session().View().ShowsWindow()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        whole += MillisecondsSince(start);
        window.reset();
        state.ResumeTiming();
    }
    state.counters["whole_ms"] = whole / double(state.iterations());
}
// At the start, whose byte is known, the book is read around it first; in the middle, where the
// recent files keep no byte here, it is read whole first and laid out around the place.
BENCHMARK(BM_StartToFirstPage)
    ->Arg(0)
    ->Arg(50 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseRealTime();

// What the start cannot avoid: reading the file and breaking it into lines for the same area.
void BM_LoadAndLayOut(benchmark::State& state) {
    Settings settings = ReaderSettings(u"", 0);
    MainWindow window(settings);
    window.show();
    const ViewRect area = window.Session().View().TextArea();
    PageCanvas canvas;
    for (auto _ : state) {
        TextView view(canvas);
        view.SetFont(settings.sFontFaceName, settings.nFontSize, false, false);
        view.SetTextArea(area, false);
        if (!LoadDocument(view.Document(), HundredMegabyteFile(), nullptr)) {
            state.SkipWithError("cannot load the document");
            break;
        }
        Require(view.Layout(nullptr), "lay the document out");
        benchmark::DoNotOptimize(view.Lines().Count());
    }
}
BENCHMARK(BM_LoadAndLayOut)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// Handles events until `done` holds; the longest that one round of handling took, in ms.
template <typename Done>
double HandleEventsUntil(const Done& done) {
    double longest = 0;
    while (!done()) {
        const Clock::time_point start = Clock::now();
        QCoreApplication::processEvents();
        longest = std::max(longest, MillisecondsSince(start));
    }
    return longest;
}

// A drag of the window's edge over a 1 GiB book read whole, a step a frame for 20 steps: the
// longest that handling the events kept input waiting, the time from the last step to its page,
// and to the whole book's lines in the window's place.
void BM_ResizeDrag(benchmark::State& state) {
    Settings settings = ReaderSettings(GigabyteFile(), 500 << 20);
    MainWindow window(settings);
    window.resize(1080, 1800);
    window.show();
    PagePaints paints(window);
    const TextView& view = window.Session().View();
    HandleEventsUntil([&] { return view.Lines().Count() > 1 && !view.ShowsWindow(); });
    for (auto _ : state) {
        double longest = 0;
        Clock::time_point last;
        for (int step = 1; step <= 20; ++step) {
            const int32_t before = view.TextArea().Width();
            const int shown = paints.paints;
            last = Clock::now();
            window.resize(1080 - 20 * step, 1800);
            longest = std::max(longest, HandleEventsUntil([&] {
                                   return view.TextArea().Width() != before &&
                                          paints.paints > shown &&
                                          (step == 20 || MillisecondsSince(last) >= 16);
                               }));
        }
        state.counters["page_ms"] = MillisecondsSince(last);
        longest = std::max(longest, HandleEventsUntil([&] { return !view.ShowsWindow(); }));
        state.counters["whole_ms"] = MillisecondsSince(last);
        state.counters["longest_wait_ms"] = longest;
    }
}
BENCHMARK(BM_ResizeDrag)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// Up to 100 page turns in an open book, each from the command to the end of its paint, while
// `more` holds; their median and the longest, under `name`.
template <typename More>
void TurnPages(benchmark::State& state, ReaderSession& session, const char* name,
               const More& more) {
    std::vector<double> turns;
    while (turns.size() < 100 && more()) {
        const Clock::time_point start = Clock::now();
        session.RunCommand(IDM_PAGE_DOWN);
        turns.push_back(MillisecondsSince(start));
    }
    std::sort(turns.begin(), turns.end());
    const std::string prefix(name);
    state.counters[prefix + "_median_ms"] = turns.empty() ? 0.0 : turns[turns.size() / 2];
    state.counters[prefix + "_longest_ms"] = turns.empty() ? 0.0 : turns.back();
    state.counters[prefix + "_turns"] = double(turns.size());
}

// Page turns in the window of a 1 GiB book opened at its start, while the rest is read behind it,
// against the same turns with the whole book in and nothing else running (after a pass that puts
// their glyphs in the caches, so that both see them alike); then closing the book while it is
// still being read, which cancels the reading.
void BM_PageTurnWhileReading(benchmark::State& state) {
    for (auto _ : state) {
        Settings settings = ReaderSettings(GigabyteFile(), 0);
        MainWindow window(settings);
        window.resize(1080, 1800);
        window.show();
        PagePaints paints(window);
        ReaderSession& session = window.Session();
        const TextView& view = session.View();
        HandleEventsUntil([&] { return paints.paints > 0; });
        session.WaitForWholeText();
        TurnPages(state, session, "glyphs", [] { return true; });
        session.RunCommand(IDM_FIRST_PAGE);
        TurnPages(state, session, "idle", [] { return true; });
        session.CloseDocument();
        Require(session.OpenDocument(GigabyteFile(), 0), "open the book again");
        TurnPages(state, session, "reading",
                  [&] { return view.ShowsWindow() && view.WindowHolds(view.PageStep()); });
        state.counters["still_reading"] = view.ShowsWindow();
        const Clock::time_point closing = Clock::now();
        session.CloseDocument();
        state.counters["close_ms"] = MillisecondsSince(closing);
    }
}
BENCHMARK(BM_PageTurnWhileReading)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// A Korean novel shown full screen on the phone's screen, in the middle of the text.
struct FullScreenReader {
    FullScreenReader() : settings(ReaderSettings(Korean(), 20000)), window(settings) {
        window.show();
        window.Session().RunCommand(IDM_FULLSCREEN);
        while (window.Session().View().Lines().Count() < 2 || !window.isFullScreen()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        QCoreApplication::processEvents();
    }
    static std::u16string Korean() { return Widen(corpus::File("ko-cp949-novel-03.txt").string()); }

    Settings settings;
    MainWindow window;
};

void BM_PageTurnCommand(benchmark::State& state) {
    FullScreenReader reader;
    PagePaints paints(reader.window);
    state.counters["width"] = paints.PageOfWindow().width();
    state.counters["height"] = paints.PageOfWindow().height();
    CommandId step = IDM_PAGE_DOWN;
    for (auto _ : state) {
        reader.window.Session().RunCommand(step);
        step = step == IDM_PAGE_DOWN ? IDM_PAGE_UP : IDM_PAGE_DOWN;
    }
    state.counters["paints"] =
        benchmark::Counter(paints.paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PageTurnCommand)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RepaintPage(benchmark::State& state) {
    FullScreenReader reader;
    PagePaints paints(reader.window);
    for (auto _ : state) {
        paints.PageOfWindow().repaint();
    }
}
BENCHMARK(BM_RepaintPage)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace sorna

int main(int argc, char** argv) {
    QTemporaryDir& folder = sorna::RunFolder();
    const QString config = folder.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) || file.write(sorna::kScreenConfig) < 0) {
        return 1;
    }
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    sorna::LoadRegistry(folder.path().toStdString());
    QApplication application(argc, argv);
    return sorna::RunBenchmarksWithRatios(
        argc, argv,
        {{"start to first page / load and lay out",
          "BM_StartToFirstPage/52428800/iterations:5/real_time",
          "BM_LoadAndLayOut/iterations:5/real_time"},
         {"page-turn command / repaint", "BM_PageTurnCommand/real_time",
          "BM_RepaintPage/real_time"}});
}
